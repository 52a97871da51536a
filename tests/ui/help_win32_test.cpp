// Help, About and Exit as a user reaches them: F1, the Help menu by mouse and keyboard, and the
// ways out (File > Exit by mouse and keyboard, the Close button), which end only this program and
// never an extraction it started.
#include <catch2/catch.hpp>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "support/win32_files.h"
#include "ui/help.h"
#include "ui/window_description.h"
#include "ui/ui_driver.h"

namespace tarvane::testing {
namespace {

// The texts are checked word for word by the portable tests; here the window must show them.
const std::wstring kUsageText = UsageMessage().text;
const std::wstring kAboutText = AboutMessage().text;

}  // namespace

TEST_CASE("F1 shows the usage text from anywhere in the window", "[ui][help][keyboard]") {
    StartedProgram started;
    started.program.BringToFront(started.window);

    for (int place : {kTxtSGAPath, kTxtSGBOut, kCmdGo}) {
        CAPTURE(place);
        started.program.TabTo(started.Control(place));
        PressKey(VK_F1);
        const MessageBoxSeen box = started.program.WaitForMessageBox(L"Help");
        CHECK(box.text == kUsageText);
        CHECK(box.buttons == kOkOnly);
        CHECK(box.icon == BoxIcon::Information);
        Answer(box.handle, L"OK");
        // The focus comes back where it was.
        started.program.WaitForFocus(started.Control(place));
    }
}

TEST_CASE("The Help menu shows the usage text and the About box, by mouse and by keyboard",
          "[ui][help]") {
    struct Choice {
        const char* name;
        std::function<void(const StartedProgram&)> choose;
        const wchar_t* title;
        const wchar_t* text;
    };
    const std::array<Choice, 4> choices{{
        {"Help > How do i use this?",
         [](const StartedProgram& started) { PostCommand(started.window, kMnuHelpHow); }, L"Help",
         kUsageText.c_str()},
        {"Alt+H, Enter",
         [](const StartedProgram& started) {
             started.program.BringToFront(started.window);
             PressKey('H', {VK_MENU});
             PressKey(VK_RETURN);
         },
         L"Help", kUsageText.c_str()},
        {"Help > About",
         [](const StartedProgram& started) { PostCommand(started.window, kMnuHelpAbout); },
         L"About", kAboutText.c_str()},
        {"Alt+H, Down, Enter",
         [](const StartedProgram& started) {
             started.program.BringToFront(started.window);
             PressKey('H', {VK_MENU});
             PressKey(VK_DOWN);
             PressKey(VK_RETURN);
         },
         L"About", kAboutText.c_str()},
    }};

    StartedProgram started;
    for (const Choice& choice : choices) {
        CAPTURE(choice.name);
        choice.choose(started);
        const MessageBoxSeen box = started.program.WaitForMessageBox(choice.title);
        CHECK(box.text == choice.text);
        CHECK(box.buttons == kOkOnly);
        CHECK(box.icon == BoxIcon::Information);
        CHECK(IsModalTo(box.handle, started.window));
        Answer(box.handle, L"OK");
        CHECK(IsWindowEnabled(started.window));
        CHECK(started.program.Running());
        CHECK(IsWindowVisible(started.window));
    }
}

TEST_CASE("File > Exit ends the program at once, by mouse and by Alt+F then X", "[ui][help]") {
    struct WayOut {
        const char* name;
        std::function<void(const StartedProgram&)> exit;
    };
    const std::array<WayOut, 2> ways{{
        {"File > Exit",
         [](const StartedProgram& started) { PostCommand(started.window, kMnuFileExit); }},
        {"Alt+F, X",
         [](const StartedProgram& started) {
             started.program.BringToFront(started.window);
             PressKey('F', {VK_MENU});
             PressKey('X');
         }},
    }};
    for (const WayOut& way : ways) {
        CAPTURE(way.name);
        StartedProgram started;
        way.exit(started);
        CHECK(started.program.WaitForExit());
    }
}

TEST_CASE("File > Exit and the Close button leave an extraction that is still running alone",
          "[ui][help]") {
    struct WayOut {
        const char* name;
        UINT message;
        WPARAM wParam;
    };
    const std::array<WayOut, 2> ways{{
        {"File > Exit", WM_COMMAND, MAKEWPARAM(kMnuFileExit, 0)},
        {"the Close button", WM_SYSCOMMAND, SC_CLOSE},
    }};
    const ScratchFolder scratch(L"ui exit while extracting");
    const std::wstring& toolFolder = scratch.Path();
    InstallFakeTool(toolFolder, L"Archive.exe");
    for (const WayOut& way : ways) {
        CAPTURE(way.name);
        HANDLE tool = nullptr;
        {
            const FakeToolHeldOpen stillWorking(toolFolder);
            const StartedProgram started(toolFolder + L"Archive.exe");
            started.FillBoxes(L"C:\\in.sga", L"C:\\out");
            const std::size_t callsBefore = ReadToolCalls(toolFolder).size();
            Click(started.Control(kCmdGo));
            const std::vector<ToolCall> calls = WaitForToolCalls(toolFolder, callsBefore + 1);
            REQUIRE(calls.size() == callsBefore + 1);
            tool = OpenProcess(SYNCHRONIZE, FALSE, calls.back().processId);
            REQUIRE(tool != nullptr);

            PostMessageW(started.window, way.message, way.wParam, 0);
            CHECK(started.program.WaitForExit());
            // Given time to end with it, the extraction is still running.
            CHECK(WaitForSingleObject(tool, 500) == WAIT_TIMEOUT);
        }
        // Its work done, the tool ends by itself.
        CHECK(WaitForSingleObject(tool, 10000) == WAIT_OBJECT_0);
        CloseHandle(tool);
    }
}

}  // namespace tarvane::testing
