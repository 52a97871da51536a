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
    if (content.starts_with("\xFF\xFE")) {
        return FileEncoding::Utf16Le;
    }
    if (content.starts_with("\xFE\xFF")) {
        return FileEncoding::Utf16Be;
    }
    return content.starts_with("\xEF\xBB\xBF") ? FileEncoding::Utf8 : FileEncoding::Ansi;
}

std::size_t MarkBytes(FileEncoding encoding) {
    switch (encoding) {
        case FileEncoding::Utf16Le:
        case FileEncoding::Utf16Be:
            return 2;
        case FileEncoding::Utf8:
            return 3;
        default:
            return 0;
    }
}

Preparation PreparationFor(FileEncoding encoding, bool textFitsAnsiCodePage) {
    switch (encoding) {
        case FileEncoding::Missing:
            return Preparation::CreateUnicode;
        case FileEncoding::Ansi:
            return textFitsAnsiCodePage ? Preparation::None : Preparation::ConvertToUnicode;
        case FileEncoding::Empty:
        case FileEncoding::Utf16Be:
        case FileEncoding::Utf8:
            return Preparation::ConvertToUnicode;
        case FileEncoding::Utf16Le:
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

std::string Utf16LeFromBigEndian(std::string_view unitsAfterMark) {
    std::string bytes = "\xFF\xFE";
    for (std::size_t i = 0; i + 1 < unitsAfterMark.size(); i += 2) {
        bytes += unitsAfterMark[i + 1];
        bytes += unitsAfterMark[i];
    }
    return bytes;
}

}  // namespace tarvane
