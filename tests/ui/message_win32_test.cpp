// A real message box as the program asks for it: here the one whose safe answer is No.
#include <catch2/catch.hpp>

#include <windows.h>

#include "support/dialog_watcher_win32.h"
#include "support/message_box_reader_win32.h"
#include "support/window_driving_win32.h"
#include "ui/message_win32.h"
#include "ui/tool_approval.h"

namespace tarvane::testing {

TEST_CASE("The question before another user's tool starts warns, and Enter answers No",
          "[message]") {
    MessageBoxSeen seen;
    LONG noStyle = 0;
    DialogWatcher watcher([&](HWND box) {
        seen = ReadMessageBox(box);
        noStyle = GetWindowLongW(DialogButton(box, L"No"), GWL_STYLE);
        Answer(box, L"No");
    });
    Win32MessageBoxes boxes(nullptr);
    const tarvane::Answer answer =
        boxes.Show(OtherOwnerQuestion(L"C:\\Users\\Public\\Archive.exe", L"PC\\Mallory"));
    watcher.Finish();

    CHECK(answer == tarvane::Answer::No);
    CHECK(seen.icon == BoxIcon::Warning);
    CHECK(seen.buttons == std::vector<std::wstring>{L"Yes", L"No"});
    CHECK((noStyle & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
}

}  // namespace tarvane::testing
