#pragma once
// What the main window's actions work with. The Win32 window provides the real pieces; the unit
// tests provide fakes, so every action can be checked without a window.
#include <string>

#include "base/outcome.h"
#include "settings/settings.h"
#include "shell/file_dialog.h"
#include "shell/folder_browser.h"
#include "ui/game_folder.h"
#include "ui/message.h"
#include "ui/tool_approval.h"

namespace tarvane {

// The two text boxes, each read and written as one whole string.
class MainView {
  public:
    virtual ~MainView() = default;
    virtual std::wstring ArchiveText() const = 0;
    virtual void SetArchiveText(const std::wstring& text) = 0;
    virtual std::wstring OutputText() const = 0;
    virtual void SetOutputText(const std::wstring& text) = 0;
};

// Starts a program in a normal, focused window without waiting for it.
class Launcher {
  public:
    virtual ~Launcher() = default;
    virtual Outcome Start(const std::wstring& program, const std::wstring& commandLine) = 0;
};

// What the platform knows of paths and the ANSI code page, through which older programs read
// their arguments.
class PathForms {
  public:
    virtual ~PathForms() = default;
    // True when the ANSI code page holds text exactly, without best-fit look-alikes.
    virtual bool FitsAnsiCodePage(const std::wstring& text) = 0;
    // The short form of an existing file or folder's path; "" when none can be had.
    virtual std::wstring ShortForm(const std::wstring& path) = 0;
};

struct MainContext {
    MainView& view;
    FileDialog& dialog;
    FolderBrowser& folders;
    MessageBoxes& boxes;
    SettingsFile& settings;
    Launcher& launcher;
    PathForms& paths;
    InstallRecords& install;
    ToolApprovals& approvals;
};

}  // namespace tarvane
