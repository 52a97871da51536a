#pragma once
// Finding and reading the windows a user would see: top-level windows of one process (a program
// the test started) or one thread (a dialog the test opened itself), their classes and texts.
#include <windows.h>

#include <string>
#include <vector>

namespace tarvane::testing {

// A window that does not answer a sent message within this time counts as hung.
inline constexpr UINT kSendTimeoutMs = 5000;

// The class name every standard dialog and message box registers under.
inline constexpr wchar_t kDialogClass[] = L"#32770";

// Every top-level window of the process, visible or not, of the class (any class when null).
std::vector<HWND> TopLevelWindowsOf(DWORD processId, const wchar_t* className);

HWND FindVisibleThreadWindow(DWORD threadId, const wchar_t* className);

std::wstring ClassNameOf(HWND window);

// Asks the window itself (WM_GETTEXT), so that an edit box of another process tells what it
// holds now; throws when the window does not answer in time.
std::wstring WindowText(HWND window);

}  // namespace tarvane::testing
