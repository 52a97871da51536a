#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace tarvane {

// Bytes in a code page as UTF-16. With MB_ERR_INVALID_CHARS among the flags, bytes that are not
// valid in that code page give the empty string, as does no text at all.
std::wstring DecodeText(UINT codePage, DWORD flags, std::string_view bytes);

}  // namespace tarvane
