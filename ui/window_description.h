#pragma once
// What frmMain consists of, as data: the identifiers of its controls and menu commands, its
// controls in tab order with their places in twips (1/1440 inch) for the default dialog font, and
// its menu bar. The window builds itself from this; the layout turns it into pixels and the
// commands route its identifiers to their actions.
#include <array>

namespace tarvane {

// Control and menu identifiers. They stay clear of IDOK and IDCANCEL, which the dialog manager
// sends for Enter and Esc and which the window ignores.
enum ControlId : int {
    kFrame1 = 100,
    kLabel1,
    kTxtSGAPath,
    kCmdSGABrowse,
    kLabel2,
    kTxtSGBOut,
    kCmdSGBBrowse,
    kCmdGo,
};

enum CommandId : int {
    kMnuFileExit = 200,
    kMnuToolsPath,
    kMnuHelpHow,
    kMnuHelpAbout,
};

enum class ControlKind { Frame, Label, TextBox, Button };

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Rect&) const = default;
};

struct ControlSpec {
    int id;
    ControlKind kind;
    const wchar_t* caption;
    Rect twips;
};

// In tab order; the frame comes first so that it lies beneath the controls it surrounds.
inline constexpr std::array<ControlSpec, 8> kControls{{
    {kFrame1, ControlKind::Frame, L"", {0, 0, 4455, 1215}},
    {kLabel1, ControlKind::Label, L"SGA In:", {240, 360, 555, 195}},
    {kTxtSGAPath, ControlKind::TextBox, L"", {840, 315, 3015, 285}},
    {kCmdSGABrowse, ControlKind::Button, L"...", {3960, 315, 375, 285}},
    {kLabel2, ControlKind::Label, L"SGB Out:", {120, 765, 675, 195}},
    {kTxtSGBOut, ControlKind::TextBox, L"", {840, 720, 3015, 285}},
    {kCmdSGBBrowse, ControlKind::Button, L"...", {3960, 720, 375, 285}},
    {kCmdGo, ControlKind::Button, L"Process", {1620, 1320, 1215, 375}},
}};

inline constexpr int kClientWidthTwips = 4455;
inline constexpr int kClientHeightTwips = 1800;

struct MenuItemSpec {
    int id;
    const wchar_t* caption;  // "&" marks the access key; "\t" leads the shortcut's text
};

struct MenuSpec {
    const wchar_t* caption;
    std::array<MenuItemSpec, 2> items;
    int itemCount;
};

inline constexpr std::array<MenuSpec, 3> kMenuBar{{
    {L"&File", {{{kMnuFileExit, L"E&xit"}}}, 1},
    {L"&Tools", {{{kMnuToolsPath, L"Set Archive.exe Path"}}}, 1},
    {L"&Help", {{{kMnuHelpHow, L"How do i use this?\tF1"}, {kMnuHelpAbout, L"About"}}}, 2},
}};

}  // namespace tarvane
