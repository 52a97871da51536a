add_executable(unit_tests
    support/windows_argv_test.cpp
    launch/command_line_test.cpp
    base/decimal_text_test.cpp
    base/message_inserts_test.cpp
    base/path_text_test.cpp
    settings/file_encoding_test.cpp
    settings/settings_test.cpp
    shell/file_dialog_test.cpp
    startup/component_test.cpp
    startup/ini_location_test.cpp
    startup/process_defences_test.cpp
    startup/special_folder_test.cpp
    ui/commands_test.cpp
    ui/drop_test.cpp
    ui/extraction_test.cpp
    ui/game_folder_test.cpp
    ui/help_test.cpp
    ui/layout_test.cpp
    ui/pickers_test.cpp
    ui/tool_approval_test.cpp
    ui/tool_location_test.cpp
    ui/window_description_test.cpp
)
target_link_libraries(unit_tests PRIVATE test_support)
tarvane_compile_options(unit_tests)
# Natively, and in each Windows build under Wine (the cross-compiling emulator).
tarvane_add_program_test(unit_tests)
