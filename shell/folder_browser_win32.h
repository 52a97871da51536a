#pragma once
#include <windows.h>

#include "shell/folder_browser.h"

namespace tarvane {

// The shell's folder browser, modal to the owner window, starting at the desktop and confirming
// file-system folders only. Needs COM initialised on the calling thread.
class ShellFolderBrowser final : public FolderBrowser {
  public:
    explicit ShellFolderBrowser(HWND owner) : owner_(owner) {}
    std::wstring BrowseForFolder(const std::wstring& title,
                                 const std::wstring& firstSelection) override;

  private:
    HWND owner_;
};

}  // namespace tarvane
