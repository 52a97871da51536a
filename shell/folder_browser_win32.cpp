#include "shell/folder_browser_win32.h"

#include <shlobj.h>

namespace tarvane {
namespace {

// The folder browser needs COM on the calling thread, which is the window's. It is started for
// each browse rather than at start-up, where it would cost every start time for a dialog that
// most starts never open.
class ComOnThisThread {
  public:
    ComOnThisThread() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComOnThisThread() {
        if (SUCCEEDED(result_)) {
            CoUninitialize();
        }
    }
    ComOnThisThread(const ComOnThisThread&) = delete;
    ComOnThisThread& operator=(const ComOnThisThread&) = delete;

  private:
    HRESULT result_;
};

}  // namespace

std::wstring ShellFolderBrowser::BrowseForFolder(const std::wstring& title) {
    const ComOnThisThread com;
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
