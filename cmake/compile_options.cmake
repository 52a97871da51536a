# Flags shared by every target: warnings are errors, Windows targets use the Unicode API at the
# Windows XP level and link everything statically so Tarvane.exe needs nothing installed.

# The Windows API level and character set that every Windows target, and the second compiler's
# check of the product sources (tests/second_compiler.cmake), compile with.
set(TARVANE_WIN32_DEFINITIONS UNICODE _UNICODE WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0600
    NOMINMAX)

function(tarvane_compile_options target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX /utf-8 /permissive-)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    endif()
    if(WIN32)
        target_compile_definitions(${target} PUBLIC ${TARVANE_WIN32_DEFINITIONS})
        if(MINGW)
            target_compile_options(${target} PRIVATE -municode -ffunction-sections -fdata-sections)
            target_link_options(${target} PRIVATE -municode -static -static-libgcc
                                -static-libstdc++ -Wl,--gc-sections -Wl,--no-insert-timestamp)
        elseif(MSVC)
            set_property(TARGET ${target} PROPERTY MSVC_RUNTIME_LIBRARY "MultiThreaded")
            target_link_options(${target} PRIVATE /MANIFEST:NO)
        endif()
    endif()
    if(TARVANE_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined
                               -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
endfunction()

# Compile options of the product's own code (not the tests'). It throws no exception and catches
# none, with one exception: the special-folder lookup turns any failure, a failed allocation
# among them, into "no folder", so that file keeps the exception machinery. Everything else is
# built without it; on i686 also without unwind tables, which only exceptions would use there
# (x86_64 Windows requires them of every function that calls another). Together these keep
# about 10 KiB of landing pads and tables out of the i686 exe. An exception that reaches code
# built this way ends the program, as an uncaught one always did. Nor does the product ask a type
# for its name or cast down through a virtual base (no typeid, no dynamic_cast), so it is built
# without run-time type information: the type records of every interface class, and the C++
# library's code behind those of classes with more than one base (a COM object), stay out of the
# exe (about 5.5 KiB of the i686 exe).
set(TARVANE_CATCHING_SOURCES ${PROJECT_SOURCE_DIR}/startup/special_folder.cpp)

function(tarvane_product_options target)
    if(MSVC)
        return()
    endif()
    target_compile_options(${target} PRIVATE -fno-exceptions -fno-rtti)
    set(catchingOptions -fexceptions)
    if(MINGW AND CMAKE_SIZEOF_VOID_P EQUAL 4)
        target_compile_options(${target} PRIVATE -fno-asynchronous-unwind-tables)
        list(APPEND catchingOptions -fasynchronous-unwind-tables)
    endif()
    # A file's own options come after its target's, so these win.
    set_source_files_properties(${TARVANE_CATCHING_SOURCES} PROPERTIES COMPILE_OPTIONS
                                "${catchingOptions}")
endfunction()

# The shipped program is optimised across files at link time: with the whole program in view
# the compiler drops and merges far more of the library's templates than it can one file at a
# time (about 12 KiB of the i686 exe).
function(tarvane_link_time_optimisation target)
    if(MINGW AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        set_property(TARGET ${target} PROPERTY INTERPROCEDURAL_OPTIMIZATION ON)
    endif()
endfunction()

# Link options of the shipped program only (tests keep the library's full behaviour).
#
# The exe is linked stripped, so that the UI tests drive exactly the bytes that are shipped.
#
# Size: the program catches no exception, so anything the C++ library throws ends in
# std::terminate and abort. GCC's library reaches that end through its verbose terminate handler
# (with its demangler, for a message on a stderr that a GUI program does not have) and, for
# length_error and friends, through exception classes that pull in two whole std::string
# implementations. On i686 PE the linker cannot drop unused functions of an object that has an
# .eh_frame, so together these cost about 150 KiB. Sending those paths straight to abort keeps
# the outcome the same (the process ends abnormally) and the exe small. Should the program come
# to need another of the library's throw helpers, those classes come back with it, and the size
# budget that scripts/package.sh enforces says so.
set(TARVANE_LIBSTDCXX_ABORT_PATHS
    _ZN9__gnu_cxx27__verbose_terminate_handlerEv  # __gnu_cxx::__verbose_terminate_handler()
    _ZSt17__throw_bad_allocv                      # std::__throw_bad_alloc()
    _ZSt28__throw_bad_array_new_lengthv           # std::__throw_bad_array_new_length()
    _ZSt20__throw_length_errorPKc                 # std::__throw_length_error(const char*)
    _ZSt19__throw_logic_errorPKc                  # std::__throw_logic_error(const char*)
    _ZSt24__throw_out_of_range_fmtPKcz)           # std::__throw_out_of_range_fmt(const char*, ...)

function(tarvane_shipped_link_options target)
    if(NOT MINGW OR NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        return()
    endif()
    # 32-bit Windows decorates C and C++ symbol names with a leading underscore; x86_64 does not.
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        set(decoration "_")
    else()
        set(decoration "")
    endif()
    target_link_options(${target} PRIVATE -s)
    # The defences that Windows reads from the exe's header, named here rather than left to the
    # linker's defaults, which differ between versions (GNU ld 2.40 leaves out --tsaware): the
    # exe is loaded at a random address, with the relocations that needs (--dynamicbase; on
    # x86_64 anywhere in the 64-bit space, --high-entropy-va), its data is never executed
    # (--nxcompat), and a terminal server gives it no compatibility shims (--tsaware).
    target_link_options(${target} PRIVATE LINKER:--dynamicbase,--nxcompat,--tsaware)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        target_link_options(${target} PRIVATE LINKER:--high-entropy-va)
    endif()
    foreach(symbol IN LISTS TARVANE_LIBSTDCXX_ABORT_PATHS)
        target_link_options(${target} PRIVATE
                            "LINKER:--defsym,${decoration}${symbol}=${decoration}abort")
    endforeach()
endfunction()

# The program itself. componentFile names a COMDLG32.OCX to carry as the CUSTOM 101 resource,
# or is empty to carry none.
function(tarvane_add_app target componentFile)
    add_executable(${target} WIN32 ${PROJECT_SOURCE_DIR}/startup/startup_win32.cpp
                   ${PROJECT_SOURCE_DIR}/resources/tarvane.rc)
    target_link_libraries(${target} PRIVATE tarvane_shipped)
    tarvane_compile_options(${target})
    tarvane_product_options(${target})
    tarvane_link_time_optimisation(${target})
    tarvane_shipped_link_options(${target})
    # The resource script finds the generated version header and manifest beside its own files.
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/resources
                               ${TARVANE_VERSION_DIR})
    set_property(SOURCE ${PROJECT_SOURCE_DIR}/resources/tarvane.rc APPEND PROPERTY
                 OBJECT_DEPENDS ${TARVANE_VERSION_DIR}/tarvane.manifest)
    if(componentFile AND CMAKE_SIZEOF_VOID_P EQUAL 8)
        # The component is a 32-bit one, for 32-bit programs, which on 64-bit Windows look for it
        # in SysWOW64; a 64-bit program's system folder is the 64-bit System32, where none does.
        message(FATAL_ERROR "Only the 32-bit build carries the common-dialog component: "
                            "configure the win32 preset with TARVANE_COMPONENT_FILE instead")
    endif()
    if(componentFile)
        set(folder ${CMAKE_BINARY_DIR}/component-${target})
        configure_file(${componentFile} ${folder}/component.bin COPYONLY)
        target_compile_definitions(${target} PRIVATE $<$<COMPILE_LANGUAGE:RC>:TARVANE_EMBED_COMPONENT>)
        target_include_directories(${target} PRIVATE $<$<COMPILE_LANGUAGE:RC>:${folder}>)
        set_property(SOURCE ${PROJECT_SOURCE_DIR}/resources/tarvane.rc APPEND PROPERTY
                     OBJECT_DEPENDS ${folder}/component.bin)
    endif()
endfunction()
