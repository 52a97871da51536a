#pragma once
// Drives a build of Tarvane from outside, as a user would: starts it, finds its windows by process
// id, and works them through window_driving_win32.h. A started program that is still running when
// its TarvaneProcess goes away is killed, so a failed test never leaves a Tarvane behind.
#include <windows.h>

#include <string>
#include <vector>

#include "support/message_box_reader_win32.h"
#include "support/window_driving_win32.h"

namespace tarvane::testing {

// One run of a Tarvane build (Tarvane.exe unless named) from the build folder, with arguments
// quoted as they must be.
class TarvaneProcess {
  public:
    explicit TarvaneProcess(const std::wstring& exeName = L"Tarvane.exe",
                            const std::wstring& arguments = L"");
    ~TarvaneProcess();
    TarvaneProcess(const TarvaneProcess&) = delete;
    TarvaneProcess& operator=(const TarvaneProcess&) = delete;

    const PROCESS_INFORMATION& Process() const { return process_; }
    bool Running() const;
    // True when the program ended within timeoutMs.
    bool WaitForExit(unsigned timeoutMs = kWaitMs) const;
    unsigned long ExitCode() const;

    // The main window, shown or not; nullptr while there is none.
    HWND MainWindow() const;
    HWND WaitForMainWindowShown() const;
    // The visible dialogs (message boxes, file dialogs, the folder browser) of the program.
    std::vector<HWND> Dialogs() const;
    HWND WaitForDialog(const std::wstring& title) const;
    MessageBoxSeen WaitForMessageBox(const std::wstring& title) const;
    // True when no dialog of the program comes up within kSettleMs.
    bool NoDialogAppears() const;

    // The control of the program that has the keyboard focus.
    HWND Focus() const;
    // Waits until the control has the focus; throws, saying where the focus is, when it never does.
    void WaitForFocus(HWND control) const;
    // Presses Tab until the control has the focus, as often as there are controls at most.
    void TabTo(HWND control) const;
    // Which window of the program has the focus and which window is in front, for failures.
    std::wstring DescribeInput() const;
    // Makes a window of the program the foreground window, so that keyboard input reaches it.
    void BringToFront(HWND window) const;

  private:
    std::vector<HWND> TopLevelWindows(const wchar_t* className) const;

    PROCESS_INFORMATION process_{};
};

// The main window once it shows; when the program asks the first-start question, answers No.
HWND MainWindowAfterStart(const TarvaneProcess& program, bool answerFirstStartQuestion);

}  // namespace tarvane::testing
