#include "base/late_functions_win32.h"

namespace tarvane {
namespace {

template <typename Function>
Function FunctionOf(HMODULE library, const char* name) {
    if (library == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// user32 is loaded in every program with a window.
template <typename Function>
Function User32Function(const char* name) {
    return FunctionOf<Function>(GetModuleHandleW(L"user32.dll"), name);
}

}  // namespace

GetDpiForWindowFunction FindGetDpiForWindow() {
    return User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
}

AdjustWindowRectExForDpiFunction FindAdjustWindowRectExForDpi() {
    return User32Function<AdjustWindowRectExForDpiFunction>("AdjustWindowRectExForDpi");
}

ChangeWindowMessageFilterExFunction FindChangeWindowMessageFilterEx() {
    return User32Function<ChangeWindowMessageFilterExFunction>("ChangeWindowMessageFilterEx");
}

ChangeWindowMessageFilterFunction FindChangeWindowMessageFilter() {
    return User32Function<ChangeWindowMessageFilterFunction>("ChangeWindowMessageFilter");
}

GetOpenFileNameFunction FindGetOpenFileName() {
    constexpr wchar_t kLibrary[] = L"comdlg32.dll";
    HMODULE library = GetModuleHandleW(kLibrary);
    if (library == nullptr) {
        library = LoadLibraryW(kLibrary);
    }
    return FunctionOf<GetOpenFileNameFunction>(library, "GetOpenFileNameW");
}

}  // namespace tarvane
