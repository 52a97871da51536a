#pragma once
// The one way the tests print wide text in failure messages, on Linux and Windows alike: ASCII as
// it is, anything else as \uXXXX (\UXXXXXXXX), so that a path in any script reads the same in
// every log whatever the console's code page.
#include <string>

namespace tarvane::testing {

inline std::string Printable(const std::wstring& text) {
    static const char kHex[] = "0123456789abcdef";
    std::string out;
    for (const wchar_t c : text) {
        const auto code = static_cast<unsigned long>(c);
        if (code >= 0x20 && code < 0x7f) {
            out += static_cast<char>(code);
            continue;
        }
        const bool beyondBmp = code > 0xffff;  // only where wchar_t holds 32 bits
        out += beyondBmp ? "\\U" : "\\u";
        for (int shift = beyondBmp ? 28 : 12; shift >= 0; shift -= 4) {
            out += kHex[(code >> shift) & 0xf];
        }
    }
    return out;
}

}  // namespace tarvane::testing
