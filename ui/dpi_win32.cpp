#include "ui/dpi_win32.h"

#include "base/late_functions_win32.h"
#include "base/scoped_win32.h"

namespace tarvane {
int WindowDpi(HWND window) {
    static const auto getDpiForWindow = FindGetDpiForWindow();
    if (getDpiForWindow != nullptr) {
        if (const UINT dpi = getDpiForWindow(window)) {
            return static_cast<int>(dpi);
        }
    }
    const ScopedWindowDC screen(nullptr);
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

RECT WindowRectForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi) {
    static const auto adjustForDpi = FindAdjustWindowRectExForDpi();
    RECT rect{0, 0, clientWidth, clientHeight};
    if (adjustForDpi != nullptr) {
        adjustForDpi(&rect, style, TRUE, exStyle, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&rect, style, TRUE, exStyle);
    }
    return rect;
}

}  // namespace tarvane
