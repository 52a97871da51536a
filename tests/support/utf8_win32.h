#pragma once
// UTF-8 for the Windows tests' logs and messages, which Catch2 and files hold as narrow text, and
// the encodings of the settings files: UTF-16LE after a mark as the program writes them, or the
// ANSI code page of older versions.
#include <optional>
#include <string>

namespace tarvane::testing {

std::wstring FromUtf8(const std::string& text);
std::string ToUtf8(const std::wstring& text);
// In any code page, such as CP_ACP for the files older programs wrote.
std::string ToCodePage(const std::wstring& text, unsigned codePage);
std::wstring FromCodePage(const std::string& bytes, unsigned codePage);

// The mark that starts a UTF-16LE file.
inline const std::string kUtf16Mark = "\xFF\xFE";
// The bytes of a UTF-16LE file holding text, mark first.
std::string ToUtf16File(const std::wstring& text);
// The text of a UTF-16LE file after its mark; nothing when the bytes do not start with the mark.
std::optional<std::wstring> FromUtf16File(const std::string& bytes);

}  // namespace tarvane::testing
