#include "shell/folder_browser_win32.h"

#include <shlobj.h>

#include "base/scoped_win32.h"
#include "base/system_error_win32.h"

namespace tarvane {
namespace {

// Selects the folder as soon as the browser is up, and asks nothing else of the browser. A folder
// that is gone by now leaves the browser as it opened.
int CALLBACK SelectFirstFolder(HWND browser, UINT message, LPARAM, LPARAM folder) {
    if (message == BFFM_INITIALIZED) {
        SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, folder);
    }
    return 0;
}

}  // namespace

DialogAnswer ShellFolderBrowser::BrowseForFolder(const std::wstring& title,
                                                 const std::wstring& firstSelection) {
    // The folder browser needs COM on the calling thread, which is the window's. It is started for
    // each browse rather than at start-up, where it would cost every start time for a dialog that
    // most starts never open.
    const ComOnThisThread com;
    if (com.Failed()) {
        return DialogAnswer::Failed(L"COM could not be started on this thread.\r\n\r\n" +
                                    SystemErrorText(static_cast<DWORD>(com.Result())));
    }
    BROWSEINFOW info{};
    info.hwndOwner = owner_;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    if (!firstSelection.empty()) {
        info.lpfn = SelectFirstFolder;
        info.lParam = reinterpret_cast<LPARAM>(firstSelection.c_str());
    }
    const ScopedTaskMemory<LPITEMIDLIST> chosen(SHBrowseForFolderW(&info));
    if (!chosen.valid()) {
        return DialogAnswer::Cancelled();
    }
    // Zeroed, so a choice for which the shell writes no path reads as "".
    wchar_t path[MAX_PATH + 1] = {};
    SHGetPathFromIDListW(chosen.get(), path);
    if (path[0] == L'\0') {
        return DialogAnswer::Cancelled();
    }
    return DialogAnswer::Chosen(path);
}

}  // namespace tarvane
