#pragma once
// The platform's modal file-open dialog, asked once for each choice. Every call site says in one
// request what the dialog shows; only a confirmed choice comes back as a path, so a cancel or a
// dialog that could not be shown leaves the caller free to change nothing.
#include <string>

#include "shell/dialog_answer.h"

namespace tarvane {

struct OpenFileRequest {
    std::wstring title;
    std::wstring initialFolder;
    // Description and pattern pairs, each part separated by a vertical bar: "Text (*.x)|*.x".
    std::wstring filter;
};

// The chosen file's full path, a cancel, or why the dialog could not be shown.
class OpenFilePrompt {
  public:
    virtual ~OpenFilePrompt() = default;
    virtual DialogAnswer Ask(const OpenFileRequest& request) = 0;
};

// The platform's form of a filter: "a|b|c|d" becomes "a\0b\0c\0d\0\0".
std::wstring ToFilterList(const std::wstring& barSeparated);

// A failure code of the common dialogs (CommDlgExtendedError's answer), told by its name and
// number: "CDERR_INITIALIZATION (0x0002)". These are not system error codes, and the system has
// no words for them.
std::wstring CommonDialogErrorText(unsigned long code);

}  // namespace tarvane
