#include "startup/app_run.h"

#include <windows.h>

#include "support/process_start_win32.h"
#include "support/window_search_win32.h"
#include "support/win32_files.h"

namespace tarvane::testing {
namespace {

constexpr wchar_t kMainWindowClass[] = L"TarvaneMainWindow";

// The first-start question has Yes and No; any other box only has OK.
void AnswerBox(HWND box) {
    const int answer = GetDlgItem(box, IDNO) != nullptr ? IDNO : IDOK;
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
}

// The text of a message box is its one static control that is not the icon.
std::wstring BoxText(HWND box) {
    constexpr int kMessageBoxTextId = 0xFFFF;
    return WindowText(GetDlgItem(box, kMessageBoxTextId));
}

}  // namespace

AppRun RunUntilMainWindowCloses(const std::wstring& program, unsigned timeoutMs) {
    const PROCESS_INFORMATION started = StartProcess(program);
    CloseHandle(started.hThread);
    AppRun run;
    HWND answered = nullptr;
    const DWORD start = GetTickCount();
    run.endedByItself = true;
    while (WaitForSingleObject(started.hProcess, 20) == WAIT_TIMEOUT) {
        if (GetTickCount() - start > timeoutMs) {
            TerminateProcess(started.hProcess, 255);
            WaitForSingleObject(started.hProcess, INFINITE);
            run.endedByItself = false;
            break;
        }
        if (HWND box = FindVisibleProcessWindow(started.dwProcessId, kDialogClass);
            box != nullptr && box != answered) {
            run.boxTexts.push_back(BoxText(box));
            AnswerBox(box);
            answered = box;
        } else if (HWND main = FindVisibleProcessWindow(started.dwProcessId, kMainWindowClass)) {
            run.mainWindowOpened = true;
            PostMessageW(main, WM_CLOSE, 0, 0);
        }
    }
    GetExitCodeProcess(started.hProcess, &run.exitCode);
    CloseHandle(started.hProcess);
    return run;
}

}  // namespace tarvane::testing
