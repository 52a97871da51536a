#include "shell/folder_browser_win32.h"

#include <shlobj.h>

namespace tarvane {

std::wstring ShellFolderBrowser::BrowseForFolder(const std::wstring& title) {
    BROWSEINFOW info{};
    info.hwndOwner = owner_;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST chosen = SHBrowseForFolderW(&info);
    if (chosen == nullptr) {
        return L"";
    }
    // Zeroed, so a choice for which the shell writes no path reads as "".
    wchar_t path[MAX_PATH + 1] = {};
    SHGetPathFromIDListW(chosen, path);
    CoTaskMemFree(chosen);
    return path;
}

}  // namespace tarvane
