#include "shell/system_error_win32.h"

#include "shell/decimal_text.h"
#include "shell/message_inserts.h"

namespace tarvane {

std::wstring SystemErrorText(DWORD code, std::wstring_view path) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring words =
        length ? FillInserts(std::wstring_view(text, length), path) : L"Unknown error.";
    LocalFree(text);
    while (!words.empty() &&
           (words.back() == L'\r' || words.back() == L'\n' || words.back() == L' ')) {
        words.pop_back();
    }
    return words + L" (error " + DecimalText(code) + L")";
}

}  // namespace tarvane
