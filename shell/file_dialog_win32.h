#pragma once
#include <windows.h>

#include <string>
#include <utility>

#include "base/late_functions_win32.h"
#include "shell/file_dialog.h"

namespace tarvane {

// The platform's file-open dialog, modal to the owner window, from the library in the given
// system folder (ending in a backslash; empty when the system did not say where it is), as find
// finds its functions there. The program's working folder is where it was before, whatever the
// dialog did.
class Win32OpenFilePrompt final : public OpenFilePrompt {
  public:
    Win32OpenFilePrompt(HWND owner, std::wstring systemFolder,
                        OpenFileDialogFinder find = FindOpenFileDialog)
        : owner_(owner), systemFolder_(std::move(systemFolder)), find_(find) {}
    DialogAnswer Ask(const OpenFileRequest& request) override;

  private:
    HWND owner_;
    std::wstring systemFolder_;
    OpenFileDialogFinder find_;
};

}  // namespace tarvane
