#pragma once
// Drops files on a window of another process the way the shell does: a WM_DROPFILES whose drop
// handle, made in the receiving process, holds the wide paths and the drop point.
#include <windows.h>

#include <string>
#include <vector>

namespace tarvane::testing {

// Posts the drop to a window of the program and returns once it is in the window's queue; the
// window handles it in its own time. point is in the window's client area.
void PostFileDrop(const PROCESS_INFORMATION& program, HWND window, POINT point,
                  const std::vector<std::wstring>& paths);

}  // namespace tarvane::testing
