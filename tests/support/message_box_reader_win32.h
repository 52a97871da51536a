#pragma once
// Reads a message box of another program as it is on screen: title, text, buttons and icon.
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

namespace tarvane::testing {

enum class BoxIcon { None, Error, Question, Warning, Information, Unrecognised };
// For test failure messages.
std::ostream& operator<<(std::ostream& out, BoxIcon icon);

// What a message box shows. Button captions are without their access-key markers, left to right.
// The buttons of a box that only informs.
inline const std::vector<std::wstring> kOkOnly{L"OK"};

struct MessageBoxSeen {
    HWND handle = nullptr;
    std::wstring title;
    std::wstring text;
    std::vector<std::wstring> buttons;
    BoxIcon icon = BoxIcon::Unrecognised;
};

// The icon is recognised by its pixels: the system's icons drawn here are compared with the screen.
MessageBoxSeen ReadMessageBox(HWND box);

}  // namespace tarvane::testing
