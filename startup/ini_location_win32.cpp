#include "startup/ini_location_win32.h"

#include "base/file_attributes_win32.h"
#include "startup/ini_location.h"
#include "startup/special_folder.h"
#include "startup/special_folder_win32.h"

namespace tarvane {
std::wstring IniFilePath() {
    return ChooseIniFilePath(IsFolder(kFixedSettingsFolder), GetSpecialFolder(kCommonAppDataId));
}

}  // namespace tarvane
