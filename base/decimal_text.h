#pragma once
// Whole numbers in text: error codes and limits in messages, process ids in file names.
//
// Not std::to_wstring: MinGW-w64's C++ library builds it on the C library's wide printf, and with
// that comes the whole of its floating-point formatting, about 26 KiB of an exe that never shows
// a fraction. std::to_string formats whole numbers itself, and digits widen one to one.
#include <string>

namespace tarvane {

inline std::wstring DecimalText(unsigned long long value) {
    const std::string digits = std::to_string(value);
    return std::wstring(digits.begin(), digits.end());
}

}  // namespace tarvane
