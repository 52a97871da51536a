#include "settings/file_owner.h"

namespace tarvane {
namespace {

// BUILTIN\Administrators, NT AUTHORITY\SYSTEM and NT SERVICE\TrustedInstaller.
constexpr const wchar_t* kComputerWideOwners[] = {
    L"S-1-5-32-544",
    L"S-1-5-18",
    L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464",
};

}  // namespace

bool OwnedByAnotherUser(const FileOwnership& ownership) {
    if (ownership.ownerSid == ownership.currentUserSid) {
        return false;
    }
    for (const wchar_t* owner : kComputerWideOwners) {
        if (ownership.ownerSid == owner) {
            return false;
        }
    }
    return true;
}

}  // namespace tarvane
