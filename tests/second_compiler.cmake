# A second compiler: clang checks every product source for 64-bit Windows against the same MinGW-w64
# headers and C++ library, with the product's definitions and pedantic warnings as errors, so that
# code only GCC accepts fails the tests before it reaches another Windows compiler. Syntax and
# semantics only, no code: it takes seconds.
if(NOT WIN32 OR NOT CMAKE_SIZEOF_VOID_P EQUAL 8)
    return()
endif()
find_program(TARVANE_CLANG clang++ REQUIRED)

set(productSources "")
foreach(target tarvane_core tarvane_win32 Tarvane)
    get_target_property(sources ${target} SOURCES)
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
    list(TRANSFORM sources PREPEND ${PROJECT_SOURCE_DIR}/ REGEX "^[^/]")
    list(APPEND productSources ${sources})
endforeach()

# MinGW-w64's C++ library headers, as the MinGW compiler of this build finds them.
set(libraryHeaders ${CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES})
list(FILTER libraryHeaders INCLUDE REGEX "/c\\+\\+")
list(TRANSFORM libraryHeaders PREPEND -isystem)
list(TRANSFORM TARVANE_WIN32_DEFINITIONS PREPEND -D OUTPUT_VARIABLE definitions)

add_test(NAME second_compiler
         COMMAND ${TARVANE_CLANG} --target=${tarvane_triplet} --sysroot=${CMAKE_FIND_ROOT_PATH}
                 -nostdinc++ ${libraryHeaders} -std=c++20 -Wall -Wextra -Wpedantic -Werror
                 -fsyntax-only ${definitions} -I${PROJECT_SOURCE_DIR} ${productSources})
