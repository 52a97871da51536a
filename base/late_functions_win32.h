#pragma once
#include <windows.h>
#include <commdlg.h>
#include <shtypes.h>

#include <string>

namespace tarvane {

// Every function that the program looks up at run time instead of importing it, and why. A
// function newer than the oldest Windows the program runs on is looked up so that the program
// still starts there; each of these gives null where the system has no such function.

// Windows 10 (version 1607) and later: the DPI of one window, which may differ from the screen's.
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
GetDpiForWindowFunction FindGetDpiForWindow();

// Windows 10 (version 1607) and later: a window's frame at a given DPI.
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
AdjustWindowRectExForDpiFunction FindAdjustWindowRectExForDpi();

// Windows 7 and later: lets one window take a message from less privileged programs.
using ChangeWindowMessageFilterExFunction = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
ChangeWindowMessageFilterExFunction FindChangeWindowMessageFilterEx();

// Windows Vista: the same for the whole process.
using ChangeWindowMessageFilterFunction = BOOL(WINAPI*)(UINT, DWORD);
ChangeWindowMessageFilterFunction FindChangeWindowMessageFilter();

// Windows 8, and Vista and 7 with update KB2533623: the folders where the process looks for a
// DLL loaded by name. The SDK headers declare it for any Windows, so it is named here, not
// called directly. kSystemFolderOnly is LOAD_LIBRARY_SEARCH_SYSTEM32.
using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
SetDefaultDllDirectoriesFunction FindSetDefaultDllDirectories();
inline constexpr DWORD kSystemFolderOnly = 0x00000800;

// Windows XP SP3 and Vista SP1 (32-bit processes): data execution prevention for this process.
// kDepEnable is PROCESS_DEP_ENABLE, which the headers keep for Vista and later.
using SetProcessDEPPolicyFunction = BOOL(WINAPI*)(DWORD);
SetProcessDEPPolicyFunction FindSetProcessDEPPolicy();
inline constexpr DWORD kDepEnable = 0x00000001;

// Windows Vista and later: the whole path of a shell item, however long, where
// SHGetPathFromIDListW fails beyond MAX_PATH characters. kPathFromIdListDefault is GPFIDL_DEFAULT,
// the item's file-system path.
using SHGetPathFromIDListExFunction = BOOL(WINAPI*)(LPCITEMIDLIST, PWSTR, DWORD, int);
SHGetPathFromIDListExFunction FindSHGetPathFromIDListEx();
inline constexpr int kPathFromIdListDefault = 0;

// Every Windows has the open-file dialog, but its library is loaded on first use: most starts
// never open a dialog, and loading it at start-up costs megabytes of memory and part of the
// start-up time. It is loaded by its full path in the system folder, so that no DLL of that name
// in the program's folder or the working folder can stand in for it; once loaded it stays loaded.
using GetOpenFileNameFunction = BOOL(WINAPI*)(OPENFILENAMEW*);
using CommDlgExtendedErrorFunction = DWORD(WINAPI*)();
struct OpenFileDialogFunctions {
    GetOpenFileNameFunction getOpenFileName = nullptr;  // both found, or neither
    CommDlgExtendedErrorFunction extendedError = nullptr;
    DWORD error = ERROR_SUCCESS;  // the system's reason when neither was found
};
inline constexpr wchar_t kOpenFileDialogLibrary[] = L"comdlg32.dll";
OpenFileDialogFunctions FindOpenFileDialog(const std::wstring& libraryPath);
using OpenFileDialogFinder = OpenFileDialogFunctions (*)(const std::wstring& libraryPath);

}  // namespace tarvane
