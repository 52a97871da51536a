#include "support/process_start_win32.h"

#include <iostream>
#include <stdexcept>

#include "base/system_error_win32.h"
#include "support/utf8_win32.h"

namespace tarvane::testing {
namespace {

constexpr int kStartAttempts = 5;
constexpr DWORD kRetryPauseMs = 250;

// A missing program, or a file that is no program, stays so; any other refusal may be the
// emulator's passing one.
bool WorthRetrying(DWORD error) {
    return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND &&
           error != ERROR_BAD_EXE_FORMAT;
}

}  // namespace

PROCESS_INFORMATION StartProcess(const std::wstring& program, const std::wstring& folder,
                                 const std::wstring& arguments) {
    for (int attempt = 1;; ++attempt) {
        std::wstring commandLine =
            L"\"" + program + L"\"" + (arguments.empty() ? L"" : L" ") + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION started{};
        if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           folder.empty() ? nullptr : folder.c_str(), &startup, &started)) {
            return started;
        }
        const DWORD error = GetLastError();
        const std::string reason = ToUtf8(program) + ": " + ToUtf8(SystemErrorText(error));
        if (attempt == kStartAttempts || !WorthRetrying(error)) {
            throw std::runtime_error("cannot start " + reason);
        }
        std::cerr << "retrying the start of " << reason << std::endl;
        Sleep(kRetryPauseMs);
    }
}

}  // namespace tarvane::testing
