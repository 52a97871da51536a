#pragma once
// Drives the real Tarvane.exe from outside, as a user would: starts it, finds its windows by
// process id, reads what they show, clicks buttons, posts the program's own commands, types keys
// and answers its message boxes. Every wait has a timeout and throws when it runs out, and a
// started program that is still running when its TarvaneProcess goes away is killed, so a failed
// test never leaves a Tarvane behind.
#include <windows.h>

#include <catch2/catch.hpp>

#include <functional>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tarvane::testing {

inline constexpr unsigned kWaitMs = 10000;
// How long a test watches for something that must not happen after an input.
inline constexpr unsigned kSettleMs = 600;

// Polls until the condition holds; false when timeoutMs ran out first.
bool WaitUntil(const std::function<bool()>& condition, unsigned timeoutMs = kWaitMs);

std::wstring WindowText(HWND window);
std::wstring ClassNameOf(HWND window);
// Where a child window lies in its parent's client area, in pixels.
RECT RectInParent(HWND child);

enum class BoxIcon { None, Error, Question, Warning, Information, Unrecognised };
// For test failure messages.
std::ostream& operator<<(std::ostream& out, BoxIcon icon);

// What a message box shows. Button captions are without their access-key markers, left to right.
struct MessageBoxSeen {
    HWND handle = nullptr;
    std::wstring title;
    std::wstring text;
    std::vector<std::wstring> buttons;
    BoxIcon icon = BoxIcon::Unrecognised;
};

// Reads a message box as it is on screen; the icon is recognised by its pixels.
MessageBoxSeen ReadMessageBox(HWND box);

// True when a visible control of the dialog shows exactly this text.
bool DialogShowsText(HWND dialog, const std::wstring& text);

// The visible push button of a dialog whose caption, without access-key markers, is this.
HWND DialogButton(HWND dialog, const std::wstring& caption);

// Each of these three waits until the dialog is gone and what its answer sets off in the program
// has run, so that a test can look at the outcome at once.

// Presses the button of a dialog or message box with this caption.
void Answer(HWND dialog, const std::wstring& button);
// The file-open dialog: types the path into its file name box and confirms it, as a user would.
void ChooseFile(HWND fileDialog, const std::wstring& path);
// Cancels a dialog.
void CancelDialog(HWND dialog);

// Presses a button the way a click does, without waiting for what the click starts.
void Click(HWND button);
// Sends a menu or accelerator command to a window, as choosing the menu item does.
void PostCommand(HWND window, int commandId);
// Replaces the text of an edit control.
void SetText(HWND control, const std::wstring& text);

// Keyboard input to the foreground window: the modifiers are held while key is pressed.
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});

// Makes this thread see other programs' windows in their real pixels, whatever DPI they run at:
// Windows 10 scales their coordinates down to 96 DPI for a program that is not DPI-aware (Wine
// does not, but the driver must not depend on that).
void SeeRealPixels();

// Runs the programs started while this lives at the given DPI, and puts the setting back after.
class ScreenDpiSetting {
  public:
    explicit ScreenDpiSetting(DWORD dpi);
    ~ScreenDpiSetting();
    ScreenDpiSetting(const ScreenDpiSetting&) = delete;
    ScreenDpiSetting& operator=(const ScreenDpiSetting&) = delete;

  private:
    std::optional<DWORD> saved_;
};

// The settings file the program uses, chosen by the program's own rule. Saves the file as it was
// and puts it back when this goes away, so each case starts from the state it sets up.
class SettingsFileState {
  public:
    SettingsFileState();
    ~SettingsFileState();
    SettingsFileState(const SettingsFileState&) = delete;
    SettingsFileState& operator=(const SettingsFileState&) = delete;

    const std::wstring& Path() const { return path_; }
    void Remove() const;
    // A folder in the file's place, so that nothing can be stored.
    void BlockWithFolder() const;
    // A settings file holding only [Paths] Archive=value.
    void StoreTool(const std::wstring& value) const;
    // The Archive value as written in the file, quotes included; nothing when file or key is
    // missing.
    std::optional<std::wstring> StoredTool() const;

  private:
    std::wstring path_;
    std::optional<std::string> saved_;
};

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

    // Tells a window of the program that it moved to a screen of this DPI, as Windows does when
    // the user drags it to another monitor, and waits until the window has handled it.
    void SendDpiChange(HWND window, int dpi) const;

    // The control of the program that has the keyboard focus.
    HWND Focus() const;
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

// A stored value in failure messages, or that nothing is stored.
template <>
struct Catch::StringMaker<std::optional<std::wstring>> {
    static std::string convert(const std::optional<std::wstring>& value) {
        return value ? StringMaker<std::wstring>::convert(*value) : "(nothing stored)";
    }
};
