#pragma once
#include <windows.h>

#include <string>

namespace tarvane {

// True when text can be written in the ANSI code page exactly: no default character and no
// best-fit look-alike. Where the ANSI code page is UTF-8, everything fits.
bool FitsAnsiCodePage(const std::wstring& text);

// Makes sure the settings file at path can hold text before the profile functions write it:
// creates it as Unicode when it is missing, and converts an older ANSI file when text does not
// fit the ANSI code page. The new content is put in place by one rename, so a failure at any
// step leaves the old file untouched. Answers ERROR_SUCCESS or the system's error.
DWORD PrepareToHold(const std::wstring& path, const std::wstring& text);

}  // namespace tarvane
