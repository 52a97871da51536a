#pragma once
// The platform's modal file-open dialog, asked once for each choice. Every call site says in one
// request what the dialog shows; only a confirmed choice comes back, so a cancel leaves the
// caller free to change nothing.
#include <optional>
#include <string>

namespace tarvane {

struct OpenFileRequest {
    std::wstring title;
    std::wstring initialFolder;
    // Description and pattern pairs, each part separated by a vertical bar: "Text (*.x)|*.x".
    std::wstring filter;
};

// The chosen file's full path, or nothing when the user cancelled.
class OpenFilePrompt {
  public:
    virtual ~OpenFilePrompt() = default;
    virtual std::optional<std::wstring> Ask(const OpenFileRequest& request) = 0;
};

// The platform's form of a filter: "a|b|c|d" becomes "a\0b\0c\0d\0\0".
std::wstring ToFilterList(const std::wstring& barSeparated);

}  // namespace tarvane
