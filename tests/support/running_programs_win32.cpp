#include "support/running_programs_win32.h"

#include <windows.h>
#include <tlhelp32.h>

#include <stdexcept>
#include <vector>

#include "support/utf8_win32.h"
#include "support/window_driving_win32.h"

namespace tarvane::testing {
namespace {

struct RunningProgram {
    DWORD processId;
    std::wstring path;
};

bool SameText(const wchar_t* one, const wchar_t* other, std::size_t length) {
    return CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, one, static_cast<int>(length), other,
                          static_cast<int>(length)) == CSTR_EQUAL;
}

// A folder (with its trailing backslash) holds everything below it; a file only itself.
bool LiesAt(const std::wstring& path, const std::wstring& place) {
    if (!place.empty() && place.back() == L'\\') {
        return path.size() > place.size() && SameText(path.data(), place.data(), place.size());
    }
    return path.size() == place.size() && SameText(path.data(), place.data(), place.size());
}

// The program file of a process, by its image name: Toolhelp's look into its modules fails while
// it loads one (ERROR_BAD_LENGTH) and from 32 into 64 bits (ERROR_PARTIAL_COPY), though it runs.
std::wstring ProgramPath(DWORD processId) {
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) {
        return L"";  // ended meanwhile, or not ours to look into
    }
    // Looked up when needed: the tests are built for the oldest Windows, which lacks it.
    using ImageNameQuery = BOOL(WINAPI*)(HANDLE, DWORD, LPWSTR, PDWORD);
    const auto queryImageName = reinterpret_cast<ImageNameQuery>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "QueryFullProcessImageNameW")));
    wchar_t path[MAX_PATH + 1] = {};
    DWORD length = MAX_PATH;
    queryImageName(process, 0, path, &length);
    CloseHandle(process);
    return path;
}

std::vector<RunningProgram> RunningFrom(const std::wstring& place) {
    std::vector<RunningProgram> found;
    const HANDLE processes = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (processes == INVALID_HANDLE_VALUE) {
        FailDriving(L"cannot list the running programs");
    }
    PROCESSENTRY32W process{};
    process.dwSize = sizeof(process);
    for (BOOL more = Process32FirstW(processes, &process); more;
         more = Process32NextW(processes, &process)) {
        if (process.th32ProcessID == GetCurrentProcessId() || process.th32ProcessID == 0) {
            continue;
        }
        if (std::wstring path = ProgramPath(process.th32ProcessID); LiesAt(path, place)) {
            found.push_back({process.th32ProcessID, std::move(path)});
        }
    }
    CloseHandle(processes);
    return found;
}

// The programs running from place, as "path (process N)", one after another.
std::wstring ProgramsRunningFrom(const std::wstring& place) {
    std::wstring named;
    for (const RunningProgram& program : RunningFrom(place)) {
        named += (named.empty() ? L"" : L", ") + program.path + L" (process " +
                 std::to_wstring(program.processId) + L")";
    }
    return named;
}

}  // namespace

bool WaitUntilNothingRunsFrom(const std::wstring& place, unsigned timeoutMs) {
    const DWORD start = GetTickCount();
    // A program found may start another before it ends, so look again until a look finds none.
    for (std::vector<RunningProgram> running = RunningFrom(place); !running.empty();
         running = RunningFrom(place)) {
        for (const RunningProgram& program : running) {
            const DWORD spent = GetTickCount() - start;
            if (spent >= timeoutMs) {
                return false;
            }
            const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, program.processId);
            if (process != nullptr) {
                WaitForSingleObject(process, timeoutMs - spent);
                CloseHandle(process);
            } else {
                Sleep(20);  // cannot be waited on: look again after a pause, not at once
            }
        }
    }
    return true;
}

void RequireNothingRunsFrom(const std::wstring& place) {
    if (!WaitUntilNothingRunsFrom(place, kWaitMs)) {
        throw std::runtime_error(ToUtf8(place + L" cannot be made fresh: " +
                                        ProgramsRunningFrom(place) + L" still runs from it"));
    }
}

}  // namespace tarvane::testing
