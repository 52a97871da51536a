#pragma once
// Any user of the computer who owns the shared settings file can name any program as the archive
// tool, and Process would start it for everyone, administrators too. Before such a tool starts,
// the user is shown its path and the file's owner and decides.
#include <string>
#include <vector>

#include "settings/file_owner.h"
#include "ui/message.h"

namespace tarvane {

class ToolApprovals {
  public:
    explicit ToolApprovals(FileOwners& owners) : owners_(owners) {}

    // True when the tool may start: the settings file's owner is no other user, or cannot be read,
    // or the user said Yes to this tool before. A No is not kept: the next press asks again.
    bool MayStart(const std::wstring& tool, const std::wstring& settingsFile, MessageBoxes& boxes);

  private:
    FileOwners& owners_;
    std::vector<std::wstring> approved_;  // for as long as the program runs
};

// Yes or No, with the warning icon and No as the default.
Message OtherOwnerQuestion(const std::wstring& tool, const std::wstring& owner);

}  // namespace tarvane
