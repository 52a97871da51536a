#pragma once
// The folder that the Archive.exe dialog shows first: where the game really lives on this
// machine, as the retail installer and Steam recorded it, looked up only when the dialog is about
// to open.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvane {

inline constexpr wchar_t kDefaultGameFolder[] = L"C:\\Program Files\\THQ\\Company of Heroes";

enum class RegistryRoot {
    LocalMachine32,  // HKEY_LOCAL_MACHINE as 32-bit programs see it, where the installers wrote
    CurrentUser,
};

// What the machine tells about the game's installation and the folders around it.
class InstallRecords {
  public:
    virtual ~InstallRecords() = default;
    // A text value of the registry; nothing when the key or the value is missing, is not text,
    // is too long or is not terminated.
    virtual std::optional<std::wstring> RegistryText(RegistryRoot root, const wchar_t* key,
                                                     const wchar_t* name) = 0;
    virtual bool FolderExists(const std::wstring& path) = 0;
    // Whether the drive of this letter is a network drive.
    virtual bool IsRemoteDrive(wchar_t drive) = 0;
    virtual bool FileExists(const std::wstring& path) = 0;
    // A small UTF-8 text file; nothing when it is missing, unreadable, too large or not UTF-8.
    virtual std::optional<std::wstring> ReadTextFile(const std::wstring& path) = 0;
};

// The Steam libraries that libraryfolders.vdf lists, in its order: "path" entries of today's
// file, numbered entries of the older one. None when the file is malformed or cut short; Steam
// writes every key and value in quotes, without comments.
std::vector<std::wstring> SteamLibraries(std::wstring_view vdf);

// The first place the game may be in that holds Archive.exe; else the first that exists; else
// the retail game's default folder.
std::wstring GameFolder(InstallRecords& records);

}  // namespace tarvane
