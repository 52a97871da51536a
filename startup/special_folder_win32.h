#pragma once
#include <cstdint>
#include <string>

namespace tarvane {

// The shell's special-folder lookup (SHGetSpecialFolderPathW), never creating the folder.
std::wstring GetSpecialFolder(std::int32_t id);

}  // namespace tarvane
