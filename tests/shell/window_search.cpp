#include "shell/window_search.h"

namespace tarvane::testing {
namespace {

struct Search {
    DWORD processId;
    const wchar_t* className;
    HWND found;
};

bool HasClass(HWND window, const wchar_t* className) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return lstrcmpiW(name, className) == 0;
}

BOOL CALLBACK CheckWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if ((search.processId == 0 || processId == search.processId) && IsWindowVisible(window) &&
        HasClass(window, search.className)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindVisibleProcessWindow(DWORD processId, const wchar_t* className) {
    Search search{processId, className, nullptr};
    EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindVisibleThreadWindow(DWORD threadId, const wchar_t* className) {
    Search search{0, className, nullptr};
    EnumThreadWindows(threadId, CheckWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace tarvane::testing
