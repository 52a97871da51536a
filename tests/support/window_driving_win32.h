#pragma once
// Reading and working windows as a user would, those of another program or a dialog the test opened
// itself: their texts and places, their buttons, dialogs and keyboard. Every wait has a timeout; a
// driving step that cannot be done throws, which fails the test case with the reason.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "support/window_search_win32.h"

namespace tarvane::testing {

inline constexpr unsigned kWaitMs = 10000;
// How long a test watches for something that must not happen after an input.
inline constexpr unsigned kSettleMs = 600;

// Ends the current driving step with this reason.
[[noreturn]] void FailDriving(const std::wstring& reason);

// Polls until the condition holds; false when timeoutMs ran out first.
bool WaitUntil(const std::function<bool()>& condition, unsigned timeoutMs = kWaitMs);

// Where a child window lies in its parent's client area, in pixels.
RECT RectInParent(HWND child);
// Every window inside parent, at any depth.
std::vector<HWND> ChildWindows(HWND parent);
// A caption as it reads on screen: "&Yes" is "Yes".
std::wstring WithoutAccessKeys(std::wstring caption);
// Class, caption and visibility of each window, for failure messages.
std::wstring DescribeWindows(const std::vector<HWND>& windows);
// One window by what identifies it whatever it holds: its class, its control id when it is a
// child, its caption when it is not, and its process; "no window" for null.
std::wstring DescribeControl(HWND window);

// The texts of the dialog's child windows of one class, in window order.
std::vector<std::wstring> ChildTexts(HWND dialog, const wchar_t* className);
// The items of a combo box.
std::vector<std::wstring> ComboItems(HWND combo);
// True when a visible control of the dialog shows exactly this text.
bool DialogShowsText(HWND dialog, const std::wstring& text);
// The visible push button of a dialog whose caption, without access-key markers, is this.
HWND DialogButton(HWND dialog, const std::wstring& caption);

// The file name box of the file-open dialog: an edit box of its own, or the edit box inside a
// combo box (a ComboBoxEx under Wine), depending on the dialog's template.
HWND FileNameBox(HWND fileDialog);
// The file type that a file-open dialog offers, as its file type box shows it.
std::wstring FileTypeShown(HWND fileDialog);
// The folder that a file-open dialog shows.
std::wstring FileDialogFolder(HWND fileDialog);

// Waits until the dialog is gone and what its answer set off in the program has run, so that a
// test can look at the outcome at once. Answer, ChooseFile and CancelDialog end with this wait.
void WaitUntilGone(HWND dialog);

// True when the dialog is modal to the window: owned by it, with the window disabled meanwhile.
bool IsModalTo(HWND dialog, HWND window);

// Presses the button of a dialog or message box with this caption.
void Answer(HWND dialog, const std::wstring& button);
// The file-open dialog: types the path into its file name box and confirms it, as a user would.
void ChooseFile(HWND fileDialog, const std::wstring& path);
// Cancels a dialog.
void CancelDialog(HWND dialog);

// Presses a button the way a click does, without waiting for what the click starts. A disabled
// button ignores it, as it ignores the mouse.
void Click(HWND button);
// Sends a command to a window, as choosing a menu item, an accelerator or a dialog's Enter and Esc
// keys do (IDOK, IDCANCEL), whether or not a button of that id is there and enabled.
void PostCommand(HWND window, int commandId);
// Replaces the text of an edit control.
void SetText(HWND control, const std::wstring& text);

// Tells a window that it moved to a screen of this DPI, as Windows does when the user drags it to
// another monitor, and waits until the window has handled it.
void SendDpiChange(HWND window, int dpi);

// Keyboard input to the foreground window: the modifiers are held while key is pressed.
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});
// Types text into the foreground window as characters, one key press each.
void TypeText(const std::wstring& text);

// Makes this thread see other programs' windows in their real pixels, whatever DPI they run at:
// Windows 10 scales their coordinates down to 96 DPI for a program that is not DPI-aware (Wine
// does not, but the driver must not depend on that).
void SeeRealPixels();

}  // namespace tarvane::testing
