#pragma once
#include <string>

namespace tarvane {

// True when text can be written in the ANSI code page exactly: no default character and no
// best-fit look-alike. Where the ANSI code page is UTF-8, everything fits.
bool FitsAnsiCodePage(const std::wstring& text);

}  // namespace tarvane
