add_executable(unit_tests
    support/windows_argv_test.cpp
)
target_link_libraries(unit_tests PRIVATE test_support)
tarvane_compile_options(unit_tests)
# The 32-bit build cannot run here: its tests are built, to prove they compile, but not run.
if(NOT CMAKE_CROSSCOMPILING OR CMAKE_CROSSCOMPILING_EMULATOR)
    add_test(NAME unit_tests COMMAND unit_tests)
endif()
