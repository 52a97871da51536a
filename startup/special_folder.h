#pragma once
// The special-folder lookup: one folder path per id, always ending in a backslash, or the empty
// string when the platform does not give one.
#include <cstdint>
#include <functional>
#include <string>

namespace tarvane {

inline constexpr std::int32_t kSystemFolderId = 37;   // CSIDL_SYSTEM
inline constexpr std::int32_t kCommonAppDataId = 35;  // CSIDL_COMMON_APPDATA
inline constexpr std::size_t kPathBufferChars = 260;  // MAX_PATH

// Writes the folder's path, NUL-terminated, at the start of a buffer of kPathBufferChars
// characters (with room for one more NUL after them), or leaves the buffer as it was.
using SpecialFolderCall = std::function<void(wchar_t* buffer, std::int16_t id)>;

std::wstring GetSpecialFolder(std::int32_t id, const SpecialFolderCall& platformCall);

}  // namespace tarvane
