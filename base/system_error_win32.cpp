#include "base/system_error_win32.h"

#include "base/decimal_text.h"
#include "base/message_inserts.h"
#include "base/scoped_win32.h"

namespace tarvane {

std::wstring SystemErrorText(DWORD code, std::wstring_view path) {
    ScopedLocalMemory<wchar_t*> text;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(text.receive()), 0, nullptr);
    std::wstring words =
        length ? FillInserts(std::wstring_view(text.get(), length), path) : L"Unknown error.";
    while (!words.empty() &&
           (words.back() == L'\r' || words.back() == L'\n' || words.back() == L' ')) {
        words.pop_back();
    }
    return words + L" (error " + DecimalText(code) + L")";
}

}  // namespace tarvane
