# The command line's fuzz target (libFuzzer, host clang only). The code under test is compiled into
# the target itself so that libFuzzer's coverage instrumentation sees inside it.
add_executable(command_line_fuzz
    launch/command_line_fuzz.cpp
    support/windows_argv.cpp
    ${PROJECT_SOURCE_DIR}/launch/command_line.cpp
)
target_include_directories(command_line_fuzz PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR})
tarvane_compile_options(command_line_fuzz)
# Optimised as libFuzzer advises: a Debug build runs several times fewer inputs a second.
target_compile_options(command_line_fuzz PRIVATE -O1 -fsanitize=fuzzer,address,undefined
                       -fno-sanitize-recover=all)
target_link_options(command_line_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)

# A bounded run: new inputs go into a writable corpus in the build folder, the committed corpus is
# only read as seed, and anything that fails is kept in the build folder for a look.
set(TARVANE_FUZZ_CORPUS ${CMAKE_CURRENT_BINARY_DIR}/command_line_corpus)
set(TARVANE_FUZZ_SEED ${CMAKE_CURRENT_SOURCE_DIR}/launch/command_line_corpus)
add_test(NAME command_line_fuzz_corpus
         COMMAND ${CMAKE_COMMAND} -E copy_directory ${TARVANE_FUZZ_SEED} ${TARVANE_FUZZ_CORPUS})
set_tests_properties(command_line_fuzz_corpus PROPERTIES FIXTURES_SETUP command_line_corpus)
add_test(NAME command_line_fuzz
         COMMAND command_line_fuzz -max_total_time=30 -print_final_stats=1
                 -artifact_prefix=${CMAKE_CURRENT_BINARY_DIR}/ ${TARVANE_FUZZ_CORPUS}
                 ${TARVANE_FUZZ_SEED})
set_tests_properties(command_line_fuzz PROPERTIES FIXTURES_REQUIRED command_line_corpus TIMEOUT 120)
