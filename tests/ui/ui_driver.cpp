#include "ui/ui_driver.h"

#include "ui/window_description.h"

namespace tarvane::testing {

PreparedSettings::PreparedSettings(const std::optional<std::wstring>& tool) {
    if (tool) {
        settings.StoreTool(*tool);
    } else {
        settings.Remove();
    }
}

void StartedProgram::FillBoxes(const std::wstring& archive, const std::wstring& output) const {
    SetText(Control(kTxtSGAPath), archive);
    SetText(Control(kTxtSGBOut), output);
}

bool StartedProgram::BoxesHold(const std::wstring& archive, const std::wstring& output) const {
    return WindowText(Control(kTxtSGAPath)) == archive && WindowText(Control(kTxtSGBOut)) == output;
}

}  // namespace tarvane::testing
