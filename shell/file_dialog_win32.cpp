#include "shell/file_dialog_win32.h"

#include <commdlg.h>

#include <vector>

namespace tarvane {
namespace {

// Room for the longest path Windows can name, not just MAX_PATH.
constexpr DWORD kFileBufferChars = 32768;

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

using GetOpenFileNameFunction = BOOL(WINAPI*)(OPENFILENAMEW*);

// The dialog library is loaded on first use: most starts never open a dialog, and loading it at
// start-up costs megabytes of memory and part of the start-up time. It is one of the system's
// known DLLs, so the name always means the system's own copy; once loaded it stays loaded.
GetOpenFileNameFunction LoadGetOpenFileName() {
    constexpr wchar_t kLibrary[] = L"comdlg32.dll";
    HMODULE library = GetModuleHandleW(kLibrary);
    if (library == nullptr) {
        library = LoadLibraryW(kLibrary);
    }
    if (library == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<GetOpenFileNameFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, "GetOpenFileNameW")));
}

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
    const GetOpenFileNameFunction getOpenFileName = LoadGetOpenFileName();
    if (getOpenFileName == nullptr || !getOpenFileName(&dialog)) {
        return std::nullopt;
    }
    return std::wstring(file.data());
}

}  // namespace tarvane
