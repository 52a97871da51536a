#include "shell/folder_browser_win32.h"

#include <shlobj.h>

#include "base/scoped_win32.h"
#include "base/system_error_win32.h"

namespace tarvane {
namespace {

// The folder to select as the browser opens, and whether the browser reported a selection while
// it was asked for it.
struct FirstSelection {
    const wchar_t* folder;
    bool selectionChanged;
};

// Selects the folder as soon as the browser is up, and asks nothing else of the browser. A folder
// that is gone by now leaves the browser as it opened.
//
// Wine's browser finds the folder by comparing each folder's stored item, which holds its
// last-access time, with one parsed from the path; parsing reads the parent folders, which on a
// Linux mount can move their access times, so the first walk may stop short and select nothing.
// A second request finds the times settled. A selection that took reports a change at once, so
// only a request without one is sent again.
int CALLBACK SelectFirstFolder(HWND browser, UINT message, LPARAM, LPARAM data) {
    auto* first = reinterpret_cast<FirstSelection*>(data);
    if (message == BFFM_SELCHANGED) {
        first->selectionChanged = true;
    } else if (message == BFFM_INITIALIZED) {
        const auto folder = reinterpret_cast<LPARAM>(first->folder);
        first->selectionChanged = false;
        SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, folder);
        if (!first->selectionChanged) {
            SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, folder);
        }
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
    FirstSelection first{firstSelection.c_str(), false};
    if (!firstSelection.empty()) {
        info.lpfn = SelectFirstFolder;
        info.lParam = reinterpret_cast<LPARAM>(&first);
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
