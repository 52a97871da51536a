#include "support/utf8_win32.h"

#include <windows.h>

namespace tarvane::testing {

std::string ToCodePage(const std::wstring& text, unsigned codePage) {
    if (text.empty()) {
        return {};
    }
    const int size = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}

std::wstring FromCodePage(const std::string& bytes, unsigned codePage) {
    if (bytes.empty()) {
        return {};
    }
    const int size =
        MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                        size);
    return text;
}

std::string ToUtf8(const std::wstring& text) { return ToCodePage(text, CP_UTF8); }

std::wstring FromUtf8(const std::string& text) { return FromCodePage(text, CP_UTF8); }

std::string ToUtf16File(const std::wstring& text) {
    std::string bytes = kUtf16Mark;
    for (wchar_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>((c >> 8) & 0xFF);
    }
    return bytes;
}

std::optional<std::wstring> FromUtf16File(const std::string& bytes) {
    if (bytes.compare(0, kUtf16Mark.size(), kUtf16Mark) != 0) {
        return std::nullopt;
    }
    std::wstring text((bytes.size() - kUtf16Mark.size()) / 2, L'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t at = kUtf16Mark.size() + 2 * i;
        text[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[at]) |
                                       static_cast<unsigned char>(bytes[at + 1]) << 8);
    }
    return text;
}

}  // namespace tarvane::testing
