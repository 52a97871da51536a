#pragma once
#include <windows.h>

#include <string>

namespace tarvane {

// Makes sure the settings file at path can hold text before the profile functions write it:
// creates it as Unicode when it is missing, and converts an older ANSI file when text does not
// fit the ANSI code page. The new content is put in place by one rename, so a failure at any
// step leaves the old file untouched. Answers ERROR_SUCCESS or the system's error.
DWORD PrepareToHold(const std::wstring& path, const std::wstring& text);

}  // namespace tarvane
