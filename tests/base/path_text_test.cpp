// What a box's text names as a path.
#include <catch2/catch.hpp>

#include "base/path_text.h"
#include "support/printable.h"

namespace tarvane::testing {

TEST_CASE("A box names the path inside one pair of quotes, and any other text as it stands") {
    // Explorer's "Copy as path", with blanks and tabs around it or not.
    const std::pair<std::wstring, std::wstring> pasted[] = {
        {LR"("C:\My Mods\Art.sga")", LR"(C:\My Mods\Art.sga)"},
        {L" \t\"D:\\\" \t", L"D:\\"},
        {LR"(" C:\a ")", LR"( C:\a )"},
        {LR"(  ""  )", L""}};
    for (const auto& [typed, named] : pasted) {
        CAPTURE(Printable(typed));
        CHECK(Printable(path::FromBox(typed)) == Printable(named));
    }
    // Not one pair of quotes around a path: left whole, blanks too, for Process to judge.
    for (const wchar_t* whole : {LR"("C:\a"b")", LR"("C:\a" -x "y")", LR"("C:\a)", LR"(C:\a")",
                                 L"\"", LR"(""")", L" C:\\a ", L""}) {
        CAPTURE(Printable(whole));
        CHECK(Printable(path::FromBox(whole)) == Printable(whole));
    }
}

}  // namespace tarvane::testing
