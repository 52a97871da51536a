#pragma once
#include <windows.h>

#include "base/late_functions_win32.h"
#include "shell/folder_browser.h"

namespace tarvane {

// The shell's folder browser, modal to the owner window, starting at the desktop and confirming
// file-system folders only. Starts COM on the calling thread for each browse. The chosen
// folder's path is asked of longPaths, which gives it whole however long it is; without it (before
// Vista) the browser makes do with MAX_PATH characters and tells a longer path.
class ShellFolderBrowser final : public FolderBrowser {
  public:
    explicit ShellFolderBrowser(
        HWND owner, SHGetPathFromIDListExFunction longPaths = FindSHGetPathFromIDListEx())
        : owner_(owner), longPaths_(longPaths) {}
    DialogAnswer BrowseForFolder(const std::wstring& title,
                                 const std::wstring& firstSelection) override;

  private:
    HWND owner_;
    SHGetPathFromIDListExFunction longPaths_;
};

}  // namespace tarvane
