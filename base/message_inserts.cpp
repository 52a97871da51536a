#include "base/message_inserts.h"

namespace tarvane {
namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

std::size_t DigitsEnd(std::wstring_view text, std::size_t from) {
    while (from < text.size() && IsDigit(text[from])) {
        ++from;
    }
    return from;
}

// An insert's number may be followed by its format between exclamation marks, as in %1!s!.
std::size_t FormatEnd(std::wstring_view text, std::size_t from) {
    if (from < text.size() && text[from] == L'!') {
        const std::size_t closing = text.find(L'!', from + 1);
        if (closing != std::wstring_view::npos) {
            return closing + 1;
        }
    }
    return from;
}

}  // namespace

std::wstring FillInserts(std::wstring_view text, std::wstring_view path) {
    std::wstring filled;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t numberEnd = DigitsEnd(text, at + 1);
        const std::wstring_view number = text.substr(at + 1, numberEnd - at - 1);
        if (text[at] != L'%' || number.empty() || number.front() == L'0') {
            filled += text[at++];
            continue;
        }
        if (number == L"1") {
            filled += path;
        }
        at = FormatEnd(text, numberEnd);
    }
    return filled;
}

}  // namespace tarvane
