# Flags shared by every target: warnings are errors, Windows targets use the Unicode API at the
# Windows XP level and link everything statically so Tarvane.exe needs nothing installed.

function(tarvane_compile_options target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX /utf-8 /permissive-)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    endif()
    if(WIN32)
        target_compile_definitions(${target} PUBLIC UNICODE _UNICODE WINVER=0x0501
                                   _WIN32_WINNT=0x0501 _WIN32_IE=0x0600 NOMINMAX)
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

# The program itself. componentFile names a COMDLG32.OCX to carry as the CUSTOM 101 resource,
# or is empty to carry none.
function(tarvane_add_app target componentFile)
    add_executable(${target} WIN32 ${PROJECT_SOURCE_DIR}/startup/startup_win32.cpp
                   ${PROJECT_SOURCE_DIR}/resources/tarvane.rc)
    target_link_libraries(${target} PRIVATE tarvane_win32)
    tarvane_compile_options(${target})
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/resources)
    if(componentFile)
        set(folder ${CMAKE_BINARY_DIR}/component-${target})
        configure_file(${componentFile} ${folder}/component.bin COPYONLY)
        target_compile_definitions(${target} PRIVATE $<$<COMPILE_LANGUAGE:RC>:TARVANE_EMBED_COMPONENT>)
        target_include_directories(${target} PRIVATE $<$<COMPILE_LANGUAGE:RC>:${folder}>)
        set_property(SOURCE ${PROJECT_SOURCE_DIR}/resources/tarvane.rc APPEND PROPERTY
                     OBJECT_DEPENDS ${folder}/component.bin)
    endif()
endfunction()
