#pragma once
#include <windows.h>

#include <string>

namespace tarvane {

// Makes sure the settings file at path can hold text before the profile functions write it:
// creates it as Unicode when it is missing, and converts it to UTF-16LE when PreparationFor says
// so. Only its first bytes are read unless it is converted. The new content is put in place by
// one rename, keeping the file's permissions and attributes, so a failure at any step leaves the
// old file untouched. Answers ERROR_SUCCESS, ERROR_FILE_TOO_LARGE for a file too large to
// convert, or the system's error.
DWORD PrepareToHold(const std::wstring& path, const std::wstring& text);

}  // namespace tarvane
