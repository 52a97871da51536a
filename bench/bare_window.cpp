// The start-up and memory baseline: a bare Win32 program that opens one empty window, built with
// the same flags as Tarvane.exe. It ends when its window is closed.
//
// Built with TARVANE_BENCH_STYLED (bare_window_styled.exe), it also does what Tarvane.exe must
// do before its window shows and that costs time only in system libraries: visual styles
// (Tarvane's own manifest, common controls 6) and the shell's special-folder lookups of the
// settings folder and the system folder.
#include <windows.h>
#ifdef TARVANE_BENCH_STYLED
#include <commctrl.h>
#include <shlobj.h>
#endif

namespace {

constexpr wchar_t kClassName[] = L"TarvaneBareWindow";

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0;
}

#ifdef TARVANE_BENCH_STYLED
void LoadWhatTarvaneLoads() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    wchar_t folder[MAX_PATH + 1] = {};
    SHGetSpecialFolderPathW(nullptr, folder, CSIDL_COMMON_APPDATA, FALSE);
    SHGetSpecialFolderPathW(nullptr, folder, CSIDL_SYSTEM, FALSE);
}
#endif

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
#ifdef TARVANE_BENCH_STYLED
    LoadWhatTarvaneLoads();
#endif
    if (!RegisterWindowClass(instance)) {
        return 1;
    }
    // The same outer size and style as Tarvane's window at 96 DPI.
    const HWND window = CreateWindowExW(
        0, kClassName, L"Bare window", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
        CW_USEDEFAULT, 303, 166, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
