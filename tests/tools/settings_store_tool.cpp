// A second copy of the program's settings code in a process of its own, for the tests of copies
// that share one settings file:
//   settings_store_tool store INI VALUE EVENT   says it is ready through the semaphore named
//                                               EVENT-ready, waits for the named event, then
//                                               stores VALUE
//   settings_store_tool expect INI VALUE        reads the tool's location afresh
// Exit code 0: stored, or read back exactly; 1: not; 2: wrong use.
#include <windows.h>

#include <string>

#include "settings/settings_win32.h"

namespace {

constexpr DWORD kLongestWaitMs = 20000;

int Store(const std::wstring& ini, const std::wstring& value, const std::wstring& eventName) {
    HANDLE go = OpenEventW(SYNCHRONIZE, FALSE, eventName.c_str());
    HANDLE ready = OpenSemaphoreW(SEMAPHORE_MODIFY_STATE, FALSE, (eventName + L"-ready").c_str());
    const bool told = ready != nullptr && ReleaseSemaphore(ready, 1, nullptr);
    if (ready != nullptr) {
        CloseHandle(ready);
    }
    if (go == nullptr || !told) {
        if (go != nullptr) {
            CloseHandle(go);
        }
        return 2;
    }
    const DWORD waited = WaitForSingleObject(go, kLongestWaitMs);
    CloseHandle(go);
    if (waited != WAIT_OBJECT_0) {
        return 2;
    }
    tarvane::Win32SettingsFile file(ini);
    return tarvane::WriteIniValue(file, tarvane::kPathsSection, tarvane::kArchiveKey, value).ok()
               ? 0
               : 1;
}

int Expect(const std::wstring& ini, const std::wstring& value) {
    tarvane::Win32SettingsFile file(ini);
    return tarvane::ReadIniValue(file, tarvane::kPathsSection, tarvane::kArchiveKey) == value ? 0
                                                                                              : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"store" && argc == 5) {
        return Store(argv[2], argv[3], argv[4]);
    }
    if (mode == L"expect" && argc == 4) {
        return Expect(argv[2], argv[3]);
    }
    return 2;
}
