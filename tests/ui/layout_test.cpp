// The main window's layout: twips to pixels, and a control table that holds together at any DPI.
#include <catch2/catch.hpp>

#include <algorithm>
#include <cstdlib>

#include "support/fakes.h"
#include "ui/layout.h"

namespace tarvane {

std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}

namespace {

constexpr int kDpis[] = {96, 120, 144, 168, 192, 240, 288};

const ControlSpec& Control(int id) {
    const auto found = std::find_if(kControls.begin(), kControls.end(),
                                    [id](const ControlSpec& control) { return control.id == id; });
    REQUIRE(found != kControls.end());
    return *found;
}

int Right(const Rect& r) { return r.left + r.width; }
int Bottom(const Rect& r) { return r.top + r.height; }
bool Overlap(const Rect& a, const Rect& b) {
    return a.left < Right(b) && b.left < Right(a) && a.top < Bottom(b) && b.top < Bottom(a);
}
bool Inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && Right(inner) <= Right(outer) &&
           Bottom(inner) <= Bottom(outer);
}

TEST_CASE("Twips become pixels rounded to the nearest, halves away from zero") {
    struct Case {
        int twips;
        int dpi;
        int pixels;
    };
    const Case cases[] = {
        {0, 96, 0},      {15, 96, 1},      {7, 96, 0},       {8, 96, 1},       {4455, 96, 297},
        {1800, 96, 120}, {-7, 96, 0},      {-8, 96, -1},     {6, 120, 1},      {5, 120, 0},
        {285, 120, 24},  {1215, 120, 101}, {4455, 120, 371}, {1800, 120, 150}, {4, 144, 0},
        {5, 144, 1},     {315, 144, 32},   {1215, 144, 122}, {4455, 144, 446}, {1, 192, 0},
        {4, 192, 1},     {285, 192, 38},   {4455, 192, 594}, {3855, 168, 450}, {840, 168, 98},
    };
    for (const Case& c : cases) {
        CAPTURE(c.twips, c.dpi);
        CHECK(TwipsToPixels(c.twips, c.dpi) == c.pixels);
    }
}

TEST_CASE("At 96 DPI every control lands on its designed pixels") {
    struct Case {
        int id;
        Rect pixels;
    };
    const Case cases[] = {
        {kFrame1, {0, 0, 297, 81}},         {kLabel1, {16, 24, 37, 13}},
        {kTxtSGAPath, {56, 21, 201, 19}},   {kCmdSGABrowse, {264, 21, 25, 19}},
        {kLabel2, {8, 51, 45, 13}},         {kTxtSGBOut, {56, 48, 201, 19}},
        {kCmdSGBBrowse, {264, 48, 25, 19}}, {kCmdGo, {108, 88, 81, 25}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.id);
        CHECK(ToPixels(Control(c.id).twips, 96) == c.pixels);
    }
    CHECK(ClientPixels(96) == Rect{0, 0, 297, 120});
}

TEST_CASE("The client area scales with the DPI") {
    CHECK(ClientPixels(120) == Rect{0, 0, 371, 150});
    CHECK(ClientPixels(144) == Rect{0, 0, 446, 180});
    CHECK(ClientPixels(192) == Rect{0, 0, 594, 240});
}

TEST_CASE("At any DPI the controls neither overlap nor leave the window") {
    for (const int dpi : kDpis) {
        CAPTURE(dpi);
        const Rect client = ClientPixels(dpi);
        const Rect frame = ToPixels(Control(kFrame1).twips, dpi);
        CHECK(frame.left == 0);
        CHECK(frame.top == 0);
        CHECK(frame.width == client.width);
        for (const ControlSpec& control : kControls) {
            CAPTURE(control.id);
            const Rect pixels = ToPixels(control.twips, dpi);
            CHECK(pixels.width > 0);
            CHECK(pixels.height > 0);
            CHECK(Inside(pixels, client));
            if (control.id != kFrame1 && control.id != kCmdGo) {
                CHECK(Inside(pixels, frame));
            }
            for (const ControlSpec& other : kControls) {
                if (other.id != control.id && other.id != kFrame1 && control.id != kFrame1) {
                    CHECK_FALSE(Overlap(pixels, ToPixels(other.twips, dpi)));
                }
            }
        }
    }
}

TEST_CASE("At any DPI Process stays below the frame, centred across the window") {
    for (const int dpi : kDpis) {
        CAPTURE(dpi);
        const Rect client = ClientPixels(dpi);
        const Rect go = ToPixels(Control(kCmdGo).twips, dpi);
        CHECK(go.top > Bottom(ToPixels(Control(kFrame1).twips, dpi)));
        CHECK(Bottom(go) < Bottom(client));
        CHECK(std::abs(go.left - (client.width - Right(go))) <= 1);
    }
}

TEST_CASE("At any DPI each row's box and button line up, with the button to the right") {
    const std::pair<int, int> rows[] = {{kTxtSGAPath, kCmdSGABrowse}, {kTxtSGBOut, kCmdSGBBrowse}};
    for (const int dpi : kDpis) {
        for (const auto& [box, button] : rows) {
            CAPTURE(dpi, box);
            const Rect boxPixels = ToPixels(Control(box).twips, dpi);
            const Rect buttonPixels = ToPixels(Control(button).twips, dpi);
            CHECK(boxPixels.top == buttonPixels.top);
            CHECK(boxPixels.height == buttonPixels.height);
            CHECK(Right(boxPixels) < buttonPixels.left);
        }
    }
}

TEST_CASE("A label of any measured width ends left of its box, on the box's row") {
    const std::pair<int, int> rows[] = {{kLabel1, kTxtSGAPath}, {kLabel2, kTxtSGBOut}};
    for (const int dpi : kDpis) {
        for (const auto& [label, box] : rows) {
            const Rect boxPixels = ToPixels(Control(box).twips, dpi);
            // Captions measured narrower and wider than at design time, as other fonts give them.
            for (const int textWidth : {20 * dpi / 96, 37 * dpi / 96, 52 * dpi / 96}) {
                CAPTURE(dpi, label, textWidth);
                const int textHeight = 13 * dpi / 96;
                const Rect pixels = LabelPixels(Control(label), textWidth, textHeight, dpi);
                CHECK(pixels.width == textWidth);
                CHECK(pixels.height == textHeight);
                CHECK(Right(pixels) < boxPixels.left);
                CHECK(pixels.top > boxPixels.top);
                CHECK(Bottom(pixels) < Bottom(boxPixels));
                CHECK(Right(pixels) == Right(ToPixels(Control(label).twips, dpi)));
            }
        }
    }
}

}  // namespace
}  // namespace tarvane
