// A second copy of the program's settings code in a process of its own, for the tests of copies
// that share one settings file:
//   settings_store_tool store INI VALUE EVENT   says it is ready through the semaphore named
//                                               EVENT-ready, waits for the named event, then
//                                               stores VALUE
//   settings_store_tool first-start INI VALUE EVENT
//                                               reads the tool's location as a first start does,
//                                               then stores VALUE; sets EVENT-writing before each
//                                               profile write and waits for EVENT-write, and sets
//                                               EVENT-waiting at each realSleep for a file in use
//   settings_store_tool expect INI VALUE        reads the tool's location afresh
// Exit code 0: stored, or read back exactly; 1: not; 2: wrong use.
#include <windows.h>

#include <cstring>
#include <string>

#include "settings/settings_win32.h"

namespace {

constexpr DWORD kLongestWaitMs = 20000;

std::wstring eventPrefix;
decltype(&WritePrivateProfileStringW) realProfileWrite = nullptr;
decltype(&Sleep) realSleep = nullptr;

HANDLE OpenNamedEvent(const wchar_t* suffix, DWORD access) {
    return OpenEventW(access, FALSE, (eventPrefix + suffix).c_str());
}

BOOL WINAPI WriteInTurn(LPCWSTR section, LPCWSTR key, LPCWSTR value, LPCWSTR file) {
    SetEvent(tarvane::ScopedKernelObject(OpenNamedEvent(L"-writing", EVENT_MODIFY_STATE)).get());
    const tarvane::ScopedKernelObject write(OpenNamedEvent(L"-write", SYNCHRONIZE));
    if (WaitForSingleObject(write.get(), kLongestWaitMs) != WAIT_OBJECT_0) {
        ExitProcess(2);
    }
    return realProfileWrite(section, key, value, file);
}

void WINAPI PauseTelling(DWORD milliseconds) {
    SetEvent(tarvane::ScopedKernelObject(OpenNamedEvent(L"-waiting", EVENT_MODIFY_STATE)).get());
    realSleep(milliseconds);
}

// Puts replacement in this exe's import slot of the named function, through which the settings
// code linked in here calls it, and answers what was there.
template <typename Function>
Function ReplaceImport(const char* name, Function replacement) {
    auto* const base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto& headers = *reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    auto* dll = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(
        base + headers.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
    for (; dll->Name != 0; ++dll) {
        auto* named = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
        auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
        for (; named->u1.AddressOfData != 0; ++named, ++slot) {
            const auto* byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + named->u1.AddressOfData);
            DWORD protection = 0;
            if (!IMAGE_SNAP_BY_ORDINAL(named->u1.Ordinal) && std::strcmp(byName->Name, name) == 0 &&
                VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection)) {
                const auto previous = reinterpret_cast<Function>(slot->u1.Function);
                slot->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
                return previous;
            }
        }
    }
    ExitProcess(2);
}

int StoreValue(const std::wstring& ini, const std::wstring& value) {
    tarvane::Win32SettingsFile file(ini);
    return tarvane::WriteIniValue(file, tarvane::kPathsSection, tarvane::kArchiveKey, value).ok()
               ? 0
               : 1;
}

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
    return StoreValue(ini, value);
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
    if (mode == L"first-start" && argc == 5) {
        eventPrefix = argv[4];
        Expect(argv[2], L"");  // whatever it finds, the profile functions now remember the file
        realProfileWrite = ReplaceImport("WritePrivateProfileStringW", WriteInTurn);
        realSleep = ReplaceImport("Sleep", PauseTelling);
        return StoreValue(argv[2], argv[3]);
    }
    if (mode == L"expect" && argc == 4) {
        return Expect(argv[2], argv[3]);
    }
    return 2;
}
