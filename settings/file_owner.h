#pragma once
// The settings file is shared by every user of the computer, and on Windows Vista and later a
// standard user who creates a file owns it and may change it. Who owns the file tells whether the
// tool it names may have been chosen by another user.
#include <optional>
#include <string>

namespace tarvane {

// Security identifiers in their text form, "S-1-5-...".
struct FileOwnership {
    std::wstring ownerSid;
    std::wstring ownerAccount;    // DOMAIN\name; filled in only for an owner that is another user
    std::wstring currentUserSid;  // the user this program runs as; empty when it cannot be read
};

class FileOwners {
  public:
    virtual ~FileOwners() = default;
    // None where the file's owner cannot be read, as on a FAT volume, which keeps no owners.
    virtual std::optional<FileOwnership> OwnerOf(const std::wstring& path) = 0;
};

// True unless the file belongs to the user this program runs as, or to Administrators, SYSTEM or
// TrustedInstaller, who can change any file of the computer anyway.
bool OwnedByAnotherUser(const FileOwnership& ownership);

}  // namespace tarvane
