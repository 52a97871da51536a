#include "startup/ini_location.h"

namespace tarvane {

std::wstring ChooseIniFilePath(bool fixedFolderExists, const std::wstring& commonAppData) {
    if (fixedFolderExists || commonAppData.empty()) {
        return std::wstring(kFixedSettingsFolder) + kSettingsFileName;
    }
    return commonAppData + kSettingsFileName;
}

}  // namespace tarvane
