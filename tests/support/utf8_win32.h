#pragma once
// UTF-8 for the Windows tests' logs and messages, which Catch2 and files hold as narrow text.
#include <string>

namespace tarvane::testing {

std::wstring FromUtf8(const std::string& text);
std::string ToUtf8(const std::wstring& text);

}  // namespace tarvane::testing
