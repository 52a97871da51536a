// The two "..." buttons: what they ask for and what they put into their boxes.
#include <catch2/catch.hpp>

#include "support/fakes.h"
#include "ui/pickers.h"

namespace tarvane::testing {
namespace {

const std::vector<OpenFileRequest> kArchiveDialog{
    {L"Select SGA to be converted", L"C:\\", L"SGA File (*.sga)|*.sga"}};

TEST_CASE("The archive picker puts the chosen file into SGA In only") {
    for (const std::wstring& chosen :
         {std::wstring(LR"(C:\Program Files\THQ\Company of Heroes\WW2\Archives\WW2Data.sga)"),
          std::wstring(L"D:\\Моды\\архив.sga"), std::wstring(L"E:\\模组\\data.SGA")}) {
        CAPTURE(Printable(chosen));
        FakeWindow window;
        window.view.Type(L"typed.sga", L"typed folder");
        window.dialog.WillChoose(chosen);

        OnBrowseArchive(window.context);

        CHECK(window.dialog.requests == kArchiveDialog);
        CHECK(window.view.archive == chosen);
        CHECK(window.view.output == L"typed folder");
        CHECK(window.boxes.shown.empty());
        CHECK_FALSE(window.log.Contains("Settings.Write"));
    }
}

TEST_CASE("A cancelled archive picker leaves SGA In as it was") {
    FakeWindow window;
    window.view.archive = L"typed by hand.sga";
    window.dialog.WillCancel();

    OnBrowseArchive(window.context);

    CHECK(window.view.archive == L"typed by hand.sga");
    CHECK_FALSE(window.log.Contains("View.SetArchiveText"));
}

TEST_CASE("The folder picker puts the chosen folder into SGB Out only, as the shell gave it") {
    for (const std::wstring& chosen :
         {std::wstring(LR"(C:\Program Files\THQ\Company of Heroes\WW2\Data)"),
          std::wstring(LR"(D:\)"), std::wstring(LR"(\\server\share\out)"),
          std::wstring(L"C:\\Распаковка"), std::wstring(L"D:\\出力 フォルダ")}) {
        CAPTURE(Printable(chosen));
        FakeWindow window;
        window.view.Type(L"typed.sga", L"typed folder");
        window.folders.WillChoose(chosen);

        OnBrowseOutput(window.context);

        CHECK(window.log.Calls().front() ==
              Call{"Folders.BrowseForFolder", LR"(Please select WW2\Data folder)"});
        CHECK(window.view.output == chosen);
        CHECK(window.view.archive == L"typed.sga");
        CHECK(window.boxes.shown.empty());
    }
}

TEST_CASE("A cancelled folder picker leaves SGB Out as it was") {
    FakeWindow window;
    window.view.output = L"typed by hand";
    window.folders.WillCancel();

    OnBrowseOutput(window.context);

    CHECK(window.log.Count("Folders.BrowseForFolder") == 1);
    CHECK(window.view.output == L"typed by hand");
    CHECK_FALSE(window.log.Contains("View.SetOutputText"));
}

TEST_CASE(
    "A picker that cannot be shown says why in an Error box and leaves both boxes as they were") {
    struct Case {
        const char* name;
        void (*action)(MainContext&);
        std::wstring reason;
        std::wstring text;
    };
    const Case cases[] = {
        {"archive", OnBrowseArchive, L"Windows reported CDERR_INITIALIZATION (0x0002).",
         L"Could not open the file dialog\r\n\r\nWindows reported CDERR_INITIALIZATION (0x0002)."},
        {"folder", OnBrowseOutput, L"COM could not be started on this thread.",
         L"Could not open the folder browser\r\n\r\nCOM could not be started on this thread."},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        FakeWindow window;
        window.view.Type(L"typed.sga", L"typed folder");
        window.dialog.WillFail(c.reason);
        window.folders.WillFail(c.reason);

        c.action(window.context);

        REQUIRE(window.boxes.shown.size() == 1);
        CHECK(IsErrorBox(window.boxes.shown[0]));
        CHECK(Printable(window.boxes.shown[0].text) == Printable(c.text));
        CHECK(window.view.archive == L"typed.sga");
        CHECK(window.view.output == L"typed folder");
        CHECK_FALSE(window.log.Contains("View.SetArchiveText"));
        CHECK_FALSE(window.log.Contains("View.SetOutputText"));
    }
}

}  // namespace
}  // namespace tarvane::testing
