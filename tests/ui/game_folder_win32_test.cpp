// The pickers' drive-type question against the real system, run by
// support/with_wine_network_drive.sh, which makes N: a network drive before the program starts.
#include <catch2/catch.hpp>

#include "ui/game_folder_win32.h"

TEST_CASE("A network drive is told remote; the local drive is not", "[install records]") {
    tarvane::Win32InstallRecords records;
    REQUIRE(records.FolderExists(L"N:\\"));
    CHECK(records.IsRemoteDrive(L'N'));
    CHECK_FALSE(records.IsRemoteDrive(L'C'));
}
