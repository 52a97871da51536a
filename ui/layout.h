#pragma once
// The main window's layout, measured in twips (1/1440 inch) for the default dialog font, and its
// conversion to pixels at the window's DPI.
#include <array>

namespace tarvane {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kBaseDpi = 96;

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

// Rounded to the nearest pixel, so that 15 twips are exactly one pixel at 96 DPI.
int TwipsToPixels(int twips, int dpi);
Rect ToPixels(const Rect& twips, int dpi);

// A label sizes itself to its caption (textWidth by textHeight pixels) and keeps its right edge
// where the layout puts it, so that it stays left of its text box on the same row whatever the
// font's width; its top stays where the layout centres it against the box.
Rect LabelPixels(const ControlSpec& label, int textWidth, int textHeight, int dpi);

// The client area in pixels at this DPI.
Rect ClientPixels(int dpi);

}  // namespace tarvane
