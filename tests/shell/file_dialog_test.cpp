// dlgMain's portable half: the filter conversion and FileName's memory across cancels.
#include <catch2/catch.hpp>

#include "shell/file_dialog.h"
#include "support/fakes.h"

namespace tarvane {
namespace {

using testing::ScriptedOpenFilePrompt;

// Splits the platform's filter list (parts ended by NUL, the list by an empty part) back into
// parts.
std::vector<std::wstring> FilterParts(const std::wstring& list) {
    std::vector<std::wstring> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = list.find(L'\0', start);
        REQUIRE(end != std::wstring::npos);
        if (end == start) {
            CHECK(end + 1 == list.size());  // the empty part ends the list
            return parts;
        }
        parts.push_back(list.substr(start, end - start));
        start = end + 1;
    }
}

TEST_CASE("A bar-separated filter becomes the platform's NUL-separated list") {
    struct Case {
        std::wstring filter;
        std::vector<std::wstring> parts;
    };
    const Case cases[] = {
        {L"Archive.exe|archive.exe", {L"Archive.exe", L"archive.exe"}},
        {L"SGA File (*.sga)|*.sga", {L"SGA File (*.sga)", L"*.sga"}},
        {L"Programs|*.exe;*.com|All files|*.*",
         {L"Programs", L"*.exe;*.com", L"All files", L"*.*"}},
    };
    for (const Case& c : cases) {
        CAPTURE(Printable(c.filter));
        const std::wstring list = ToFilterList(c.filter);
        CHECK(list.size() == c.filter.size() + 2);
        CHECK(FilterParts(list) == c.parts);
    }
}

TEST_CASE("The dialog shows the title, folder and file types last set") {
    ScriptedOpenFilePrompt prompt;
    CommonDialog dialog(prompt);
    dialog.SetDialogTitle(L"Select SGA to be converted");
    dialog.SetInitDir(L"C:\\");
    dialog.SetFilter(L"SGA File (*.sga)|*.sga");
    dialog.ShowOpen();
    dialog.SetDialogTitle(L"Select Archive.exe in CoH folder");
    dialog.ShowOpen();

    REQUIRE(prompt.requests.size() == 2);
    CHECK(prompt.requests[0].title == L"Select SGA to be converted");
    CHECK(prompt.requests[0].initialFolder == L"C:\\");
    CHECK(FilterParts(prompt.requests[0].filterList) ==
          std::vector<std::wstring>{L"SGA File (*.sga)", L"*.sga"});
    // One instance serves every call site: what is not set again stays.
    CHECK(prompt.requests[1].title == L"Select Archive.exe in CoH folder");
    CHECK(prompt.requests[1].initialFolder == L"C:\\");
    CHECK(prompt.requests[1].filterList == prompt.requests[0].filterList);
}

TEST_CASE("FileName changes only when the user confirms a file") {
    ScriptedOpenFilePrompt prompt;
    CommonDialog dialog(prompt);

    SECTION("before any choice it is empty and nothing counts as confirmed") {
        CHECK(dialog.FileName().empty());
        CHECK_FALSE(dialog.Confirmed());
    }
    SECTION("a cancel before any choice leaves it empty") {
        prompt.answers.push_back(std::nullopt);
        dialog.ShowOpen();
        CHECK(dialog.FileName().empty());
        CHECK_FALSE(dialog.Confirmed());
    }
    SECTION("a choice is kept across a later cancel, which is told apart") {
        prompt.answers.push_back(L"C:\\CoH\\Archive.exe");
        prompt.answers.push_back(std::nullopt);
        dialog.ShowOpen();
        CHECK(dialog.FileName() == L"C:\\CoH\\Archive.exe");
        CHECK(dialog.Confirmed());
        dialog.ShowOpen();
        CHECK(dialog.FileName() == L"C:\\CoH\\Archive.exe");
        CHECK_FALSE(dialog.Confirmed());
    }
    SECTION("a later choice replaces an earlier one") {
        prompt.answers.push_back(L"C:\\CoH\\Archive.exe");
        prompt.answers.push_back(L"D:\\Мод\\WW2Data.sga");
        dialog.ShowOpen();
        dialog.ShowOpen();
        CHECK(dialog.FileName() == L"D:\\Мод\\WW2Data.sga");
        CHECK(dialog.Confirmed());
    }
}

}  // namespace
}  // namespace tarvane
