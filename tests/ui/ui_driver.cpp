#include "ui/ui_driver.h"

namespace tarvane::testing {

PreparedSettings::PreparedSettings(const std::optional<std::wstring>& tool) {
    if (tool) {
        settings.StoreTool(*tool);
    } else {
        settings.Remove();
    }
}

}  // namespace tarvane::testing
