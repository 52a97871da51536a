#pragma once
#include <windows.h>

#include <string>

#include "shell/file_dialog_win32.h"
#include "shell/folder_browser_win32.h"
#include "ui/launcher_win32.h"
#include "ui/message_win32.h"

namespace tarvane {

// frmMain: the one window. It lays out its controls at the window's DPI and hands every button
// and menu command to the portable actions; each message has its own OnXxx handler.
class MainWindow final : public MainView {
  public:
    MainWindow(HINSTANCE instance, SettingsFile& settings);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window, its controls and menus, hidden. On failure: the system's reason.
    bool Create(std::wstring& failure);
    // The load action: runs before the window is first shown.
    void Load();
    void Show(int showCommand);

    HWND Handle() const { return window_; }
    HACCEL Accelerators() const { return accelerators_; }

    std::wstring ArchiveText() const override;
    void SetArchiveText(const std::wstring& text) override;
    std::wstring OutputText() const override;
    void SetOutputText(const std::wstring& text) override;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool OnCreate();
    void OnCommand(int id, int notification, HWND control);
    void OnActivate(WPARAM state);
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnDestroy();

    void ApplyDpi(int dpi);
    void PlaceControls(int dpi);
    void FitClientArea(int dpi);
    HWND Control(int id) const { return GetDlgItem(window_, id); }
    std::wstring TextOf(int id) const;

    HINSTANCE instance_;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    HACCEL accelerators_ = nullptr;
    HWND focusBeforeDeactivation_ = nullptr;

    Win32MessageBoxes boxes_{window_};
    Win32OpenFilePrompt prompt_{window_};
    CommonDialog dialog_{prompt_};
    ShellFolderBrowser folders_{window_};
    ProcessLauncher launcher_;
    MainContext context_;
};

}  // namespace tarvane
