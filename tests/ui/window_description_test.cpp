// What the main window consists of: its controls in tab order and its menu bar.
#include <catch2/catch.hpp>

#include <string>
#include <vector>

#include "support/printable.h"
#include "ui/window_description.h"

namespace tarvane::testing {
namespace {

TEST_CASE("The controls carry their kinds and captions, in tab order") {
    struct Shown {
        int id;
        ControlKind kind;
        std::wstring caption;
    };
    const Shown expected[] = {
        {kFrame1, ControlKind::Frame, L""},           {kLabel1, ControlKind::Label, L"SGA In:"},
        {kTxtSGAPath, ControlKind::TextBox, L""},     {kCmdSGABrowse, ControlKind::Button, L"..."},
        {kLabel2, ControlKind::Label, L"SGB Out:"},   {kTxtSGBOut, ControlKind::TextBox, L""},
        {kCmdSGBBrowse, ControlKind::Button, L"..."}, {kCmdGo, ControlKind::Button, L"Process"},
    };
    REQUIRE(kControls.size() == std::size(expected));
    std::vector<int> tabStops;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        CAPTURE(i);
        CHECK(kControls[i].id == expected[i].id);
        CHECK(kControls[i].kind == expected[i].kind);
        CHECK(kControls[i].caption == expected[i].caption);
        if (kControls[i].kind == ControlKind::TextBox || kControls[i].kind == ControlKind::Button) {
            tabStops.push_back(kControls[i].id);
        }
    }
    CHECK(tabStops ==
          std::vector<int>{kTxtSGAPath, kCmdSGABrowse, kTxtSGBOut, kCmdSGBBrowse, kCmdGo});
}

struct ShownItem {
    std::wstring menu;
    std::wstring item;
    int id;
    bool operator==(const ShownItem&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ShownItem& shown) {
    return out << Printable(shown.menu) << " > " << Printable(shown.item) << " #" << shown.id;
}

TEST_CASE("The menu bar holds three menus with their items, access keys and F1") {
    std::vector<ShownItem> bar;
    for (const MenuSpec& menu : kMenuBar) {
        REQUIRE(menu.itemCount >= 1);
        REQUIRE(static_cast<std::size_t>(menu.itemCount) <= menu.items.size());
        for (int i = 0; i < menu.itemCount; ++i) {
            bar.push_back({menu.caption, menu.items[i].caption, menu.items[i].id});
        }
    }
    CHECK(bar == std::vector<ShownItem>{
                     {L"&File", L"E&xit", kMnuFileExit},
                     {L"&Tools", L"Set Archive.exe Path", kMnuToolsPath},
                     {L"&Help", L"How do i use this?\tF1", kMnuHelpHow},
                     {L"&Help", L"About", kMnuHelpAbout},
                 });
}

}  // namespace
}  // namespace tarvane::testing
