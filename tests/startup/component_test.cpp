// The decisions of the common-dialog component's install, against a faked machine.
#include <catch2/catch.hpp>

#include "startup/component.h"
#include "support/fakes.h"

namespace tarvane::testing {
namespace {

const std::wstring kSystem = L"C:\\Windows\\System32\\";
const std::wstring kTarget = kSystem + L"COMDLG32.OCX";

std::vector<std::byte> SomeBytes(std::size_t count) {
    std::vector<std::byte> bytes(count);
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<std::byte>(i * 7 + 3);
    }
    return bytes;
}

TEST_CASE("The component is written only when it is missing and a copy is carried") {
    struct Case {
        const char* name;
        std::deque<std::wstring> systemFolders;
        bool present;
        bool carried;
        bool writeSucceeds;
        InstallOutcome expected;
    };
    const Case cases[] = {
        {"present", {kSystem}, true, true, true, InstallOutcome::AlreadyPresent},
        {"present, no copy carried", {kSystem}, true, false, true, InstallOutcome::AlreadyPresent},
        // A hidden or system file, or a folder, of that name is no plain file: it counts as
        // missing.
        {"missing", {kSystem}, false, true, true, InstallOutcome::Written},
        {"missing, no copy carried", {kSystem}, false, false, true, InstallOutcome::NoEmbeddedCopy},
        {"missing, folder not writable",
         {kSystem},
         false,
         true,
         false,
         InstallOutcome::WriteFailed},
        {"system folder unknown", {L""}, false, true, true, InstallOutcome::NoSystemFolder},
        {"system folder lost before the write",
         {kSystem, L""},
         false,
         true,
         true,
         InstallOutcome::NoSystemFolder},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        CallLog log;
        FakeComponentPlatform platform(log);
        platform.systemFolders = c.systemFolders;
        if (c.present) {
            platform.plainFiles.insert(kTarget);
        }
        if (c.carried) {
            platform.embedded = SomeBytes(140288);
        }
        platform.writeSucceeds = c.writeSucceeds;

        CHECK(EnsureComponentInstalled(platform) == c.expected);

        const bool writeTried =
            c.expected == InstallOutcome::Written || c.expected == InstallOutcome::WriteFailed;
        CHECK(log.Contains("Platform.WriteWholeFile") == writeTried);
        CHECK(platform.written.empty() == (c.expected != InstallOutcome::Written));
    }
}

TEST_CASE("A present component is neither read from the program nor written") {
    CallLog log;
    FakeComponentPlatform platform(log);
    platform.systemFolders = {kSystem};
    platform.plainFiles.insert(kTarget);
    platform.embedded = SomeBytes(16);

    REQUIRE(EnsureComponentInstalled(platform) == InstallOutcome::AlreadyPresent);
    CHECK(log.Names() ==
          std::vector<std::string>{"Platform.SystemFolder", "Platform.PlainFileExists"});
    CHECK(log.Calls()[1].detail == kTarget);
}

TEST_CASE("A missing component is written whole into the system folder") {
    CallLog log;
    FakeComponentPlatform platform(log);
    platform.systemFolders = {kSystem};
    platform.embedded = SomeBytes(140288);

    REQUIRE(EnsureComponentInstalled(platform) == InstallOutcome::Written);
    REQUIRE(platform.written.size() == 1);
    CHECK(platform.written.begin()->first == kTarget);
    CHECK(platform.written.begin()->second == *platform.embedded);
}

TEST_CASE("Without a system folder nothing is looked up or dropped into the working folder") {
    CallLog log;
    FakeComponentPlatform platform(log);
    platform.systemFolders = {L""};
    platform.embedded = SomeBytes(16);

    REQUIRE(EnsureComponentInstalled(platform) == InstallOutcome::NoSystemFolder);
    CHECK_FALSE(log.Contains("Platform.PlainFileExists"));
    CHECK_FALSE(log.Contains("Platform.WriteWholeFile"));
}

}  // namespace
}  // namespace tarvane::testing
