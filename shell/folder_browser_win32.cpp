#include "shell/folder_browser_win32.h"

#include <shlobj.h>

#include <utility>

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
    if (!firstSelection.empty()) {
        info.lpfn = SelectFirstFolder;
        info.lParam = reinterpret_cast<LPARAM>(firstSelection.c_str());
    }
    const ScopedTaskMemory<LPITEMIDLIST> chosen(SHBrowseForFolderW(&info));
    if (!chosen.valid()) {
        return DialogAnswer::Cancelled();
    }
    return AnswerFor(chosen.get(), longPaths_);
}

}  // namespace tarvane
