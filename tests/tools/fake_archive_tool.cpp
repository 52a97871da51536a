// Stands in for the game's Archive.exe in the Windows tests. Each start appends one record to
// "archive-calls.txt" beside this exe: the raw command line it was given and the arguments the
// usual Windows rules make of it, so a test can see exactly what the tool would have received.
// The record is UTF-8, one field a line:
//   call
//   cmdline=<raw command line>
//   argc=<n>
//   argv[i]=<argument i>       (n lines)
//   found[i]=<1 when argument i names an existing file or folder, else 0>   (n lines)
//   show=<wShowWindow>         (-1 when the starter gave no show state)
//   pid=<its process id>
//   end
// While a file "hold-open.txt" lies beside this exe, the tool stays running after it has logged
// its start (up to a minute, so that a failed test leaves nothing behind), as a real extraction
// that is still working would.
// Built with TARVANE_ANSI_TOOL, it is an ANSI program as the game's tool most likely is: it takes
// its arguments through the ANSI code page (main, not wmain) and looks for them with the ANSI
// functions; the record still holds them as Unicode.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/utf8_win32.h"

namespace {

using tarvane::testing::FromCodePage;
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

struct Argument {
    std::string utf8;
    bool found = false;
};

int Record(const std::wstring& commandLine, const std::vector<Argument>& arguments) {
    std::string record = "call\ncmdline=" + ToUtf8(commandLine) + "\n";
    record += "argc=" + std::to_string(arguments.size()) + "\n";
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        record += "argv[" + std::to_string(i) + "]=" + arguments[i].utf8 + "\n";
    }
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        record += "found[" + std::to_string(i) + "]=" + (arguments[i].found ? "1" : "0") + "\n";
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

}  // namespace

#ifdef TARVANE_ANSI_TOOL
int main(int argc, char** argv) {
    std::vector<Argument> arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.push_back({ToUtf8(FromCodePage(argv[i], CP_ACP)),
                             GetFileAttributesA(argv[i]) != INVALID_FILE_ATTRIBUTES});
    }
    return Record(FromCodePage(GetCommandLineA(), CP_ACP), arguments);
}
#else
int wmain(int argc, wchar_t** argv) {
    std::vector<Argument> arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.push_back(
            {ToUtf8(argv[i]), GetFileAttributesW(argv[i]) != INVALID_FILE_ATTRIBUTES});
    }
    return Record(GetCommandLineW(), arguments);
}
#endif
