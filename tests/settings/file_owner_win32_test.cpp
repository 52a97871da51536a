// A file's owner as Windows records it: a file this program makes is its user's (or, run
// elevated, Administrators'), so the settings file it writes never brings the question.
#include <catch2/catch.hpp>

#include "settings/file_owner_win32.h"
#include "support/printable.h"
#include "support/win32_files.h"

namespace tarvane::testing {

TEST_CASE("A file made by this program has an owner that needs no question", "[owner]") {
    ScratchFolder folder(L"file-owner");
    const std::wstring path = folder.Path() + L"tarvane.ini";
    WriteWholeFile(path, "[Paths]\r\n");
    Win32FileOwners owners;

    const std::optional<FileOwnership> owner = owners.OwnerOf(path);

    REQUIRE(owner);
    CAPTURE(Printable(owner->ownerSid), Printable(owner->currentUserSid));
    CHECK(owner->ownerSid.starts_with(L"S-1-"));
    CHECK(owner->currentUserSid.starts_with(L"S-1-5-"));
    CHECK_FALSE(OwnedByAnotherUser(*owner));
    CHECK_FALSE(owners.OwnerOf(folder.Path() + L"missing.ini"));
}

}  // namespace tarvane::testing
