#include "settings/file_encoding.h"

namespace tarvane {
namespace {

void AppendUnit(std::string& bytes, char32_t unit) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>((unit >> 8) & 0xFF);
}

}  // namespace

FileEncoding DetectEncoding(bool exists, std::string_view content) {
    if (!exists) {
        return FileEncoding::Missing;
    }
    if (content.empty()) {
        return FileEncoding::Empty;
    }
    const bool unicode = content.starts_with("\xFF\xFE") || content.starts_with("\xFE\xFF") ||
                         content.starts_with("\xEF\xBB\xBF");
    return unicode ? FileEncoding::Unicode : FileEncoding::Ansi;
}

Preparation PreparationFor(FileEncoding encoding, bool textFitsAnsiCodePage) {
    switch (encoding) {
        case FileEncoding::Missing:
            return Preparation::CreateUnicode;
        case FileEncoding::Empty:
            return Preparation::ConvertToUnicode;
        case FileEncoding::Ansi:
            return textFitsAnsiCodePage ? Preparation::None : Preparation::ConvertToUnicode;
        case FileEncoding::Unicode:
            break;
    }
    return Preparation::None;
}

std::string Utf16LeWithMark(std::wstring_view text) {
    std::string bytes = "\xFF\xFE";
    for (const wchar_t c : text) {
        const auto code = static_cast<char32_t>(c);
        // Where wchar_t holds whole code points, those beyond the first plane take two units.
        if (code > 0xFFFF) {
            AppendUnit(bytes, 0xD800 + ((code - 0x10000) >> 10));
            AppendUnit(bytes, 0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            AppendUnit(bytes, code);
        }
    }
    return bytes;
}

}  // namespace tarvane
