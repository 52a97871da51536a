#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace tarvane {

// The system's own words for an error code, as a user should read them in a message box, with the
// path concerned (the program started, the file written) in place of the text's %1.
std::wstring SystemErrorText(DWORD code, std::wstring_view path = {});

}  // namespace tarvane
