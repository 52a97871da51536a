#pragma once
// Drives the real Tarvane.exe from outside, as a user would: starts it, finds its windows by
// process id, and works them through support/window_driving_win32.h. A started program that is still running
// when its TarvaneProcess goes away is killed, so a failed test never leaves a Tarvane behind.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "support/window_driving_win32.h"
#include "ui/message_box_reader.h"
#include "ui/ui_environment.h"

namespace tarvane::testing {

// One run of Tarvane.exe from the build folder.
class TarvaneProcess {
  public:
    TarvaneProcess();
    ~TarvaneProcess();
    TarvaneProcess(const TarvaneProcess&) = delete;
    TarvaneProcess& operator=(const TarvaneProcess&) = delete;

    bool Running() const;
    // True when the program ended within timeoutMs.
    bool WaitForExit(unsigned timeoutMs = kWaitMs) const;

    // The main window, shown or not; nullptr while there is none.
    HWND MainWindow() const;
    HWND WaitForMainWindowShown() const;
    // The visible dialogs (message boxes, file dialogs, the folder browser) of the program.
    std::vector<HWND> Dialogs() const;
    HWND WaitForDialog(const std::wstring& title) const;
    MessageBoxSeen WaitForMessageBox(const std::wstring& title) const;
    // True when no dialog of the program comes up within kSettleMs.
    bool NoDialogAppears() const;

    // The folder browser: opens the tree item by item along itemPath, starting below the
    // desktop, selects the last one and confirms it, as a user would, and waits until the
    // browser is gone. An item matches by its text, or a drive by the "(C:)" its text ends with.
    void ChooseFolder(HWND browser, const std::vector<std::wstring>& itemPath) const;

    // The folder that a file-open dialog of the program shows.
    std::wstring FileDialogFolder(HWND fileDialog) const;

    // Tells a window of the program that it moved to a screen of this DPI, as Windows does when
    // the user drags it to another monitor, and waits until the window has handled it.
    void SendDpiChange(HWND window, int dpi) const;

    // Drops files on a window of the program as the shell does, at a point of its client area.
    void DropFiles(HWND window, POINT point, const std::vector<std::wstring>& paths) const;

    // The control of the program that has the keyboard focus.
    HWND Focus() const;
    // Presses Tab until the control has the focus, as often as there are controls at most.
    void TabTo(HWND control) const;
    // Makes a window of the program the foreground window, so that keyboard input reaches it.
    void BringToFront(HWND window) const;

  private:
    std::vector<HWND> TopLevelWindows(const wchar_t* className) const;

    PROCESS_INFORMATION process_{};
};

// The settings file set up before the program starts, and put back afterwards: holding this
// tool location, or missing when there is none.
struct PreparedSettings {
    explicit PreparedSettings(const std::optional<std::wstring>& tool);
    SettingsFileState settings;
};

// The main window once it shows; when the program asks the first-start question, answers No.
HWND MainWindowAfterStart(const TarvaneProcess& program, bool answerFirstStartQuestion);

// The program started on prepared settings, with its main window shown. By default a tool
// location is stored, so no first-start question comes up.
struct StartedProgram : PreparedSettings {
    explicit StartedProgram(
        const std::optional<std::wstring>& tool = L"C:\\Tarvane UI\\Archive.exe")
        : PreparedSettings(tool), window(MainWindowAfterStart(program, !tool)) {}

    HWND Control(int id) const { return GetDlgItem(window, id); }

    TarvaneProcess program;
    HWND window;
};

}  // namespace tarvane::testing
