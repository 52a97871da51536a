#include "base/late_functions_win32.h"

namespace tarvane {
namespace {

void* Lookup(HMODULE library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(library, name));
}

// user32 is loaded in every program with a window, kernel32 in every program.
void* User32Lookup(const char* name) { return Lookup(GetModuleHandleW(L"user32.dll"), name); }
void* Kernel32Lookup(const char* name) { return Lookup(GetModuleHandleW(L"kernel32.dll"), name); }
// shell32 is loaded with the program, which imports its folder browser.
void* Shell32Lookup(const char* name) { return Lookup(GetModuleHandleW(L"shell32.dll"), name); }

}  // namespace

GetDpiForWindowFunction FindGetDpiForWindow() {
    return reinterpret_cast<GetDpiForWindowFunction>(User32Lookup("GetDpiForWindow"));
}

AdjustWindowRectExForDpiFunction FindAdjustWindowRectExForDpi() {
    return reinterpret_cast<AdjustWindowRectExForDpiFunction>(
        User32Lookup("AdjustWindowRectExForDpi"));
}

ChangeWindowMessageFilterExFunction FindChangeWindowMessageFilterEx() {
    return reinterpret_cast<ChangeWindowMessageFilterExFunction>(
        User32Lookup("ChangeWindowMessageFilterEx"));
}

ChangeWindowMessageFilterFunction FindChangeWindowMessageFilter() {
    return reinterpret_cast<ChangeWindowMessageFilterFunction>(
        User32Lookup("ChangeWindowMessageFilter"));
}

SetDefaultDllDirectoriesFunction FindSetDefaultDllDirectories() {
    return reinterpret_cast<SetDefaultDllDirectoriesFunction>(
        Kernel32Lookup("SetDefaultDllDirectories"));
}

SetProcessDEPPolicyFunction FindSetProcessDEPPolicy() {
    return reinterpret_cast<SetProcessDEPPolicyFunction>(Kernel32Lookup("SetProcessDEPPolicy"));
}

SHGetPathFromIDListExFunction FindSHGetPathFromIDListEx() {
    return reinterpret_cast<SHGetPathFromIDListExFunction>(Shell32Lookup("SHGetPathFromIDListEx"));
}

OpenFileDialogFunctions FindOpenFileDialog(const std::wstring& libraryPath) {
    // Loading a library that is loaded already only hands back its handle.
    const HMODULE library = LoadLibraryW(libraryPath.c_str());
    OpenFileDialogFunctions found;
    if (library != nullptr) {
        found.getOpenFileName =
            reinterpret_cast<GetOpenFileNameFunction>(Lookup(library, "GetOpenFileNameW"));
        found.extendedError =
            reinterpret_cast<CommDlgExtendedErrorFunction>(Lookup(library, "CommDlgExtendedError"));
    }
    if (found.getOpenFileName == nullptr || found.extendedError == nullptr) {
        return {nullptr, nullptr, GetLastError()};
    }
    return found;
}

}  // namespace tarvane
