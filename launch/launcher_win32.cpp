#include "launch/launcher_win32.h"

#include <windows.h>

#include <vector>

#include "base/system_error_win32.h"

namespace tarvane {

Outcome ProcessLauncher::Start(const std::wstring& program, const std::wstring& commandLine) {
    // CreateProcessW may write into the command line, so it gets a copy of its own.
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        return {false, SystemErrorText(GetLastError(), program)};
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return {true, {}};
}

}  // namespace tarvane
