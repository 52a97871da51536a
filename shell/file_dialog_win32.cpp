#include "shell/file_dialog_win32.h"

#include <commdlg.h>

#include <vector>

#include "base/late_functions_win32.h"
#include "base/system_error_win32.h"

namespace tarvane {
namespace {

// Room for the longest path Windows can name, not just MAX_PATH.
constexpr DWORD kFileBufferChars = 32768;

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

// Windows' open dialog moves the program's working folder to wherever the user went, whatever
// OFN_NOCHANGEDIR asks ("ineffective for GetOpenFileName"). A working folder cannot be renamed or
// removed while the program runs, and every program started from here inherits it, so it is put
// back after each dialog, chosen or cancelled.
class WorkingFolderKept {
  public:
    WorkingFolderKept() {
        const DWORD chars = GetCurrentDirectoryW(0, nullptr);
        folder_.resize(chars);
        const DWORD written = GetCurrentDirectoryW(chars, folder_.data());
        folder_.resize(written < chars ? written : 0);
    }
    ~WorkingFolderKept() {
        if (!folder_.empty()) {
            SetCurrentDirectoryW(folder_.c_str());
        }
    }
    WorkingFolderKept(const WorkingFolderKept&) = delete;
    WorkingFolderKept& operator=(const WorkingFolderKept&) = delete;

  private:
    std::wstring folder_;
};

}  // namespace

DialogAnswer Win32OpenFilePrompt::Ask(const OpenFileRequest& request) {
    // A bare library name would be looked for where anyone may have put a file of that name.
    if (systemFolder_.empty()) {
        return DialogAnswer::Failed(L"Windows did not say where its system folder is.");
    }
    const std::wstring library = systemFolder_ + kOpenFileDialogLibrary;
    const OpenFileDialogFunctions dialogFunctions = find_(library);
    if (dialogFunctions.getOpenFileName == nullptr) {
        return DialogAnswer::Failed(L"Its library could not be loaded:\r\n" + library +
                                    L"\r\n\r\n" + SystemErrorText(dialogFunctions.error, library));
    }
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
    // Asked, though only Wine's dialog honours it; WorkingFolderKept sees to Windows'.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    const WorkingFolderKept workingFolder;
    if (dialogFunctions.getOpenFileName(&dialog)) {
        return DialogAnswer::Chosen(file.data());
    }
    // No code is a cancel; anything else means the dialog never came up.
    const DWORD failure = dialogFunctions.extendedError();
    if (failure == 0) {
        return DialogAnswer::Cancelled();
    }
    return DialogAnswer::Failed(L"Windows reported " + CommonDialogErrorText(failure) + L".");
}

}  // namespace tarvane
