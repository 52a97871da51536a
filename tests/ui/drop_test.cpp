// Where each dropped path goes: the place of the drop and the kinds of the dropped items decide.
// Paths on the program's command line go by the same rule.
#include <catch2/catch.hpp>

#include <map>
#include <ostream>

#include "support/windows_argv.h"
#include "ui/drop.h"
#include "support/fakes.h"
#include "ui/start_paths.h"

namespace tarvane {
namespace {

const DroppedItem kFile{L"D:\\Игры\\WW2Data.sga", false};
const DroppedItem kOtherFile{L"E:\\模组\\𝄞.sga", false};
const DroppedItem kFolder{L"D:\\", true};
const DroppedItem kOtherFolder{L"C:\\WW2\\Data", true};
const DroppedItem kUnnamed{L"", false};

struct DropCase {
    const char* name;
    std::vector<DroppedItem> items;
    DropPlace place;
    DropResult expected;
};

}  // namespace

std::ostream& operator<<(std::ostream& out, const DropResult& result) {
    const auto box = [](const std::optional<std::wstring>& text) {
        return text ? "\"" + Printable(*text) + "\"" : std::string("unchanged");
    };
    return out << "{archive " << box(result.archive) << ", output " << box(result.output) << "}";
}

TEST_CASE("A drop fills the box it lands on, or each box with the first item of its kind") {
    const std::vector<DropCase> cases{
        {"one file", {kFile}, DropPlace::Elsewhere, {kFile.path, {}}},
        {"one folder", {kFolder}, DropPlace::Elsewhere, {{}, kFolder.path}},
        {"a folder and a file", {kFolder, kFile}, DropPlace::Elsewhere, {kFile.path, kFolder.path}},
        {"two files", {kOtherFile, kFile}, DropPlace::Elsewhere, {kOtherFile.path, {}}},
        {"two folders", {kOtherFolder, kFolder}, DropPlace::Elsewhere, {{}, kOtherFolder.path}},
        {"a folder on the archive box",
         {kFolder, kFile},
         DropPlace::ArchiveBox,
         {kFolder.path, {}}},
        {"a file on the output box", {kFile, kFolder}, DropPlace::OutputBox, {{}, kFile.path}},
        {"nothing usable", {kUnnamed}, DropPlace::Elsewhere, {}},
        {"nothing usable on a box",
         {kUnnamed, kOtherFile},
         DropPlace::ArchiveBox,
         {kOtherFile.path, {}}},
        {"an empty list", {}, DropPlace::OutputBox, {}},
    };
    for (const DropCase& drop : cases) {
        CAPTURE(drop.name);
        CHECK(DecideDrop(drop.items, drop.place) == drop.expected);
    }
}

}  // namespace tarvane

namespace tarvane {
namespace {

const std::wstring kTarvane = LR"(C:\Program Files\Tarvane\Tarvane.exe)";

// What the file system holds for the command-line cases.
std::optional<DroppedItem> ExistingItem(const std::wstring& argument) {
    const std::map<std::wstring, DroppedItem> existing{
        {kTarvane, {kTarvane, false}},
        {kFile.path, kFile},
        {kOtherFolder.path, kOtherFolder},
        {L"D:\\My Mods\\Art High.sga", {L"D:\\My Mods\\Art High.sga", false}},
        {L"Art.sga", {L"Art.sga", false}},
    };
    const auto found = existing.find(argument);
    return found == existing.end() ? std::nullopt : std::optional(found->second);
}

}  // namespace

TEST_CASE("Paths on the command line fill the boxes as a drop outside them does") {
    const std::wstring tarvane = L"\"" + kTarvane + L"\" ";
    const std::wstring file = L"\"" + kFile.path + L"\"";
    const std::wstring folder = L"\"" + kOtherFolder.path + L"\"";
    const struct {
        const char* name;
        std::wstring arguments;
        DropResult expected;
    } cases[]{
        {"nothing", L"", {}},
        {"a file", file, {kFile.path, {}}},
        {"a folder", folder, {{}, kOtherFolder.path}},
        {"a folder and a file", folder + L" " + file, {kFile.path, kOtherFolder.path}},
        {"two files", LR"(Art.sga )" + file, {L"Art.sga", {}}},
        {"a switch and a missing path",
         LR"(/s "D:\Gone.sga" -x )" + folder,
         {{}, kOtherFolder.path}},
        {"a quoted path with blanks",
         LR"("D:\My Mods\Art High.sga")",
         {L"D:\\My Mods\\Art High.sga", {}}},
        {"an unquoted path with blanks", LR"(D:\My Mods\Art High.sga)", {}},
        {"an unterminated quote",
         LR"("D:\My Mods\Art High.sga)",
         {L"D:\\My Mods\\Art High.sga", {}}},
    };
    for (const auto& start : cases) {
        CAPTURE(start.name);
        const std::vector<std::wstring> commandLine =
            testing::ParseWindowsCommandLine(tarvane + start.arguments);
        CHECK(DecideStartPaths(commandLine, ExistingItem) == start.expected);
    }
}

}  // namespace tarvane
