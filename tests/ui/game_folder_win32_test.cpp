// The drive-type question of the pickers against the real system, run by
// support/with_wine_network_drive.sh, which makes N: a network drive before the program starts.
#include <catch2/catch.hpp>

#include "ui/game_folder_win32.h"

namespace tarvane::testing {
namespace {

TEST_CASE("A network drive is told remote; the local drive is not", "[install records]") {
    Win32InstallRecords records;
    REQUIRE(records.FolderExists(L"N:\\"));
    CHECK(records.IsRemoteDrive(L'N'));
    CHECK(records.IsRemoteDrive(L'n'));
    CHECK_FALSE(records.IsRemoteDrive(L'C'));
}

}  // namespace
}  // namespace tarvane::testing
