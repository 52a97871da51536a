// The program's entry: restricts where DLLs come from, fixes where the settings live, makes sure
// of the common-dialog component, opens the main window and runs its message loop until the
// window is gone.
#include <windows.h>
#include <commctrl.h>

#include "settings/settings_win32.h"
#include "startup/component_win32.h"
#include "startup/ini_location_win32.h"
#include "startup/process_defences_win32.h"
#include "startup/special_folder.h"
#include "startup/special_folder_win32.h"
#include "ui/main_window_win32.h"
#include "ui/start_paths_win32.h"

namespace tarvane {
namespace {

int RunMessageLoop(MainWindow& window) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // An open suggestion list takes Esc and Enter first. F1 works from anywhere in the window;
        // Tab, Shift+Tab and Alt keys move between controls.
        if (window.Handle() != nullptr &&
            (window.TakenByCompletion(message) ||
             TranslateAcceleratorW(window.Handle(), window.Accelerators(), &message) ||
             IsDialogMessageW(window.Handle(), &message))) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

int Main(HINSTANCE instance, int showCommand) {
    const std::wstring iniFilePath = IniFilePath();
    Win32ComponentPlatform component(instance);
    EnsureComponentInstalled(component);

    Win32SettingsFile settings(iniFilePath);
    MainWindow window(instance, settings, GetSpecialFolder(kSystemFolderId));
    std::wstring failure;
    if (!window.Create(failure)) {
        MessageBoxW(nullptr, (L"Tarvane could not open its window.\r\n\r\n" + failure).c_str(),
                    L"Tarvane", MB_OK | MB_ICONERROR);
        return 1;
    }
    window.Load();
    window.FillBoxes(StartPaths());
    window.Show(showCommand);
    return RunMessageLoop(window);
}

}  // namespace
}  // namespace tarvane

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    // Before anything can load a library. The DLLs that the exe imports are loaded before this
    // line, out of any code's reach; each is one of the system's known DLLs (or a DLL that those
    // import themselves), which Windows takes from the system folder only, except comctl32, which
    // the manifest takes from the system's side-by-side store.
    tarvane::Win32ProcessDefences defences;
    tarvane::DefendProcess(defences, tarvane::kThisProcessBits);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    return tarvane::Main(instance, showCommand);
}
