#include "ui/layout.h"

namespace tarvane {

int TwipsToPixels(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    const long long half = kTwipsPerInch / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch
                                        : (scaled - half) / kTwipsPerInch);
}

Rect ToPixels(const Rect& twips, int dpi) {
    const int left = TwipsToPixels(twips.left, dpi);
    const int top = TwipsToPixels(twips.top, dpi);
    // Edges are converted rather than sizes, so neighbours never overlap or drift apart by
    // rounding.
    return Rect{left, top, TwipsToPixels(twips.left + twips.width, dpi) - left,
                TwipsToPixels(twips.top + twips.height, dpi) - top};
}

Rect LabelPixels(const ControlSpec& label, int textWidth, int textHeight, int dpi) {
    const int right = TwipsToPixels(label.twips.left + label.twips.width, dpi);
    return Rect{right - textWidth, TwipsToPixels(label.twips.top, dpi), textWidth, textHeight};
}

Rect ClientPixels(int dpi) {
    return ToPixels(Rect{0, 0, kClientWidthTwips, kClientHeightTwips}, dpi);
}

}  // namespace tarvane
