#pragma once
// UTF-8 for the Windows tests' logs and messages, which Catch2 and files hold as narrow text.
#include <string>

namespace tarvane::testing {

std::wstring FromUtf8(const std::string& text);
std::string ToUtf8(const std::wstring& text);
// In any code page, such as CP_ACP for the files older programs wrote.
std::string ToCodePage(const std::wstring& text, unsigned codePage);

}  // namespace tarvane::testing
