#include "startup/ini_location_win32.h"

#include <windows.h>

#include "startup/ini_location.h"
#include "startup/special_folder.h"
#include "startup/special_folder_win32.h"

namespace tarvane {
namespace {

bool FolderExists(const wchar_t* path) {
    const DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

std::wstring IniFilePath() {
    return ChooseIniFilePath(FolderExists(kFixedSettingsFolder),
                             GetSpecialFolder(kCommonAppDataId));
}

}  // namespace tarvane
