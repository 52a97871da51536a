// The routing of each button and menu command of the window to its action, by identifiers that
// never collide.
#include <catch2/catch.hpp>

#include <optional>
#include <set>

#include "support/fakes.h"
#include "ui/help.h"
#include "ui/commands.h"

namespace tarvane::testing {
namespace {

// The identifiers the dialog manager sends for Enter and Esc.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

TEST_CASE("Command identifiers are unique and clear of Enter's and Esc's") {
    std::set<int> ids{kIdOk, kIdCancel};
    std::size_t count = 2;
    for (const ControlSpec& control : kControls) {
        ids.insert(control.id);
        ++count;
    }
    for (const MenuSpec& menu : kMenuBar) {
        for (int i = 0; i < menu.itemCount; ++i) {
            ids.insert(menu.items[i].id);
            ++count;
        }
    }
    CHECK(ids.size() == count);
}

TEST_CASE("Each button and menu command runs its own action") {
    struct Case {
        const char* name;
        int id;
        CommandOutcome outcome;
        std::optional<Call> ownCall;  // a call only this action makes; none: nothing is touched
    };
    const Case cases[] = {
        {"Process", kCmdGo, CommandOutcome::Handled,
         Call{"Launcher.Start", LR"(C:\CoH\Archive.exe)"}},
        {"archive ...", kCmdSGABrowse, CommandOutcome::Handled,
         Call{"Dialog.Ask", L"Select SGA to be converted"}},
        {"folder ...", kCmdSGBBrowse, CommandOutcome::Handled,
         Call{"Folders.BrowseForFolder", LR"(Please select WW2\Data folder)"}},
        {"Tools > Set Archive.exe Path", kMnuToolsPath, CommandOutcome::Handled,
         Call{"Dialog.Ask", L"Select Archive.exe in CoH folder"}},
        {"Help > How do i use this?", kMnuHelpHow, CommandOutcome::Handled,
         Call{"Boxes.Show", UsageMessage().text}},
        {"Help > About", kMnuHelpAbout, CommandOutcome::Handled,
         Call{"Boxes.Show", AboutMessage().text}},
        {"File > Exit", kMnuFileExit, CommandOutcome::ExitProgram, {}},
        {"Enter", kIdOk, CommandOutcome::Ignored, {}},
        {"Esc", kIdCancel, CommandOutcome::Ignored, {}},
        {"a text box's notification", kTxtSGAPath, CommandOutcome::Ignored, {}},
        {"the other text box", kTxtSGBOut, CommandOutcome::Ignored, {}},
        {"a label", kLabel1, CommandOutcome::Ignored, {}},
        {"the frame", kFrame1, CommandOutcome::Ignored, {}},
        {"no command", 0, CommandOutcome::Ignored, {}},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        FakeWindow window;
        window.settings.StoreArchiveTool(LR"(C:\CoH\Archive.exe)");
        window.view.Type(L"typed.sga", L"typed folder");

        CHECK(RouteCommand(c.id, window.context) == c.outcome);

        if (c.ownCall) {
            CHECK(window.log.Contains(*c.ownCall));
        } else {
            CHECK(window.log.Calls().empty());
        }
    }
}

TEST_CASE("Help and About show their own texts") {
    FakeWindow window;
    RouteCommand(kMnuHelpHow, window.context);
    RouteCommand(kMnuHelpAbout, window.context);
    CHECK(window.boxes.shown == std::vector<Message>{UsageMessage(), AboutMessage()});
}

TEST_CASE("Process through the window starts the tool with what the boxes hold") {
    FakeWindow window;
    window.settings.StoreArchiveTool(LR"(C:\CoH\Archive.exe)");
    window.view.Type(L"typed.sga", L"typed folder");
    RouteCommand(kCmdGo, window.context);
    REQUIRE(window.launcher.started.size() == 1);
    CHECK(window.launcher.started[0].program == LR"(C:\CoH\Archive.exe)");
}

}  // namespace
}  // namespace tarvane::testing
