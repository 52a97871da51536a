#pragma once
#include <windows.h>

namespace tarvane {

// A user32 function newer than the oldest Windows the program runs on, looked up at run time so
// that the program still starts there; null where the system has no such function.
template <typename Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace tarvane
