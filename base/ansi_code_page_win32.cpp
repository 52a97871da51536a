#include "base/ansi_code_page_win32.h"

#include <windows.h>

namespace tarvane {

bool FitsAnsiCodePage(const std::wstring& text) {
    if (GetACP() == CP_UTF8 || text.empty()) {
        return true;
    }
    BOOL usedDefault = FALSE;
    const int bytes =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(),
                            static_cast<int>(text.size()), nullptr, 0, nullptr, &usedDefault);
    return bytes > 0 && !usedDefault;
}

}  // namespace tarvane
