#include "ui/tool_approval.h"

#include <algorithm>

namespace tarvane {

bool ToolApprovals::MayStart(const std::wstring& tool, const std::wstring& settingsFile,
                             MessageBoxes& boxes) {
    if (std::find(approved_.begin(), approved_.end(), tool) != approved_.end()) {
        return true;
    }
    const std::optional<FileOwnership> ownership = owners_.OwnerOf(settingsFile);
    if (!ownership || !OwnedByAnotherUser(*ownership)) {
        return true;
    }
    if (boxes.Show(OtherOwnerQuestion(tool, ownership->ownerAccount)) != Answer::Yes) {
        return false;
    }
    approved_.push_back(tool);
    return true;
}

Message OtherOwnerQuestion(const std::wstring& tool, const std::wstring& owner) {
    Message question{L"Process is about to start this program as the archive tool:\r\n" + tool +
                         L"\r\n\r\nThe settings file that names it belongs to " + owner +
                         L", another user of this computer, who can name any program there. "
                         L"Start it only if you trust it.\r\n\r\nStart it now?",
                     L"Tarvane", Buttons::YesNo, Icon::Warning};
    question.noIsDefault = true;
    return question;
}

}  // namespace tarvane
