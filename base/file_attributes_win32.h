#pragma once
#include <string>

namespace tarvane {

// What a path names on disk, asked of its attributes without opening it. A path that cannot be
// asked about, for want of rights or of a drive, counts as missing.
enum class PathKind { Missing, Folder, File };

PathKind KindOfPath(const std::wstring& path);

inline bool IsFolder(const std::wstring& path) { return KindOfPath(path) == PathKind::Folder; }
inline bool IsFile(const std::wstring& path) { return KindOfPath(path) == PathKind::File; }

// A file that is neither hidden nor a system file: one that a user would see and could replace.
bool IsPlainFile(const std::wstring& path);

}  // namespace tarvane
