// The file dialog's portable half: the filter in the platform's form.
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

}  // namespace
}  // namespace tarvane
