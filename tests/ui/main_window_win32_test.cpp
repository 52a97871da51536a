// The main window as a user meets it: its look, its controls, the keyboard, and closing it.
#include <catch2/catch.hpp>

#include <array>
#include <functional>
#include <string>

#include "support/win32_files.h"
#include "ui/window_description.h"
#include "ui/ui_driver.h"

namespace tarvane::testing {
namespace {

struct ExpectedControl {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    RECT pixels;  // left, top, right, bottom in the client area at 96 DPI
};

// The window as measured in its design, at 96 DPI. Labels size themselves to their text, so only
// their right edge and top are fixed: they are checked apart.
const std::array<ExpectedControl, 6> kFixedControls{{
    {kFrame1, L"Button", L"", {0, 0, 297, 81}},
    {kTxtSGAPath, L"Edit", L"", {56, 21, 257, 40}},
    {kCmdSGABrowse, L"Button", L"...", {264, 21, 289, 40}},
    {kTxtSGBOut, L"Edit", L"", {56, 48, 257, 67}},
    {kCmdSGBBrowse, L"Button", L"...", {264, 48, 289, 67}},
    {kCmdGo, L"Button", L"Process", {108, 88, 189, 113}},
}};

struct ExpectedLabel {
    int id;
    const wchar_t* text;
    int right;
    int top;
    int textBoxId;
};

const std::array<ExpectedLabel, 2> kLabels{{
    {kLabel1, L"SGA In:", 53, 24, kTxtSGAPath},
    {kLabel2, L"SGB Out:", 53, 51, kTxtSGBOut},
}};

// The controls that take the focus, in tab order.
const std::array<int, 5> kTabOrder{kTxtSGAPath, kCmdSGABrowse, kTxtSGBOut, kCmdSGBBrowse, kCmdGo};

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace

TEST_CASE("The main window has its caption, fixed border and client area", "[ui][window]") {
    REQUIRE(ScreenDpi() == 96);
    StartedProgram started;

    CHECK(WindowText(started.window) == L"CoH Tarvane converter by Zembrith");
    const LONG_PTR style = GetWindowLongPtrW(started.window, GWL_STYLE);
    CHECK((style & WS_CAPTION) == WS_CAPTION);
    CHECK((style & WS_SYSMENU) != 0);
    CHECK((style & WS_MINIMIZEBOX) == 0);
    CHECK((style & WS_MAXIMIZEBOX) == 0);
    CHECK((style & WS_THICKFRAME) == 0);

    RECT client{};
    GetClientRect(started.window, &client);
    CHECK(client.right == 297);
    CHECK(client.bottom == 120);

    // Where a sizing border would be, the window reports a plain border that cannot be dragged.
    RECT outer{};
    GetWindowRect(started.window, &outer);
    const std::array<POINT, 3> edges{{{outer.right - 1, outer.bottom - 1},
                                      {outer.left, (outer.top + outer.bottom) / 2},
                                      {(outer.left + outer.right) / 2, outer.bottom - 1}}};
    for (const POINT& edge : edges) {
        CAPTURE(edge.x, edge.y);
        const LRESULT hit =
            SendMessageW(started.window, WM_NCHITTEST, 0, MAKELPARAM(edge.x, edge.y));
        CHECK((hit < HTSIZEFIRST || hit > HTSIZELAST));
    }
}

TEST_CASE("Every control of the main window is where the design puts it", "[ui][window]") {
    REQUIRE(ScreenDpi() == 96);
    StartedProgram started;

    for (const ExpectedControl& expected : kFixedControls) {
        CAPTURE(expected.id);
        HWND control = started.Control(expected.id);
        REQUIRE(control != nullptr);
        CHECK(IsWindowVisible(control));
        CHECK(IsWindowEnabled(control));
        CHECK(ClassNameOf(control) == expected.className);
        CHECK(WindowText(control) == expected.text);
        const RECT place = RectInParent(control);
        CHECK(place.left == expected.pixels.left);
        CHECK(place.top == expected.pixels.top);
        CHECK(place.right == expected.pixels.right);
        CHECK(place.bottom == expected.pixels.bottom);
    }

    for (const ExpectedLabel& expected : kLabels) {
        CAPTURE(expected.id);
        HWND label = started.Control(expected.id);
        REQUIRE(label != nullptr);
        CHECK(ClassNameOf(label) == L"Static");
        CHECK(WindowText(label) == expected.text);
        const RECT place = RectInParent(label);
        CHECK(place.right == expected.right);
        CHECK(place.top == expected.top);
        // Sized to its text: it starts inside the frame and stays left of its own text box.
        CHECK(place.left > 0);
        CHECK(place.right < RectInParent(started.Control(expected.textBoxId)).left);
        CHECK(place.bottom > place.top);
    }
}

namespace {

void CheckScaledLayout(const StartedProgram& started, int scale) {
    RECT client{};
    GetClientRect(started.window, &client);
    CHECK(client.right == 297 * scale);
    CHECK(client.bottom == 120 * scale);
    for (const ExpectedControl& expected : kFixedControls) {
        CAPTURE(expected.id);
        const RECT place = RectInParent(started.Control(expected.id));
        CHECK(place.left == expected.pixels.left * scale);
        CHECK(place.top == expected.pixels.top * scale);
        CHECK(place.right == expected.pixels.right * scale);
        CHECK(place.bottom == expected.pixels.bottom * scale);
    }
    for (const ExpectedLabel& expected : kLabels) {
        CAPTURE(expected.id);
        const RECT place = RectInParent(started.Control(expected.id));
        CHECK(place.right == expected.right * scale);
        CHECK(place.top == expected.top * scale);
    }
}

}  // namespace

TEST_CASE("At 192 DPI the window and every control are twice their size at 96 DPI",
          "[ui][window][dpi]") {
    const ScreenDpiSetting dpi(192);
    SeeRealPixels();
    const StartedProgram started;
    CheckScaledLayout(started, 2);
}

TEST_CASE("The window follows a change of DPI, there and back", "[ui][window][dpi]") {
    SeeRealPixels();
    const StartedProgram started;
    SendDpiChange(started.window, 192);
    CheckScaledLayout(started, 2);
    SendDpiChange(started.window, 96);
    CheckScaledLayout(started, 1);
}

TEST_CASE("The focus starts in the archive box and Tab runs through the controls both ways",
          "[ui][window][keyboard]") {
    StartedProgram started;
    REQUIRE(WaitUntil([&] { return started.program.Focus() == started.Control(kTxtSGAPath); }));
    started.program.BringToFront(started.window);

    for (std::size_t step = 1; step <= kTabOrder.size(); ++step) {
        CAPTURE(step);
        PressKey(VK_TAB);
        HWND expected = started.Control(kTabOrder[step % kTabOrder.size()]);
        CHECK(WaitUntil([&] { return started.program.Focus() == expected; }));
    }
    for (std::size_t step = 1; step <= kTabOrder.size(); ++step) {
        CAPTURE(step);
        PressKey(VK_TAB, {VK_SHIFT});
        HWND expected = started.Control(kTabOrder[(kTabOrder.size() - step) % kTabOrder.size()]);
        CHECK(WaitUntil([&] { return started.program.Focus() == expected; }));
    }
}

TEST_CASE("Enter and Esc in the text boxes start and close nothing", "[ui][window][keyboard]") {
    const ScratchFolder scratch(L"ui enter esc");
    const std::wstring& toolFolder = scratch.Path();
    InstallFakeTool(toolFolder, L"Archive.exe");
    StartedProgram started(toolFolder + L"Archive.exe");
    started.FillBoxes(L"C:\\in.sga", L"C:\\out");
    started.program.BringToFront(started.window);

    for (int box : {kTxtSGAPath, kTxtSGBOut}) {
        CAPTURE(box);
        started.program.TabTo(started.Control(box));
        for (WORD key : {WORD{VK_RETURN}, WORD{VK_ESCAPE}}) {
            CAPTURE(key);
            PressKey(key);
            CHECK(started.program.NoDialogAppears());
            CHECK(IsWindowVisible(started.window));
            CHECK(started.program.Focus() == started.Control(box));
        }
    }
    CHECK(ReadToolCalls(toolFolder).empty());
    CHECK(WindowText(started.Control(kTxtSGAPath)) == L"C:\\in.sga");
    CHECK(WindowText(started.Control(kTxtSGBOut)) == L"C:\\out");
}

TEST_CASE("The Close button and Alt+F4 end the program without a question", "[ui][window]") {
    struct WayToClose {
        const char* name;
        std::function<void(const StartedProgram&)> close;
    };
    const std::array<WayToClose, 2> ways{{
        {"Close button",
         [](const StartedProgram& started) {
             PostMessageW(started.window, WM_SYSCOMMAND, SC_CLOSE, 0);
         }},
        {"Alt+F4",
         [](const StartedProgram& started) {
             started.program.BringToFront(started.window);
             PressKey(VK_F4, {VK_MENU});
         }},
    }};
    for (const WayToClose& way : ways) {
        CAPTURE(way.name);
        StartedProgram started;
        way.close(started);
        CHECK(started.program.WaitForExit());
    }
}

}  // namespace tarvane::testing
