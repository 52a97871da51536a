# UI tests: one driver program works the real Tarvane.exe window from outside, as a user would.
# The cases share one executable, since every start of a program under Wine costs time.
add_executable(ui_tests
    ui/ui_environment.cpp
    ui/drop_sender.cpp
    ui/ui_driver.cpp
    ui/main_window_win32_test.cpp
    ui/help_win32_test.cpp
    ui/extraction_win32_test.cpp
    ui/tool_location_win32_test.cpp
    ui/pickers_win32_test.cpp
    ui/path_completion_win32_test.cpp
    ui/drop_win32_test.cpp
    startup/dll_search_win32_test.cpp
)
target_link_libraries(ui_tests PRIVATE test_support_win32 tarvane_win32)
tarvane_compile_options(ui_tests)
# Loaded into Tarvane's process to deliver drops, whose handle must be made there.
add_library(drop_poster SHARED ui/drop_poster.cpp)
target_include_directories(drop_poster PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
set_target_properties(drop_poster PROPERTIES PREFIX "")
tarvane_compile_options(drop_poster)
# The driver looks PostDrop up by its plain name; i686 decorates a WINAPI export as PostDrop@4.
if(MINGW)
    target_link_options(drop_poster PRIVATE -Wl,--kill-at)
endif()
# Planted beside copies of Tarvane.exe under system DLLs' names, and the control that loads DLLs
# by bare name; built for the architecture under test like every other program here.
add_library(planted_dll SHARED tools/planted_dll.cpp)
set_target_properties(planted_dll PROPERTIES PREFIX "")
tarvane_compile_options(planted_dll)
add_executable(bare_name_loader tools/bare_name_loader.cpp)
tarvane_compile_options(bare_name_loader)
# The driver starts these from the build folder, and loads drop_poster.dll from there.
add_dependencies(ui_tests Tarvane fake_archive_tool drop_poster planted_dll bare_name_loader)
tarvane_add_program_test(ui_tests)
set_tests_properties(ui_tests PROPERTIES TIMEOUT 600 RUN_SERIAL ON)
