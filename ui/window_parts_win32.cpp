#include "ui/window_parts_win32.h"

#include "ui/window_description.h"

namespace tarvane {
namespace {

constexpr int kDialogFontPoints = 8;

}  // namespace

ControlClass ClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Frame:
            return {L"BUTTON", BS_GROUPBOX, 0};
        case ControlKind::Label:
            return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
        case ControlKind::TextBox:
            return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::Button:
            break;
    }
    return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
}

HMENU CreateMenuBar() {
    HMENU bar = CreateMenu();
    for (const MenuSpec& menu : kMenuBar) {
        HMENU popup = CreatePopupMenu();
        for (int i = 0; i < menu.itemCount; ++i) {
            AppendMenuW(popup, MF_STRING, menu.items[i].id, menu.items[i].caption);
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), menu.caption);
    }
    return bar;
}

HFONT CreateDialogFont(int dpi) {
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    font.lfHeight = -MulDiv(kDialogFontPoints, dpi, 72);
    font.lfWidth = 0;
    return CreateFontIndirectW(&font);
}

}  // namespace tarvane
