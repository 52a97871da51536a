#include "shell/folder_browser_win32.h"

#include <shlobj.h>

#include <utility>

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

// Room for the longest path Windows can name.
constexpr DWORD kLongestPathChars = 32768;
// The length at which a shell that keeps MAX_PATH characters inside cuts a longer path short and
// still reports success, as Wine's does with either call. A real folder this long could hold no
// file that a program of MAX_PATH could open, so no path is lost by refusing it.
constexpr std::size_t kCutPathChars = MAX_PATH - 1;

// The chosen item's file-system path; "" when the shell gives none, or one that may be cut short.
std::wstring FileSystemPath(LPCITEMIDLIST chosen, SHGetPathFromIDListExFunction longPaths) {
    std::wstring path(longPaths != nullptr ? kLongestPathChars : MAX_PATH, L'\0');
    const BOOL given = longPaths != nullptr ? longPaths(chosen, path.data(), kLongestPathChars,
                                                        kPathFromIdListDefault)
                                            : SHGetPathFromIDListW(chosen, path.data());
    const std::size_t end = path.find(L'\0');
    path.resize(given && end != std::wstring::npos ? end : 0);
    return path.size() == kCutPathChars ? L"" : path;
}

// A folder chosen whose path cannot be had is told, never taken for a cancel; an item outside the
// file system has no path to give at all.
DialogAnswer AnswerFor(LPCITEMIDLIST chosen, SHGetPathFromIDListExFunction longPaths) {
    std::wstring path = FileSystemPath(chosen, longPaths);
    if (!path.empty()) {
        return DialogAnswer::Chosen(std::move(path));
    }
    SHFILEINFOW item{};
    if (SHGetFileInfoW(reinterpret_cast<LPCWSTR>(chosen), 0, &item, sizeof(item),
                       SHGFI_PIDL | SHGFI_DISPLAYNAME | SHGFI_ATTRIBUTES) != 0 &&
        (item.dwAttributes & SFGAO_FILESYSTEM) != 0) {
        return DialogAnswer::PathTooLong(item.szDisplayName);
    }
    return DialogAnswer::Cancelled();
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
    return AnswerFor(chosen.get(), longPaths_);
}

}  // namespace tarvane
