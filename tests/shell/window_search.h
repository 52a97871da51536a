#pragma once
// Finding the windows a user would see: visible top-level windows of one class that belong to
// one process (a program the test started) or one thread (a dialog the test opened itself).
#include <windows.h>

#include <string>

namespace tarvane::testing {

HWND FindVisibleProcessWindow(DWORD processId, const wchar_t* className);
HWND FindVisibleThreadWindow(DWORD threadId, const wchar_t* className);

std::wstring WindowText(HWND window);

// The class name every standard dialog and message box registers under.
inline constexpr wchar_t kDialogClass[] = L"#32770";

}  // namespace tarvane::testing
