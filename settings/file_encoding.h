#pragma once
// The profile functions write a file in the encoding they take it to have, and Windows takes a
// file to be Unicode only when it starts with the UTF-16LE byte-order mark. Any other file, one
// with a UTF-8 or UTF-16BE mark included, is read and written in the ANSI code page, the mark
// glued to its first line, and a path outside that code page turns into question marks. These
// rules decide what must happen to the file before a value is written.
#include <cstddef>
#include <string>
#include <string_view>

namespace tarvane {

enum class FileEncoding { Missing, Empty, Utf16Le, Utf16Be, Utf8, Ansi };

// The most of a file's start that tells its encoding: the longest byte-order mark.
inline constexpr std::size_t kEncodingMarkBytes = 3;

// Only the first kEncodingMarkBytes bytes of content are looked at.
FileEncoding DetectEncoding(bool exists, std::string_view content);

// The length of the byte-order mark that starts a file of this encoding.
std::size_t MarkBytes(FileEncoding encoding);

enum class Preparation {
    None,              // write as the file is
    CreateUnicode,     // no file yet: create one that holds only the UTF-16LE mark
    ConvertToUnicode,  // rewrite the whole file as UTF-16LE with its mark, keeping every line
};

// A file the profile functions treat as Unicode is written as it is. An older ANSI file stays as
// it is while the value can be written in the ANSI code page exactly. A file with another mark is
// converted whatever the value, as the profile functions would damage its first line; an empty
// file holds nothing worth keeping in ANSI, so it becomes Unicode at once.
Preparation PreparationFor(FileEncoding encoding, bool textFitsAnsiCodePage);

// Conversions bigger than this are refused: a settings file is a few lines.
inline constexpr std::size_t kLargestConvertibleBytes = 1 << 20;
inline constexpr wchar_t kTooLargeToConvertReason[] =
    L"The settings file is too large to convert to Unicode (over 1 MiB), so this path could not "
    L"be stored.";

// The UTF-16LE byte-order mark followed by the text, character for character.
std::string Utf16LeWithMark(std::wstring_view text);

// The UTF-16LE byte-order mark followed by the code units of UTF-16BE bytes (after their mark),
// each turned round. An odd last byte is half a unit that no text could hold, and is dropped.
std::string Utf16LeFromBigEndian(std::string_view unitsAfterMark);

}  // namespace tarvane
