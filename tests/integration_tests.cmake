# Integration tests of the Win32 shell against the real API, one program per subsystem: every
# program start costs seconds under Wine, so the cases live together as Catch2 test cases.

function(tarvane_add_integration_test target)
    add_executable(${target} ${ARGN})
    target_link_libraries(${target} PRIVATE tarvane_win32 test_support test_support_win32)
    tarvane_compile_options(${target})
    tarvane_add_program_test(${target})
endfunction()

# Only the 32-bit build carries the common-dialog component, so only its tests install one.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # A stand-in for the common-dialog component: 140,288 bytes of recognisable text, long enough
    # that a copy cut short or shifted does not compare equal. The tests read it back from the
    # build folder.
    set(test_component_file ${CMAKE_BINARY_DIR}/test-component.bin)
    set(test_component_bytes 140288)
    set(test_component_unit
        "Tarvane test component, not Microsoft's COMDLG32.OCX: any byte moved or lost shows here. 0123456789")
    string(LENGTH "${test_component_unit}" unit_length)
    math(EXPR unit_count "${test_component_bytes} / ${unit_length} + 1")
    string(REPEAT "${test_component_unit}" ${unit_count} test_component_block)
    string(SUBSTRING "${test_component_block}" 0 ${test_component_bytes} test_component_block)
    # Written only when it changes, so the program that embeds it is not rebuilt at each configure.
    file(CONFIGURE OUTPUT ${test_component_file} CONTENT "${test_component_block}" @ONLY)

    # The program as shipped, but carrying the stand-in component.
    tarvane_add_app(TarvaneWithComponent ${test_component_file})
    set(componentBuild TarvaneWithComponent)
endif()

tarvane_add_integration_test(integration_startup_settings
    settings/file_encoding_win32_test.cpp
    settings/settings_win32_test.cpp
    startup/component_win32_test.cpp
    startup/special_folder_win32_test.cpp
)
add_dependencies(integration_startup_settings Tarvane ${componentBuild} settings_store_tool)
if(componentBuild)
    target_compile_definitions(integration_startup_settings PRIVATE TARVANE_TEST_COMPONENT)
endif()

# A second copy of the settings code in a process of its own, for the tests of copies that share
# one settings file.
add_executable(settings_store_tool tools/settings_store_tool.cpp)
target_link_libraries(settings_store_tool PRIVATE tarvane_win32)
tarvane_compile_options(settings_store_tool)

tarvane_add_integration_test(integration_launcher
    support/process_start_win32_test.cpp
    launch/launcher_win32_test.cpp
)
add_dependencies(integration_launcher fake_archive_tool fake_ansi_archive_tool)

tarvane_add_integration_test(integration_shell
    shell/file_dialog_win32_test.cpp
    shell/folder_browser_win32_test.cpp
)

tarvane_add_integration_test(integration_window
    ui/main_window_creation_win32_test.cpp
    ui/message_win32_test.cpp
)

# The drive-type question against a drive that Wine's drive configuration makes a network drive.
add_executable(integration_network_drive ui/game_folder_win32_test.cpp)
target_link_libraries(integration_network_drive PRIVATE tarvane_win32 test_support)
tarvane_compile_options(integration_network_drive)
tarvane_add_program_test(integration_network_drive
    sh ${CMAKE_CURRENT_SOURCE_DIR}/support/with_wine_network_drive.sh)
set_tests_properties(integration_network_drive PROPERTIES RUN_SERIAL ON)
