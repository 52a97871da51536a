#pragma once
#include <windows.h>

namespace tarvane {

// The window's DPI where the system knows it per window (Windows 10), else the screen's.
int WindowDpi(HWND window);

// The window rectangle for a client area of this size, menu bar included, at this DPI.
RECT WindowRectForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi);

}  // namespace tarvane
