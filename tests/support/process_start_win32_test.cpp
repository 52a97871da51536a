// The tests' own way of starting programs: a start gives the caller the running program, and a
// start that fails names the program and the system's error number and text.
#include <catch2/catch.hpp>

#include <windows.h>

#include <vector>

#include "base/system_error_win32.h"
#include "support/process_start_win32.h"
#include "support/win32_files.h"

namespace tarvane::testing {

TEST_CASE("A test's program start runs the program on its quoted path", "[process start]") {
    const ScratchFolder scratch(L"process start ok");
    const std::wstring& folder = scratch.Path();
    InstallFakeTool(folder, L"Started Tool.exe");
    const PROCESS_INFORMATION started = StartProcess(folder + L"Started Tool.exe");
    CHECK(WaitForSingleObject(started.hProcess, 10000) == WAIT_OBJECT_0);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    const std::vector<ToolCall> calls = ReadToolCalls(folder);
    REQUIRE(calls.size() == 1);
    CHECK(calls[0].commandLine == L"\"" + folder + L"Started Tool.exe\"");
}

TEST_CASE("A test's program start that fails says which error the system gave", "[process start]") {
    const ScratchFolder scratch(L"process start fails");
    const std::wstring& folder = scratch.Path();
    struct Row {
        std::wstring program;
        DWORD error;
    };
    const Row row = GENERATE_REF(Row{folder + L"Missing.exe", DWORD{ERROR_FILE_NOT_FOUND}},
                                 Row{folder + L"Not A Program.exe", DWORD{ERROR_BAD_EXE_FORMAT}});
    CAPTURE(row.program);
    WriteWholeFile(folder + L"Not A Program.exe", "not a program");
    CHECK_THROWS_WITH(StartProcess(row.program),
                      Catch::Contains(ToUtf8(row.program)) &&
                          Catch::Contains(ToUtf8(SystemErrorText(row.error))));
}

}  // namespace tarvane::testing
