#pragma once
// The shell's modal folder browser, owned by the main window.
#include <string>

namespace tarvane {

class FolderBrowser {
  public:
    virtual ~FolderBrowser() = default;
    // The chosen folder's path as the shell reports it (a drive root keeps its backslash), or ""
    // when the user cancels or the shell has no file-system path for the choice. The browser opens
    // with firstSelection selected, or as the shell starts it when that is "" or cannot be had.
    virtual std::wstring BrowseForFolder(const std::wstring& title,
                                         const std::wstring& firstSelection) = 0;
};

}  // namespace tarvane
