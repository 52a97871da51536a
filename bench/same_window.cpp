// The start-up and launch baseline: Tarvane's window with Tarvane's start-up duties and its Process
// and nothing else, each done the plainest way Win32 offers. Built with Tarvane.exe's flags,
// manifest (common controls 6) and icon, it sets the process's defences, initialises the common
// controls, looks up the special folders (the system folder twice, as Tarvane does), reads the
// archive tool's location from the settings file once, and opens a window of Tarvane's class and
// window styles with its menu bar and its eight controls created in place with the dialog font
// (labels sized to their captions), and the caret in the first text box. Its Process button reads
// the archive tool's location from the settings file again and starts the tool by that exact path
// with Tarvane's command line, not waited for. It ends when its window is closed.
//
// The window's parts (styles, control classes, menu bar, font) come from Tarvane's own layout,
// menu tables and window parts, and the tool's command line from Tarvane's own builder, so that
// the baseline stays the same window and starts the same command when they change; none of
// Tarvane's handlers or checks is linked.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <string>

#include "launch/command_line.h"
#include "resources/resource_ids.h"
#include "settings/settings.h"
#include "startup/ini_location.h"
#include "ui/layout.h"
#include "ui/window_description.h"
#include "ui/window_parts_win32.h"
#include "window_program.h"

namespace {

std::wstring g_settingsFile;  // found once at start-up, read at each start of the tool

std::wstring SpecialFolder(int id) {
    wchar_t folder[MAX_PATH + 1] = {};
    SHGetSpecialFolderPathW(nullptr, folder, id, FALSE);
    return folder;
}

FARPROC Kernel32Function(const char* name) {
    return GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name);
}

// Where DLLs may come from, DEP and the heap's end on corruption, as Tarvane sets them first.
void DefendProcess() {
    constexpr DWORD kSystemFolderOnly = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
    const auto setDefault = reinterpret_cast<BOOL(WINAPI*)(DWORD)>(
        reinterpret_cast<void*>(Kernel32Function("SetDefaultDllDirectories")));
    if (setDefault == nullptr || !setDefault(kSystemFolderOnly)) {
        SetDllDirectoryW(L"");
    }
    if (sizeof(void*) == 4) {
        if (const auto setDep = reinterpret_cast<BOOL(WINAPI*)(DWORD)>(
                reinterpret_cast<void*>(Kernel32Function("SetProcessDEPPolicy")))) {
            setDep(0x00000001);  // PROCESS_DEP_ENABLE
        }
    }
    HeapSetInformation(nullptr, HeapEnableTerminationOnCorruption, nullptr, 0);
}

std::wstring StoredToolPath() {
    wchar_t toolPath[tarvane::kReadBufferChars] = {};
    GetPrivateProfileStringW(tarvane::kPathsSection, tarvane::kArchiveKey, L"", toolPath,
                             tarvane::kReadBufferChars, g_settingsFile.c_str());
    return toolPath;
}

void DoStartupDuties() {
    DefendProcess();
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    g_settingsFile = SpecialFolder(CSIDL_COMMON_APPDATA) + L"\\" + tarvane::kSettingsFileName;
    SpecialFolder(CSIDL_SYSTEM);
    SpecialFolder(CSIDL_SYSTEM);  // the file dialog's library is loaded from there by full path
    StoredToolPath();
}

std::wstring ControlText(HWND window, int id) {
    const HWND control = GetDlgItem(window, id);
    std::wstring text(GetWindowTextLengthW(control) + 1, L'\0');
    text.resize(GetWindowTextW(control, text.data(), static_cast<int>(text.size())));
    return text;
}

// Process, with the window's two paths.
void StartArchiveTool(HWND window) {
    const std::wstring tool = StoredToolPath();
    std::wstring line = tarvane::ExtractCommand(tool, ControlText(window, tarvane::kTxtSGAPath),
                                                ControlText(window, tarvane::kTxtSGBOut));
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (CreateProcessW(tool.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &started)) {
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    }
}

LRESULT CALLBACK SameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && LOWORD(wParam) == tarvane::kCmdGo) {
        StartArchiveTool(window);
        return 0;
    }
    return bench::WindowProc(window, message, wParam, lParam);
}

int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int Pixels(int twips, int dpi) { return MulDiv(twips, dpi, tarvane::kTwipsPerInch); }

HWND CreateMainWindow(HINSTANCE instance, const wchar_t* className, int dpi) {
    RECT outer{0, 0, Pixels(tarvane::kClientWidthTwips, dpi),
               Pixels(tarvane::kClientHeightTwips, dpi)};
    AdjustWindowRectEx(&outer, tarvane::kMainWindowStyle, TRUE, tarvane::kMainWindowExStyle);
    return CreateWindowExW(tarvane::kMainWindowExStyle, className, tarvane::kMainWindowCaption,
                           tarvane::kMainWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                           outer.right - outer.left, outer.bottom - outer.top, nullptr,
                           tarvane::CreateMenuBar(), instance, nullptr);
}

// The layout's place in pixels. A label sizes itself to its caption and keeps its right edge, as
// Tarvane's labels do, so that the whole caption shows in any font.
tarvane::Rect PlaceOf(const tarvane::ControlSpec& entry, HDC measuring, int dpi) {
    const tarvane::Rect& twips = entry.twips;
    tarvane::Rect place{Pixels(twips.left, dpi), Pixels(twips.top, dpi), Pixels(twips.width, dpi),
                        Pixels(twips.height, dpi)};
    if (entry.kind == tarvane::ControlKind::Label) {
        SIZE text{};
        GetTextExtentPoint32W(measuring, entry.caption, lstrlenW(entry.caption), &text);
        place.left += place.width - text.cx;
        place.width = text.cx;
    }
    return place;
}

HWND CreateControl(HWND window, HINSTANCE instance, const tarvane::ControlSpec& entry,
                   const tarvane::Rect& place, HFONT font) {
    const tarvane::ControlClass kind = tarvane::ClassOf(entry.kind);
    const HWND control =
        CreateWindowExW(kind.exStyle, kind.name, entry.caption, WS_CHILD | WS_VISIBLE | kind.style,
                        place.left, place.top, place.width, place.height, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)), instance, nullptr);
    if (control != nullptr) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return control;
}

bool CreateControls(HWND window, HINSTANCE instance, int dpi) {
    const HFONT font = tarvane::CreateDialogFont(dpi);
    const HDC measuring = GetDC(window);
    const HGDIOBJ previous = SelectObject(measuring, font);
    bool created = true;
    for (const tarvane::ControlSpec& entry : tarvane::kControls) {
        if (CreateControl(window, instance, entry, PlaceOf(entry, measuring, dpi), font) ==
            nullptr) {
            created = false;
            break;
        }
    }
    SelectObject(measuring, previous);
    ReleaseDC(window, measuring);
    return created;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    DoStartupDuties();
    WNDCLASSEXW windowClass = bench::WindowClass(instance, L"TarvaneSameWindow");
    windowClass.lpfnWndProc = SameWindowProc;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_TARVANE));
    if (RegisterClassExW(&windowClass) == 0) {
        return 1;
    }
    const int dpi = ScreenDpi();
    const HWND window = CreateMainWindow(instance, windowClass.lpszClassName, dpi);
    if (window == nullptr || !CreateControls(window, instance, dpi)) {
        return 1;
    }
    bench::Show(window, showCommand);
    SetFocus(GetDlgItem(window, tarvane::kTxtSGAPath));
    return bench::RunMessages();
}
