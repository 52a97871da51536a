// A second copy of the program's settings code in a process of its own, for the tests of copies
// that share one settings file:
//   settings_store_tool store INI VALUE EVENT   says it is ready through the semaphore named
//                                               EVENT-ready, waits for the named event, then
//                                               stores VALUE
//   settings_store_tool first-start INI VALUE EVENT
//                                               reads the tool's location as a first start does,
//                                               then stores VALUE; before each profile write it
//                                               sets EVENT-writing and waits for EVENT-write
//   settings_store_tool in-use INI VALUE EVENT  stores VALUE, setting EVENT-waiting each time the
//                                               store pauses for a file in use
//   settings_store_tool expect INI VALUE        reads the tool's location afresh
// Exit code 0: stored, or read back exactly; 1: not; 2: wrong use.
#include <windows.h>

#include <cstring>
#include <string>

#include "base/scoped_win32.h"
#include "settings/settings_win32.h"

namespace {

constexpr DWORD kLongestWaitMs = 20000;

std::wstring eventName;
decltype(&WritePrivateProfileStringW) profileWrite = nullptr;
decltype(&Sleep) sleep = nullptr;

bool SetNamedEvent(const std::wstring& name) {
    const tarvane::ScopedKernelObject event(OpenEventW(EVENT_MODIFY_STATE, FALSE, name.c_str()));
    return event.valid() && SetEvent(event.get());
}

bool WaitForNamedEvent(const std::wstring& name) {
    const tarvane::ScopedKernelObject event(OpenEventW(SYNCHRONIZE, FALSE, name.c_str()));
    return event.valid() && WaitForSingleObject(event.get(), kLongestWaitMs) == WAIT_OBJECT_0;
}

BOOL WINAPI WriteInTurn(LPCWSTR section, LPCWSTR key, LPCWSTR value, LPCWSTR file) {
    if (!SetNamedEvent(eventName + L"-writing") || !WaitForNamedEvent(eventName + L"-write")) {
        ExitProcess(2);
    }
    return profileWrite(section, key, value, file);
}

void WINAPI SleepTelling(DWORD milliseconds) {
    SetNamedEvent(eventName + L"-waiting");
    sleep(milliseconds);
}

// Puts replacement in this exe's import slot of the named function and answers what was there:
// the settings code linked into this exe then calls it in its place.
template <typename Function>
Function ReplaceImport(const char* name, Function replacement) {
    auto* const base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto* const headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* dll =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         dll->Name != 0; ++dll) {
        auto* named = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
        auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
        for (; named->u1.AddressOfData != 0; ++named, ++slot) {
            const auto* byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + named->u1.AddressOfData);
            if (IMAGE_SNAP_BY_ORDINAL(named->u1.Ordinal) || std::strcmp(byName->Name, name) != 0) {
                continue;
            }
            DWORD protection = 0;
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE,
                           &protection);
            const auto previous = reinterpret_cast<Function>(slot->u1.Function);
            slot->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, protection, &protection);
            return previous;
        }
    }
    ExitProcess(2);
}

bool ReadyAndGo() {
    const tarvane::ScopedKernelObject ready(
        OpenSemaphoreW(SEMAPHORE_MODIFY_STATE, FALSE, (eventName + L"-ready").c_str()));
    return ready.valid() && ReleaseSemaphore(ready.get(), 1, nullptr) &&
           WaitForNamedEvent(eventName);
}

int Store(const std::wstring& ini, const std::wstring& value) {
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
    if (argc == 4 && mode == L"expect") {
        return Expect(argv[2], argv[3]);
    }
    if (argc != 5) {
        return 2;
    }
    eventName = argv[4];
    if (mode == L"store") {
        return ReadyAndGo() ? Store(argv[2], argv[3]) : 2;
    }
    if (mode == L"first-start") {
        if (Expect(argv[2], L"") != 0) {
            return 2;
        }
        profileWrite = ReplaceImport("WritePrivateProfileStringW", WriteInTurn);
        return Store(argv[2], argv[3]);
    }
    if (mode == L"in-use") {
        sleep = ReplaceImport("Sleep", SleepTelling);
        return Store(argv[2], argv[3]);
    }
    return 2;
}
