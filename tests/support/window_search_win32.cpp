#include "support/window_search_win32.h"

#include <array>
#include <stdexcept>

#include "support/utf8_win32.h"

namespace tarvane::testing {
namespace {

struct Search {
    DWORD processId;  // 0: any process
    const wchar_t* className;
    bool visibleOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK CheckWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if ((search.processId == 0 || processId == search.processId) &&
        (!search.visibleOnly || IsWindowVisible(window)) &&
        (search.className == nullptr ||
         lstrcmpiW(ClassNameOf(window).c_str(), search.className) == 0)) {
        search.found.push_back(window);
    }
    return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindowsOf(DWORD processId, const wchar_t* className) {
    Search search{processId, className, false, {}};
    EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindVisibleThreadWindow(DWORD threadId, const wchar_t* className) {
    Search search{0, className, true, {}};
    EnumThreadWindows(threadId, CheckWindow, reinterpret_cast<LPARAM>(&search));
    return search.found.empty() ? nullptr : search.found.front();
}

std::wstring ClassNameOf(HWND window) {
    std::array<wchar_t, 256> name{};
    return std::wstring(name.data(),
                        GetClassNameW(window, name.data(), static_cast<int>(name.size())));
}

std::wstring WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &length)) {
        throw std::runtime_error("the window does not answer WM_GETTEXTLENGTH");
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied)) {
        throw std::runtime_error("the window does not answer WM_GETTEXT");
    }
    text.resize(copied);
    return text;
}

}  // namespace tarvane::testing
