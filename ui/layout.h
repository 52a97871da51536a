#pragma once
// The main window's layout, designed in twips for the default dialog font, converted to pixels at
// the window's DPI.
#include "ui/window_description.h"

namespace tarvane {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kBaseDpi = 96;

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
