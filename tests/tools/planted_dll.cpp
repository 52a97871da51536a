// A DLL planted beside a program under the name of a system DLL, as a hostile download would be:
// when anything loads it, it leaves "<its own path>.loaded" beside itself and refuses to load, so
// that a test sees whether a program ever took it instead of the system's own.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) {
        return TRUE;
    }
    wchar_t marker[MAX_PATH + 8] = {};
    const DWORD length = GetModuleFileNameW(self, marker, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        lstrcatW(marker, L".loaded");
        const HANDLE file = CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
        }
    }
    return FALSE;
}
