#include "startup/app_run.h"

#include <algorithm>

#include "support/tarvane_process_win32.h"

namespace tarvane::testing {
namespace {

// The first-start question has Yes and No; any other box only has OK.
std::wstring AnswerTo(const MessageBoxSeen& box) {
    const bool asks = std::find(box.buttons.begin(), box.buttons.end(), L"No") != box.buttons.end();
    return asks ? L"No" : L"OK";
}

}  // namespace

AppRun RunUntilMainWindowCloses(const std::wstring& exeName, unsigned timeoutMs) {
    const TarvaneProcess program(exeName);
    AppRun run;
    run.endedByItself = WaitUntil(
        [&] {
            if (const std::vector<HWND> boxes = program.Dialogs(); !boxes.empty()) {
                const MessageBoxSeen box = ReadMessageBox(boxes.front());
                run.boxTexts.push_back(box.text);
                Answer(box.handle, AnswerTo(box));
            } else if (HWND main = program.MainWindow(); main != nullptr && IsWindowVisible(main)) {
                run.mainWindowOpened = true;
                PostMessageW(main, WM_CLOSE, 0, 0);
            }
            return !program.Running();
        },
        timeoutMs);
    run.exitCode = program.ExitCode();
    return run;
}

}  // namespace tarvane::testing
