// The main window made in this process while a hook refuses one of its text boxes, as Windows lets
// any CBT hook refuse a window: the creation fails, and the start-up must still be able to say so.
#include <catch2/catch.hpp>

#include <windows.h>

#include "settings/settings_win32.h"
#include "support/printable.h"
#include "support/thread_hook_win32.h"
#include "ui/layout.h"
#include "ui/main_window_win32.h"

namespace tarvane::testing {
namespace {

HWND refusedParent = nullptr;

LRESULT CALLBACK RefuseOutputBox(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTW* created = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if (created->hwndParent != nullptr &&
            created->hMenu == reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTxtSGBOut))) {
            refusedParent = created->hwndParent;
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Windows destroys a window whose WM_CREATE fails, so it gets WM_DESTROY before CreateWindowExW
// returns; this Wine frees it without one. The window gets it here as on Windows (where a second
// one follows, which changes nothing).
LRESULT CALLBACK DestroyAsWindowsDoes(int code, WPARAM wParam, LPARAM lParam) {
    const CWPRETSTRUCT* sent = reinterpret_cast<CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_CREATE && sent->hwnd == refusedParent) {
        SendMessageW(sent->hwnd, WM_DESTROY, 0, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TEST_CASE("A window that cannot be created leaves no quit message and gives its reason in words",
          "[window]") {
    Win32SettingsFile settings(L"C:\\never-read.ini");  // creating the window reads no settings
    MainWindow window(GetModuleHandleW(nullptr), settings, L"");  // nor opens a dialog
    std::wstring failure;
    bool created = true;
    {
        const ThreadHook refuse(WH_CBT, RefuseOutputBox);
        const ThreadHook destroy(WH_CALLWNDPROCRET, DestroyAsWindowsDoes);
        created = window.Create(failure);
    }

    REQUIRE_FALSE(created);
    CHECK(window.Handle() == nullptr);
    // A pending quit message ends the next message box's loop before the user sees it.
    MSG pending{};
    CHECK_FALSE(PeekMessageW(&pending, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    CAPTURE(Printable(failure));
    CHECK_FALSE(failure.empty());
    CHECK(failure.find(L"error 0)") == std::wstring::npos);
}

}  // namespace tarvane::testing
