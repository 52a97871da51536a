#include "startup/special_folder_win32.h"

#include <windows.h>
#include <shlobj.h>

#include "startup/special_folder.h"

namespace tarvane {

std::wstring GetSpecialFolder(std::int32_t id) {
    return GetSpecialFolder(id, [](wchar_t* buffer, std::int16_t folderId) {
        SHGetSpecialFolderPathW(nullptr, buffer, folderId, FALSE);
    });
}

}  // namespace tarvane
