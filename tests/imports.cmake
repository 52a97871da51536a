# Checks of what is shipped, read from the files natively (objdump, zip): Tarvane.exe's import
# table against the reviewed lists, its header's defences, and, in the release target's build, the
# release packages.
if(NOT WIN32 OR NOT TARVANE_OBJDUMP)
    return()
endif()

set(allowedImports ${CMAKE_CURRENT_SOURCE_DIR}/imports/allowed_imports.txt)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    list(APPEND allowedImports ${CMAKE_CURRENT_SOURCE_DIR}/imports/allowed_imports_x86_64.txt)
endif()
add_test(NAME imports
         COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${TARVANE_OBJDUMP} -DEXE=$<TARGET_FILE:Tarvane>
                 "-DALLOWED=${allowedImports}" -P ${CMAKE_CURRENT_SOURCE_DIR}/check_imports.cmake)

# The check itself must catch what it is there for: a DLL and a function that no list allows.
set(withoutUser32 ${CMAKE_CURRENT_BINARY_DIR}/allowed_imports_without_user32.txt)
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/imports/allowed_imports.txt allowedLines)
list(FILTER allowedLines EXCLUDE REGEX "^USER32\\.dll!|^KERNEL32\\.dll!GetProcAddress$")
list(JOIN allowedLines "\n" allowedText)
file(WRITE ${withoutUser32} "${allowedText}\n")
add_test(NAME imports_check_rejects_unlisted
         COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${TARVANE_OBJDUMP} -DEXE=$<TARGET_FILE:Tarvane>
                 -DALLOWED=${withoutUser32} -P ${CMAKE_CURRENT_SOURCE_DIR}/check_imports.cmake)
set_tests_properties(imports_check_rejects_unlisted PROPERTIES
    PASS_REGULAR_EXPRESSION
    "DLL not in the list: USER32\\.DLL.*function not in the list: KERNEL32\\.dll!GetProcAddress")

# The defences in the exe's header: loaded at a random address (with the relocations that needs,
# anywhere in the 64-bit space on x86_64), its data never executed, no terminal-server shims.
set(requiredPeFlags DYNAMIC_BASE NX_COMPAT TERMINAL_SERVER_AWARE)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    list(APPEND requiredPeFlags HIGH_ENTROPY_VA)
endif()
add_test(NAME pe_flags
         COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${TARVANE_OBJDUMP} -DEXE=$<TARGET_FILE:Tarvane>
                 "-DREQUIRED=${requiredPeFlags}" -P ${CMAKE_CURRENT_SOURCE_DIR}/check_pe_flags.cmake)

# The check must catch an exe linked without one of them.
add_executable(pe_flags_probe WIN32 tools/pe_flags_probe.cpp)
tarvane_compile_options(pe_flags_probe)
tarvane_shipped_link_options(pe_flags_probe)
target_link_options(pe_flags_probe PRIVATE LINKER:--disable-tsaware)
add_test(NAME pe_flags_check_rejects_missing
         COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${TARVANE_OBJDUMP} -DEXE=$<TARGET_FILE:pe_flags_probe>
                 "-DREQUIRED=${requiredPeFlags}" -P ${CMAKE_CURRENT_SOURCE_DIR}/check_pe_flags.cmake)
set_tests_properties(pe_flags_check_rejects_missing PROPERTIES
    PASS_REGULAR_EXPRESSION "lacks TERMINAL_SERVER_AWARE")

# The release packages are made from the i686 build and the x86_64 one beside it (built there if
# it is not built yet).
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(TARVANE_WIN64_BUILD_DIR ${PROJECT_SOURCE_DIR}/build/win64 CACHE PATH
        "The x86_64 build whose Tarvane.exe the release-package test packs")
    add_test(NAME package
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/check_package.sh ${CMAKE_BINARY_DIR}
                     ${TARVANE_WIN64_BUILD_DIR} ${TARVANE_VERSION_TEXT})
    set_tests_properties(package PROPERTIES DEPENDS imports)
endif()
