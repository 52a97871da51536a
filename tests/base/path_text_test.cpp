// The rules of a path's text: what a box names, what counts as a full drive path, and joining.
#include <catch2/catch.hpp>

#include "base/path_text.h"
#include "support/printable.h"

namespace tarvane::testing {
namespace {

TEST_CASE("A box names the path inside one pair of quotes, and any other text as it stands") {
    struct Row {
        std::wstring typed;
        std::wstring named;
    };
    const Row rows[] = {
        // Explorer's "Copy as path", pasted as it is or with blanks and tabs around it.
        {LR"("C:\Mods\Art.sga")", LR"(C:\Mods\Art.sga)"},
        {L" \t\"D:\\My Mods\\\" \t", L"D:\\My Mods\\"},
        {LR"(" C:\a b ")", LR"( C:\a b )"},
        {LR"("")", L""},
        {LR"(  ""  )", L""},
        {LR"(" ")", L" "},
        // Not one pair of quotes around a path: left for Process to refuse, blanks and all.
        {LR"(C:\a"b.sga)", LR"(C:\a"b.sga)"},
        {LR"("C:\a"b.sga")", LR"("C:\a"b.sga")"},
        {LR"("C:\a.sga" -x "y")", LR"("C:\a.sga" -x "y")"},
        {LR"("C:\a.sga)", LR"("C:\a.sga)"},
        {LR"(C:\a.sga")", LR"(C:\a.sga")"},
        {L"\"", L"\""},
        {LR"(""")", LR"(""")"},
        {LR"(" "C:\x")", LR"(" "C:\x")"},
        // Without quotes nothing is trimmed: a blank is a name like any other.
        {L" C:\\x.sga ", L" C:\\x.sga "},
        {L" ", L" "},
        {L"", L""},
    };
    for (const Row& row : rows) {
        CAPTURE(Printable(row.typed));
        CHECK(Printable(path::FromBox(row.typed)) == Printable(row.named));
    }
}

TEST_CASE(
    "Only a full path on a drive letter, with backslashes and no reserved character, is one") {
    for (const wchar_t* full :
         {LR"(C:\)", LR"(z:\Mods\x.sga)", L"D:\\Игры 游戏\\", LR"(C:\a\\b)"}) {
        CAPTURE(Printable(full));
        CHECK(path::IsFullDrivePath(full));
    }
    for (const wchar_t* other : {L"",
                                 L"C:",
                                 LR"(C:x.sga)",
                                 LR"(C:/x.sga)",
                                 LR"(C:\a/b)",
                                 LR"(\x.sga)",
                                 LR"(Mods\x.sga)",
                                 LR"(\\server\share\x)",
                                 LR"(\\?\C:\x)",
                                 LR"(\\.\C:\x)",
                                 LR"(1:\x)",
                                 LR"("C:\x")",
                                 LR"(C:\a"b)",
                                 LR"(C:\*.sga)",
                                 LR"(C:\a?)",
                                 LR"(C:\a:stream)",
                                 LR"(C:\a|b)",
                                 LR"(C:\<a>)",
                                 L"C:\\a\tb",
                                 L" C:\\x"}) {
        CAPTURE(Printable(other));
        CHECK_FALSE(path::IsFullDrivePath(other));
    }
}

TEST_CASE("A name joins its folder with one backslash; a path's folder keeps a root's backslash") {
    CHECK(path::Join(LR"(C:\Games)", L"Archive.exe") == LR"(C:\Games\Archive.exe)");
    CHECK(path::Join(LR"(C:\)", LR"(WW2\Data)") == LR"(C:\WW2\Data)");
    CHECK(path::Join(L"", L"x") == L"x");
    CHECK(path::Folder(LR"(C:\Games\CoH\Archive.exe)") == LR"(C:\Games\CoH)");
    CHECK(path::Folder(LR"(C:\Archive.exe)") == LR"(C:\)");
    CHECK(path::Folder(LR"(C:\)") == LR"(C:\)");
    CHECK(path::Folder(L"Archive.exe") == L"");
}

}  // namespace
}  // namespace tarvane::testing
