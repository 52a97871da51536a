#pragma once
// The profile functions write a file in the encoding it already has: a file without a Unicode
// byte-order mark is written in the ANSI code page, where a path outside that code page turns
// into question marks. These rules decide what must happen to the file before a value is written.
#include <string>
#include <string_view>

namespace tarvane {

enum class FileEncoding { Missing, Empty, Unicode, Ansi };

// A file that starts with a UTF-16 (either order) or UTF-8 byte-order mark is Unicode.
FileEncoding DetectEncoding(bool exists, std::string_view content);

enum class Preparation {
    None,              // write as the file is
    CreateUnicode,     // no file yet: create one that holds only the UTF-16LE mark
    ConvertToUnicode,  // rewrite the whole file as UTF-16LE with its mark, keeping every line
};

// An older ANSI file stays as it is while the value can be written in the ANSI code page exactly;
// an empty file holds nothing worth keeping in ANSI, so it becomes Unicode at once.
Preparation PreparationFor(FileEncoding encoding, bool textFitsAnsiCodePage);

// The UTF-16LE byte-order mark followed by the text, character for character.
std::string Utf16LeWithMark(std::wstring_view text);

}  // namespace tarvane
