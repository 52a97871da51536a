#pragma once
// The rules of a path's text, as the user types or pastes it and as the program builds it: one
// place for every box, picker and lookup, so that no two of them read the same text differently.
// Text only: nothing here asks the disk or the system.
#include <string>
#include <string_view>

namespace tarvane::path {

// A blank or a tab, the white space that surrounds a path pasted or typed into a box.
bool IsBlank(wchar_t c);

// The text without the blanks and tabs around it.
std::wstring_view Trimmed(std::wstring_view text);

// The path that a box's text names. Explorer's "Copy as path" puts a path in double quotes, so a
// text that is, blanks and tabs around it aside, one pair of quotes around a text with no other
// quote names the text inside them, blanks inside kept ("" names nothing). Any other text is
// taken as it stands, quotes and blanks included, for the caller's own checks to judge.
std::wstring FromBox(const std::wstring& text);

// Whether the text is a full path on a drive letter, written with backslashes: "C:\" and what
// follows it, holding no character that no Windows path holds (a quote, a wildcard, a forward
// slash, a second colon, a control character). A share, a device path, a relative path or
// "C:x" is not.
bool IsFullDrivePath(std::wstring_view text);

// A name inside a folder, with one backslash between them whether or not the folder ends in one.
std::wstring Join(std::wstring folder, std::wstring_view name);

// The folder that holds a full path's last part; a drive root keeps its backslash ("C:\x" gives
// "C:\"). "" for a text without a backslash.
std::wstring Folder(std::wstring fullPath);

}  // namespace tarvane::path
