// The reference baseline: a bare Win32 program that opens one empty window of Tarvane's outer
// size and style, built with the same flags as Tarvane.exe but without its manifest, so that it
// loads neither visual styles nor the shell. It ends when its window is closed.
#include <windows.h>

#include "window_program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    const WNDCLASSEXW windowClass = bench::WindowClass(instance, L"TarvaneBareWindow");
    if (RegisterClassExW(&windowClass) == 0) {
        return 1;
    }
    // Tarvane's outer size at 96 DPI.
    const HWND window = CreateWindowExW(
        0, windowClass.lpszClassName, L"Bare window", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
        CW_USEDEFAULT, CW_USEDEFAULT, 303, 166, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    bench::Show(window, showCommand);
    return bench::RunMessages();
}
