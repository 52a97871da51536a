#pragma once
// The way a Windows program's C runtime splits its command line into argv, for checking that
// what the program builds arrives as the strings that went in.
#include <string>
#include <vector>

namespace tarvane::testing {

std::vector<std::wstring> ParseWindowsCommandLine(const std::wstring& commandLine);

}  // namespace tarvane::testing
