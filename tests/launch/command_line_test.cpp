// The archive tool's command line, checked by what the tool's own argument parser makes of it.
#include <catch2/catch.hpp>

#include "support/windows_argv.h"
#include "launch/command_line.h"
#include "support/fakes.h"

namespace tarvane {
namespace {

using testing::ParseWindowsCommandLine;
using Args = std::vector<std::wstring>;

const std::wstring kTool = LR"(C:\Program Files\THQ\Company of Heroes\Archive.exe)";

// Texts a user can have in either box, chosen for what the argument rules make of them.
const std::wstring kPaths[] = {
    LR"(C:\CoH\WW2\Archives\WW2Data.sga)",
    LR"(C:\Program Files\THQ\Company of Heroes\WW2\Archives\Art High.sga)",
    L" ",
    L"   ",
    L"\t",
    L" leading and trailing ",
    LR"(D:\)",
    LR"(C:\Out\)",
    LR"(C:\Out\\)",
    LR"(C:\Out\\\)",
    LR"(\\server\share\mods\)",
    LR"(C:\a\\b\\\c)",
    LR"(C:\a\\ b)",
    LR"(\)",
    LR"(\\)",
    L"-e",
    L"C:\\Игры\\Company of Heroes\\Архив.sga",
    L"D:\\ゲーム\\中文 目录\\",
    L"C:\\Ελληνικά\\έξοδος",
    L"C:\\mods\\\U0001F4E6 box\\",
};

TEST_CASE("Plain input gives the nine pieces, with the tool's path in quotes") {
    const std::wstring archive = LR"(C:\CoH\WW2\Archives\WW2Data.sga)";
    const std::wstring folder = LR"(C:\CoH\Out)";
    const std::wstring q = L"\"";
    CHECK(ExtractCommand(kTool, archive, folder) ==
          q + kTool + q + L" -a " + q + archive + q + L" -e " + q + folder + q);
}

TEST_CASE("Every archive and output folder come back to the tool exactly") {
    for (const std::wstring& archive : kPaths) {
        for (const std::wstring& folder : kPaths) {
            CAPTURE(Printable(archive), Printable(folder));
            CHECK(ParseWindowsCommandLine(ExtractCommand(kTool, archive, folder)) ==
                  Args{kTool, L"-a", archive, L"-e", folder});
        }
    }
}

TEST_CASE("The tool's own path is its first argument, blanks and all") {
    const std::wstring tools[] = {
        LR"(C:\CoH\Archive.exe)",
        kTool,
        LR"(C:\Tar Test\Archive.exe)",
        LR"(\\server\games\CoH\Archive.exe)",
        L"D:\\Игры\\Company of Heroes\\Archive.exe",
        L"E:\\游戏\\英雄连\\Archive.exe",
        LR"(C:\odd\\doubled\Archive.exe)",
    };
    for (const std::wstring& tool : tools) {
        CAPTURE(Printable(tool));
        const std::wstring line = ExtractCommand(tool, L"C:\\a.sga", L"D:\\");
        // Quoted, so Windows never tries a shorter prefix that ends at a blank.
        CHECK(line.front() == L'"');
        CHECK(ParseWindowsCommandLine(line) == Args{tool, L"-a", L"C:\\a.sga", L"-e", L"D:\\"});
    }
}

TEST_CASE("An argument with quotes inside still arrives as one argument") {
    // The Process check refuses such text; the quoting itself must not depend on that.
    for (const wchar_t* quoted :
         {LR"(a"b)", LR"(")", LR"(a\"b)", LR"(a\\"b)", LR"(x\" -e "y)", LR"("quoted\")"}) {
        const std::wstring text = quoted;
        CAPTURE(Printable(text));
        CHECK(ParseWindowsCommandLine(L"p " + QuoteArgument(text)) == Args{L"p", text});
    }
}

}  // namespace
}  // namespace tarvane
