// The file dialog's portable half: the filter in the platform's form, and its failure codes told.
#include <catch2/catch.hpp>

#include <string>
#include <vector>

#include "shell/file_dialog.h"
#include "support/printable.h"

namespace tarvane {
namespace {

using testing::Printable;

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

TEST_CASE("A common-dialog failure is told by its name and number, never as a system error") {
    struct Case {
        unsigned long code;
        std::wstring text;
    };
    const Case cases[] = {
        {0x0002, L"CDERR_INITIALIZATION (0x0002)"},
        {0x000C, L"CDERR_REGISTERMSGFAIL (0x000C)"},
        {0xFFFF, L"CDERR_DIALOGFAILURE (0xFFFF)"},
        {0x3003, L"FNERR_BUFFERTOOSMALL (0x3003)"},
        // A code of another dialog, or of a newer system: its number alone.
        {0x1001, L"common-dialog error 0x1001"},
        {0x0010, L"common-dialog error 0x0010"},
        {0x12345, L"common-dialog error 0x12345"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.code);
        CHECK(Printable(CommonDialogErrorText(c.code)) == Printable(c.text));
    }
}

}  // namespace
}  // namespace tarvane
