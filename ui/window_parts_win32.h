#pragma once
// What frmMain is made of, apart from its behaviour: its window style, its controls' classes, its
// menu bar and its font. The window builds itself from these, and so can any other program that
// must show the very same window.
#include <windows.h>

#include "ui/window_description.h"

namespace tarvane {

// The main window's class, by which other programs find it.
inline constexpr wchar_t kMainWindowClass[] = L"TarvaneMainWindow";
inline constexpr wchar_t kMainWindowCaption[] = L"CoH Tarvane converter by Zembrith";
// A fixed single border with the system menu and Close only: no sizing, no minimize or maximize.
inline constexpr DWORD kMainWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
inline constexpr DWORD kMainWindowExStyle = WS_EX_CONTROLPARENT;

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ControlClass ClassOf(ControlKind kind);

// The File, Tools and Help menus with their items.
HMENU CreateMenuBar();

// The platform's default dialog face at the dialog font's size, scaled to the DPI.
HFONT CreateDialogFont(int dpi);

}  // namespace tarvane
