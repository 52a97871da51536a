#include "launch/path_forms_win32.h"

#include <windows.h>

#include "base/ansi_code_page_win32.h"

namespace tarvane {

bool Win32PathForms::FitsAnsiCodePage(const std::wstring& text) {
    return tarvane::FitsAnsiCodePage(text);
}

std::wstring Win32PathForms::ShortForm(const std::wstring& path) {
    std::wstring form(MAX_PATH, L'\0');
    // The answer counts the terminating NUL when the buffer was too small; a second round covers
    // a folder renamed in between.
    for (int round = 0; round < 2; ++round) {
        const DWORD chars =
            GetShortPathNameW(path.c_str(), form.data(), static_cast<DWORD>(form.size() + 1));
        if (chars == 0) {
            return L"";
        }
        if (chars <= form.size()) {
            form.resize(chars);
            return form;
        }
        form.resize(chars);
    }
    return L"";
}

}  // namespace tarvane
