#pragma once
#include <windows.h>

#include <string>

namespace tarvane {

// The system's own words for an error code, as a user should read them in a message box.
std::wstring SystemErrorText(DWORD code);

}  // namespace tarvane
