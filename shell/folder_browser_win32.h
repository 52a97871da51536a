#pragma once
#include <windows.h>

#include "shell/folder_browser.h"

namespace tarvane {

// The shell's folder browser, modal to the owner window, starting at the desktop and confirming
// file-system folders only. Starts COM on the calling thread for each browse.
class ShellFolderBrowser final : public FolderBrowser {
  public:
    explicit ShellFolderBrowser(HWND owner) : owner_(owner) {}
    DialogAnswer BrowseForFolder(const std::wstring& title,
                                 const std::wstring& firstSelection) override;

  private:
    HWND owner_;
};

}  // namespace tarvane
