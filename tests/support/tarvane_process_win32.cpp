#include "support/tarvane_process_win32.h"

#include "support/process_start_win32.h"
#include "support/win32_files.h"
#include "ui/main_window_win32.h"

namespace tarvane::testing {

TarvaneProcess::TarvaneProcess(const std::wstring& exeName, const std::wstring& arguments)
    : process_(StartProcess(BuildFolder() + exeName, BuildFolder(), arguments)) {}

// The next case starts a copy of its own: this one must be gone, its windows with it, so that no
// case meets what an earlier one left behind.
TarvaneProcess::~TarvaneProcess() {
    if (Running()) {
        TerminateProcess(process_.hProcess, 1);
    }
    WaitForExit();
    WaitUntil([&] { return TopLevelWindows(nullptr).empty(); });
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool TarvaneProcess::Running() const {
    return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

bool TarvaneProcess::WaitForExit(unsigned timeoutMs) const {
    return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

unsigned long TarvaneProcess::ExitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

std::vector<HWND> TarvaneProcess::TopLevelWindows(const wchar_t* className) const {
    return TopLevelWindowsOf(process_.dwProcessId, className);
}

HWND TarvaneProcess::MainWindow() const {
    const std::vector<HWND> windows = TopLevelWindows(kMainWindowClass);
    return windows.empty() ? nullptr : windows.front();
}

HWND TarvaneProcess::WaitForMainWindowShown() const {
    HWND window = nullptr;
    if (!WaitUntil([&] { return (window = MainWindow()) != nullptr && IsWindowVisible(window); })) {
        FailDriving(L"the main window did not show; the program's windows:" +
                    DescribeWindows(TopLevelWindows(nullptr)));
    }
    return window;
}

std::vector<HWND> TarvaneProcess::Dialogs() const {
    std::vector<HWND> visible;
    for (HWND dialog : TopLevelWindows(kDialogClass)) {
        if (IsWindowVisible(dialog)) {
            visible.push_back(dialog);
        }
    }
    return visible;
}

HWND TarvaneProcess::WaitForDialog(const std::wstring& title) const {
    HWND found = nullptr;
    const bool shown = WaitUntil([&] {
        for (HWND dialog : Dialogs()) {
            if (WindowText(dialog) == title) {
                found = dialog;
                return true;
            }
        }
        return false;
    });
    if (!shown) {
        FailDriving(L"no dialog \"" + title + L"\" came up; the program's windows:" +
                    DescribeWindows(TopLevelWindows(nullptr)));
    }
    return found;
}

MessageBoxSeen TarvaneProcess::WaitForMessageBox(const std::wstring& title) const {
    return ReadMessageBox(WaitForDialog(title));
}

bool TarvaneProcess::NoDialogAppears() const {
    return !WaitUntil([&] { return !Dialogs().empty(); }, kSettleMs);
}

HWND TarvaneProcess::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(process_.dwThreadId, &info) ? info.hwndFocus : nullptr;
}

void TarvaneProcess::WaitForFocus(HWND control) const {
    if (!WaitUntil([&] { return Focus() == control; })) {
        FailDriving(L"the focus never comes to " + DescribeControl(control) + L"; " +
                    DescribeInput());
    }
}

void TarvaneProcess::TabTo(HWND control) const {
    HWND window = GetAncestor(control, GA_ROOT);
    BringToFront(window);
    const std::size_t controls = ChildWindows(window).size();
    for (std::size_t presses = 0; Focus() != control; ++presses) {
        if (presses == controls) {
            FailDriving(L"Tab never reaches " + DescribeControl(control) + L"; " + DescribeInput());
        }
        // One press at a time, each seen to move the focus before the next: a press that the
        // program has not taken yet would move the focus on after the check.
        HWND before = Focus();
        PressKey(VK_TAB);
        if (!WaitUntil([&] { return Focus() != before; })) {
            FailDriving(L"Tab does not move the focus on to " + DescribeControl(control) + L"; " +
                        DescribeInput());
        }
    }
}

std::wstring TarvaneProcess::DescribeInput() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(process_.dwThreadId, &info);
    return L"the focus is on " + DescribeControl(info.hwndFocus) +
           L", the program's active window is " + DescribeControl(info.hwndActive) +
           L", in front is " + DescribeControl(GetForegroundWindow());
}

// In front is not enough: a window that the system has just put in front takes the focus back
// while it handles its activation, and a key pressed before then may land on the control that
// had the focus before, or on none. Keys go in once the program has made the window active and
// put the focus inside it.
void TarvaneProcess::BringToFront(HWND window) const {
    const bool ready = WaitUntil([&] {
        if (GetForegroundWindow() != window) {
            SetForegroundWindow(window);
            return false;
        }
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        return GetGUIThreadInfo(process_.dwThreadId, &info) && info.hwndActive == window &&
               (info.hwndFocus == window || IsChild(window, info.hwndFocus));
    });
    if (!ready) {
        FailDriving(L"cannot bring " + DescribeControl(window) +
                    L" to the front with the focus in it; " + DescribeInput());
    }
}

HWND MainWindowAfterStart(const TarvaneProcess& program, bool answerFirstStartQuestion) {
    if (answerFirstStartQuestion) {
        Answer(program.WaitForDialog(L"Tarvane"), L"No");
    }
    return program.WaitForMainWindowShown();
}

}  // namespace tarvane::testing
