// The archive tool's location: the first-start question and Tools > Set Archive.exe Path.
#include <catch2/catch.hpp>

#include "support/fakes.h"
#include "ui/pickers.h"
#include "ui/tool_location.h"

namespace tarvane::testing {
namespace {

const Message kQuestion{L"You need to set your Archive.exe path\r\nwould you like to do that now?",
                        L"Tarvane", Buttons::YesNo, Icon::Question};
const std::wstring kChosen = LR"(C:\Program Files\THQ\Company of Heroes\Archive.exe)";
const std::wstring kStored = LR"(D:\Games\CoH\Archive.exe)";

// One dialog, the same in both places.
const std::vector<OpenFileRequest> kToolDialog{{L"Select Archive.exe in CoH folder",
                                                LR"(C:\Program Files\THQ\Company of Heroes)",
                                                L"Archive.exe|archive.exe"}};

TEST_CASE("A stored location suppresses the first-start question") {
    for (const std::wstring& stored : {kStored, L"\"" + kStored + L"\"", std::wstring(L"ab")}) {
        CAPTURE(Printable(stored));
        FakeWindow window;
        window.settings.StoreArchiveTool(stored);
        OnLoad(window.context);
        CHECK(window.log.Names() == std::vector<std::string>{"Settings.Read"});
        CHECK(window.settings.ArchiveToolRaw() == stored);
    }
}

TEST_CASE("Without a location the first start asks, and No leaves everything as it was") {
    for (const std::optional<std::wstring>& stored :
         {std::optional<std::wstring>{}, std::optional<std::wstring>{L""},
          std::optional<std::wstring>{L"C"}, std::optional<std::wstring>{LR"("")"}}) {
        FakeWindow window;
        if (stored) {
            window.settings.StoreArchiveTool(*stored);
        }
        window.boxes.answerToQuestions = Answer::No;

        OnLoad(window.context);

        REQUIRE(window.boxes.shown.size() == 1);
        CHECK(window.boxes.shown[0] == kQuestion);
        CHECK(window.log.Names() == std::vector<std::string>{"Settings.Read", "Boxes.Show"});
        CHECK(window.settings.ArchiveToolRaw() == stored);
    }
}

TEST_CASE("Yes at the first start stores the chosen file bare, without a confirmation") {
    FakeWindow window;
    window.boxes.answerToQuestions = Answer::Yes;
    window.dialog.WillChoose(kChosen);

    OnLoad(window.context);

    CHECK(window.dialog.requests == kToolDialog);
    CHECK(window.settings.ArchiveToolRaw() == kChosen);
    CHECK(window.boxes.shown == std::vector<Message>{kQuestion});
    CHECK(ReadIniValue(window.settings, kPathsSection, kArchiveKey) == kChosen);
}

TEST_CASE("A cancel at the first start stores nothing, and the next start asks again") {
    FakeWindow window;
    window.boxes.answerToQuestions = Answer::Yes;
    window.dialog.WillCancel();

    OnLoad(window.context);
    CHECK(window.dialog.requests == kToolDialog);
    CHECK_FALSE(window.log.Contains("Settings.Write"));
    CHECK_FALSE(window.settings.ArchiveToolRaw().has_value());

    window.boxes.answerToQuestions = Answer::No;
    OnLoad(window.context);
    CHECK(window.boxes.shown == std::vector<Message>{kQuestion, kQuestion});
}

TEST_CASE("Tools > Set Archive.exe Path stores the chosen file in quotes, replacing the old one") {
    FakeWindow window;
    window.settings.StoreArchiveTool(kStored);
    window.view.Type(L"typed.sga", L"typed folder");
    window.dialog.WillChoose(kChosen);

    OnSetToolPath(window.context);

    CHECK(window.dialog.requests == kToolDialog);
    CHECK(window.settings.ArchiveToolRaw() == L"\"" + kChosen + L"\"");
    CHECK(ReadIniValue(window.settings, kPathsSection, kArchiveKey) == kChosen);
    CHECK(window.boxes.shown.empty());
    CHECK(window.view.archive == L"typed.sga");
    CHECK(window.view.output == L"typed folder");
}

TEST_CASE("A cancelled Tools dialog keeps the stored location and the boxes") {
    FakeWindow window;
    window.settings.StoreArchiveTool(kStored);
    window.view.output = L"typed folder";

    SECTION("with nothing chosen before in this run") {
        window.dialog.WillCancel();
        OnSetToolPath(window.context);
    }
    SECTION("after the archive picker chose an archive") {
        window.dialog.WillChoose(LR"(C:\CoH\WW2Data.sga)");
        window.dialog.WillCancel();
        OnBrowseArchive(window.context);
        OnSetToolPath(window.context);
        CHECK(window.view.archive == LR"(C:\CoH\WW2Data.sga)");
    }
    CHECK_FALSE(window.log.Contains("Settings.Write"));
    CHECK(window.settings.ArchiveToolRaw() == kStored);
    CHECK(window.boxes.shown.empty());
    CHECK(window.view.output == L"typed folder");
}

TEST_CASE("A file dialog that cannot be shown is told, and the stored location stays") {
    const Message failure = ErrorMessage(
        L"Could not open the file dialog\r\n\r\nWindows did not say where its "
        L"system folder is.");
    FakeWindow window;
    window.dialog.WillFail(L"Windows did not say where its system folder is.");

    SECTION("at the first start, after the question") {
        window.boxes.answerToQuestions = Answer::Yes;
        OnLoad(window.context);
        CHECK(window.boxes.shown == std::vector<Message>{kQuestion, failure});
        CHECK_FALSE(window.settings.ArchiveToolRaw().has_value());
    }
    SECTION("from the Tools menu") {
        window.settings.StoreArchiveTool(kStored);
        OnSetToolPath(window.context);
        CHECK(window.boxes.shown == std::vector<Message>{failure});
        CHECK(window.settings.ArchiveToolRaw() == kStored);
    }
    CHECK_FALSE(window.log.Contains("Settings.Write"));
}

TEST_CASE("A store that fails is reported with the settings file and the reason") {
    FakeWindow window;
    window.settings.FailWrites(L"Access is denied.");
    window.dialog.WillChoose(kChosen);

    SECTION("at the first start") {
        window.boxes.answerToQuestions = Answer::Yes;
        OnLoad(window.context);
        REQUIRE(window.boxes.shown.size() == 2);
        CHECK(window.boxes.shown[0] == kQuestion);
    }
    SECTION("from the Tools menu") {
        OnSetToolPath(window.context);
        REQUIRE(window.boxes.shown.size() == 1);
    }
    const Message& report = window.boxes.shown.back();
    CHECK(IsErrorBox(report));
    CHECK(report.text.find(window.settings.Location()) != std::wstring::npos);
    CHECK(report.text.find(L"Access is denied.") != std::wstring::npos);
}

TEST_CASE("A path too long for the settings gets their message and the old value stays") {
    const Message tooLong = TooLongMessage();
    struct Case {
        const char* name;
        bool fromTools;
        std::size_t chars;
        bool stored;
    };
    // The Tools menu's two quotation marks count towards the limit.
    const Case cases[] = {
        {"first start, longest", false, 255, true},
        {"first start, one too many", false, 256, false},
        {"Tools, longest", true, 253, true},
        {"Tools, one too many", true, 254, false},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        FakeWindow window;
        const std::wstring chosen = L"C:\\" + std::wstring(c.chars - 3, L'x');
        window.dialog.WillChoose(chosen);
        if (c.fromTools) {
            window.settings.StoreArchiveTool(kStored);
            OnSetToolPath(window.context);
        } else {
            window.boxes.answerToQuestions = Answer::Yes;
            OnLoad(window.context);
            REQUIRE_FALSE(window.boxes.shown.empty());
            window.boxes.shown.erase(window.boxes.shown.begin());  // the question
        }
        if (c.stored) {
            CHECK(window.boxes.shown.empty());
            CHECK(ReadIniValue(window.settings, kPathsSection, kArchiveKey) == chosen);
        } else {
            CHECK(window.boxes.shown == std::vector<Message>{tooLong});
            CHECK(window.settings.ArchiveToolRaw() ==
                  (c.fromTools ? std::optional<std::wstring>(kStored) : std::nullopt));
        }
    }
}

TEST_CASE("The start-up read does not wait for a settings file another program holds") {
    FakeWindow window;
    window.settings.HeldForReads(1);
    OnLoad(window.context);
    CHECK(window.settings.pausedMs == 0);
    CHECK(window.boxes.shown == std::vector<Message>{kQuestion});
}

}  // namespace
}  // namespace tarvane::testing
