#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "base/scoped_win32.h"
#include "settings/file_owner_win32.h"
#include "ui/drop.h"
#include "launch/launcher_win32.h"
#include "ui/main_context.h"
#include "launch/path_forms_win32.h"
#include "ui/path_completion_win32.h"
#include "ui/window_parts_win32.h"

namespace tarvane {

// frmMain: the one window. It lays out its controls at the window's DPI and hands every button
// and menu command to the portable actions; each message has its own OnXxx handler, given the
// window the message was sent to. The window's life ends at WM_NCDESTROY, its last message.
class MainWindow final : public MainView {
  public:
    // The file dialog's library is loaded from systemFolder (ending in a backslash, or empty when
    // the system did not say where it is).
    MainWindow(HINSTANCE instance, SettingsFile& settings, std::wstring systemFolder);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window, its controls and menus, hidden. On failure: the reason in words, and no
    // quit message left behind, so that a message box can still report it.
    bool Create(std::wstring& failure);
    // The load action: runs before the window is first shown.
    void Load();
    // Puts dropped paths, or paths the program was started with, into their boxes.
    void FillBoxes(const DropResult& result);
    void Show(int showCommand);

    HWND Handle() const { return window_; }
    HACCEL Accelerators() const { return accelerators_.get(); }
    // A message on its way to the window, before its keyboard handling: true when the text
    // boxes' completion took it and it needs nothing more.
    bool TakenByCompletion(MSG& message);

    std::wstring ArchiveText() const override;
    void SetArchiveText(const std::wstring& text) override;
    std::wstring OutputText() const override;
    void SetOutputText(const std::wstring& text) override;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    bool OnCreate(HWND window);
    void OnCommand(HWND window, int id, int notification, HWND control);
    void OnActivate(HWND window, WPARAM state);
    void OnDpiChanged(HWND window, int dpi, const RECT& suggested);
    void OnDropFiles(HWND window, HDROP drop);
    void OnDestroy();
    void OnNcDestroy(HWND window);

    // Runs an action with its message boxes and dialogs owned by the given window.
    template <typename Action>
    void RunAction(HWND owner, Action action);

    void ApplyDpi(HWND window, int dpi);
    void PlaceControls(HWND window, int dpi);
    void FitClientArea(HWND window, int dpi);
    HWND Control(int id) const { return GetDlgItem(window_, id); }
    std::wstring TextOf(int id) const;

    HINSTANCE instance_;
    SettingsFile& settings_;
    const std::wstring systemFolder_;
    HWND window_ = nullptr;  // from WM_NCCREATE to WM_NCDESTROY
    bool created_ = false;   // CreateWindowExW gave the window back
    ScopedFont font_;
    ScopedAccelerators accelerators_;
    HWND focusBeforeDeactivation_ = nullptr;
    ProcessLauncher launcher_;
    Win32PathForms pathForms_;
    Win32FileOwners owners_;
    ToolApprovals approvals_{owners_};
    // COM outlives both completions.
    ComFromFirstUse com_;
    PathCompletion archiveCompletion_{CompletionKind::FoldersAndArchives, com_};
    PathCompletion outputCompletion_{CompletionKind::FoldersOnly, com_};
};

}  // namespace tarvane
