// Process and a settings file that another user of the computer owns: which owners bring the
// question, what it shows, and what each answer does.
#include <catch2/catch.hpp>

#include "ui/extraction.h"
#include "support/fakes.h"

namespace tarvane::testing {
namespace {

const std::wstring kTool = LR"(C:\Users\Public\Archive.exe)";
const std::wstring kMe = L"S-1-5-21-1004336348-1177238915-682003330-1001";
const std::wstring kOther = L"S-1-5-21-1004336348-1177238915-682003330-1002";

// A window whose next press of Process would start kTool, from a file of this owner.
struct PressWithOwner : FakeWindow {
    explicit PressWithOwner(std::optional<FileOwnership> owner) {
        settings.StoreArchiveTool(kTool);
        view.Type(L"C:\\Data.sga", L"C:\\Out");
        owners.owner = std::move(owner);
    }
};

}  // namespace

TEST_CASE("Only a settings file owned by another user brings the question") {
    struct Row {
        const char* name;
        std::optional<FileOwnership> owner;
        bool asks;
    };
    const Row row = GENERATE(
        Row{"the current user", FileOwnership{kMe, L"", kMe}, false},
        Row{"Administrators", FileOwnership{L"S-1-5-32-544", L"", kMe}, false},
        Row{"SYSTEM", FileOwnership{L"S-1-5-18", L"", kMe}, false},
        Row{"TrustedInstaller",
            FileOwnership{L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464", L"",
                          kMe},
            false},
        Row{"owner unreadable, as on FAT", std::nullopt, false},
        Row{"another user", FileOwnership{kOther, L"PC\\Mallory", kMe}, true},
        // Groups that take in ordinary users: any one of them may have named the tool.
        Row{"Users", FileOwnership{L"S-1-5-32-545", L"BUILTIN\\Users", kMe}, true},
        Row{"Guests", FileOwnership{L"S-1-5-32-546", L"BUILTIN\\Guests", kMe}, true},
        Row{"Everyone", FileOwnership{L"S-1-1-0", L"Everyone", kMe}, true},
        Row{"Authenticated Users",
            FileOwnership{L"S-1-5-11", L"NT AUTHORITY\\Authenticated Users", kMe}, true},
        Row{"the current user unreadable", FileOwnership{kMe, L"PC\\Me", L""}, true});
    CAPTURE(row.name);
    PressWithOwner window(row.owner);
    window.boxes.answerToQuestions = Answer::Yes;

    OnProcess(window.context);

    CHECK(window.boxes.shown.size() == (row.asks ? 1u : 0u));
    CHECK(window.launcher.started.size() == 1);
}

TEST_CASE("The question comes last, names tool and owner; only a Yes is kept, for that tool") {
    PressWithOwner window(FileOwnership{kOther, L"PC\\Mallory", kMe});

    OnProcess(window.context);  // No
    REQUIRE(window.boxes.shown.size() == 1);
    const Message& question = window.boxes.shown[0];
    CAPTURE(question);
    CHECK(question.text.find(kTool) != std::wstring::npos);
    CHECK(question.text.find(L"PC\\Mallory") != std::wstring::npos);
    CHECK((question.buttons == Buttons::YesNo && question.icon == Icon::Warning));
    CHECK(question.noIsDefault);
    CHECK(window.log.Names() == std::vector<std::string>{"Settings.Read", "View.ArchiveText",
                                                         "View.OutputText", "Boxes.Show"});

    OnProcess(window.context);  // asked again: No
    window.boxes.answerToQuestions = Answer::Yes;
    OnProcess(window.context);
    window.boxes.answerToQuestions = Answer::No;
    OnProcess(window.context);  // not asked again
    CHECK(window.boxes.shown.size() == 3);
    CHECK(window.launcher.started.size() == 2);

    window.settings.StoreArchiveTool(L"C:\\Users\\Public\\Other.exe");
    OnProcess(window.context);
    CHECK(window.boxes.shown.size() == 4);
    CHECK(window.launcher.started.size() == 2);
}

}  // namespace tarvane::testing
