#include "shell/file_dialog_win32.h"

#include <commdlg.h>

#include <vector>

#include "base/late_functions_win32.h"

namespace tarvane {
namespace {

// Room for the longest path Windows can name, not just MAX_PATH.
constexpr DWORD kFileBufferChars = 32768;

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

std::optional<std::wstring> Win32OpenFilePrompt::Ask(const OpenFileRequest& request) {
    const std::wstring filterList = ToFilterList(request.filter);
    std::vector<wchar_t> file(kFileBufferChars, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = OrNull(filterList);
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = kFileBufferChars;
    dialog.lpstrInitialDir = OrNull(request.initialFolder);
    dialog.lpstrTitle = OrNull(request.title);
    // The working folder stays where it was: nothing else in the program should move with a dialog.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    const GetOpenFileNameFunction getOpenFileName = FindGetOpenFileName();
    if (getOpenFileName == nullptr || !getOpenFileName(&dialog)) {
        return std::nullopt;
    }
    return std::wstring(file.data());
}

}  // namespace tarvane
