// Suggestions under the path boxes while a path is typed, as a user meets them.
#include <catch2/catch.hpp>

#include <string>

#include "support/win32_files.h"
#include "ui/ui_driver.h"
#include "ui/window_description.h"

namespace tarvane::testing {
namespace {

// The items of the suggestion list that the program shows, a list box in a shown top-level window
// of its own beside the main window; 0 while it shows none.
DWORD_PTR SuggestionsShown(const StartedProgram& started) {
    for (HWND window : TopLevelWindowsOf(started.program.Process().dwProcessId, nullptr)) {
        for (HWND child : ChildWindows(window)) {
            DWORD_PTR items = 0;
            if (window != started.window && IsWindowVisible(window) &&
                ClassNameOf(child) == L"ListBox" &&
                SendMessageTimeoutW(child, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                                    &items) != 0) {
                return items;
            }
        }
    }
    return 0;
}

}  // namespace

TEST_CASE("Typing in a box lists what matches below it; Esc closes only the list, Enter takes one",
          "[ui][completion][keyboard]") {
    const ScratchFolder scratch(L"ui completion");
    CreateDirectoryW((scratch.Path() + L"alpine").c_str(), nullptr);
    for (const wchar_t* file : {L"alpha.sga", L"alnotes.txt", L"beta.sga"}) {
        WriteWholeFile(scratch.Path() + file, "");
    }
    StartedProgram started;
    started.program.BringToFront(started.window);

    struct Box {
        int id;
        DWORD_PTR suggestions;  // SGA In: alpha.sga and alpine; SGB Out: alpine
        const wchar_t* first;
    };
    for (const Box& box : {Box{kTxtSGAPath, 2, L"alpha.sga"}, Box{kTxtSGBOut, 1, L"alpine"}}) {
        CAPTURE(box.id);
        HWND control = started.Control(box.id);
        started.program.TabTo(control);
        // The folder is listed when its backslash is typed.
        SetText(control, scratch.Path().substr(0, scratch.Path().size() - 1));
        PressKey(VK_END);
        TypeText(L"\\al");
        REQUIRE(WaitUntil([&] { return SuggestionsShown(started) == box.suggestions; }));
        PressKey(VK_ESCAPE);
        CHECK(WaitUntil([&] { return SuggestionsShown(started) == 0; }));
        CHECK(IsWindowVisible(started.window));
        CHECK(WindowText(control) == scratch.Path() + L"al");

        TypeText(L"p");
        REQUIRE(WaitUntil([&] { return SuggestionsShown(started) == box.suggestions; }));
        PressKey(VK_DOWN);
        PressKey(VK_RETURN);
        CHECK(WaitUntil([&] { return SuggestionsShown(started) == 0; }));
        CHECK(WindowText(control) == scratch.Path() + box.first);
        CHECK(started.program.NoDialogAppears());
    }
}

}  // namespace tarvane::testing
