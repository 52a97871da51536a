// Stands in for the game's Archive.exe in the Windows tests. Each start appends one record to
// "archive-calls.txt" beside this exe: the raw command line it was given and the arguments the
// usual Windows rules make of it, so a test can see exactly what the tool would have received.
// The record is UTF-8, one field a line:
//   call
//   cmdline=<raw command line>
//   argc=<n>
//   argv[i]=<argument i>       (n lines)
//   show=<wShowWindow>         (-1 when the starter gave no show state)
//   pid=<its process id>
//   end
// While a file "hold-open.txt" lies beside this exe, the tool stays running after it has logged
// its start (up to a minute, so that a failed test leaves nothing behind), as a real extraction
// that is still working would.
#include <windows.h>

#include <cstdio>
#include <string>

#include "support/utf8_win32.h"

namespace {

using tarvane::testing::ToUtf8;

constexpr DWORD kLongestHoldMs = 60000;

std::wstring FolderOfSelf() {
    std::wstring path(MAX_PATH, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), MAX_PATH);
    path.resize(length);
    path.erase(path.find_last_of(L'\\') + 1);
    return path;
}

void StayWhileHeldOpen(const std::wstring& holdFile) {
    const DWORD start = GetTickCount();
    while (GetFileAttributesW(holdFile.c_str()) != INVALID_FILE_ATTRIBUTES &&
           GetTickCount() - start < kLongestHoldMs) {
        Sleep(20);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::string record = "call\ncmdline=" + ToUtf8(GetCommandLineW()) + "\n";
    record += "argc=" + std::to_string(argc) + "\n";
    for (int i = 0; i < argc; ++i) {
        record += "argv[" + std::to_string(i) + "]=" + ToUtf8(argv[i]) + "\n";
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    record += "show=" + std::to_string(show) + "\n";
    record += "pid=" + std::to_string(GetCurrentProcessId()) + "\n";
    record += "end\n";

    const std::wstring folder = FolderOfSelf();
    FILE* log = _wfopen((folder + L"archive-calls.txt").c_str(), L"ab");
    if (log == nullptr) {
        return 2;
    }
    const bool written = std::fwrite(record.data(), 1, record.size(), log) == record.size();
    if (std::fclose(log) != 0 || !written) {
        return 3;
    }
    StayWhileHeldOpen(folder + L"hold-open.txt");
    return 0;
}
