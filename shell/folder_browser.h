#pragma once
// The shell's modal folder browser, owned by the main window.
#include <string>

#include "shell/dialog_answer.h"

namespace tarvane {

class FolderBrowser {
  public:
    virtual ~FolderBrowser() = default;
    // The chosen folder's path as the shell reports it (a drive root keeps its backslash); a
    // cancel when the user cancels or chooses an item outside the file system; a path too long
    // when the shell cannot give the whole path of a file-system folder; a failure when the browser
    // could not be started.
    // The browser opens with firstSelection selected, or as the shell starts it when that is ""
    // or cannot be had.
    virtual DialogAnswer BrowseForFolder(const std::wstring& title,
                                         const std::wstring& firstSelection) = 0;
};

}  // namespace tarvane
