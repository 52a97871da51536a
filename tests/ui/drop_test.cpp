// Where each dropped path goes: the place of the drop and the kinds of the dropped items decide.
#include <catch2/catch.hpp>

#include <ostream>

#include "ui/drop.h"
#include "ui/fakes.h"

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
