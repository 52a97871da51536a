#pragma once
// What the main window's actions work with: the boxes, the dialogs, the settings file and the
// platform's services, each through an interface. The actions hold the program's rules and no
// window code; the Win32 window provides the real pieces.
#include <string>

#include "launch/launcher.h"
#include "launch/path_forms.h"
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

struct MainContext {
    MainView& view;
    OpenFilePrompt& dialog;
    FolderBrowser& folders;
    MessageBoxes& boxes;
    SettingsFile& settings;
    Launcher& launcher;
    PathForms& paths;
    InstallRecords& install;
    ToolApprovals& approvals;
};

}  // namespace tarvane
