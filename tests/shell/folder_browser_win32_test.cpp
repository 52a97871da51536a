// BrowseForFolder over the shell's real folder browser, driven from a second thread: the driver
// opens the browser's tree down to a folder, selects it and presses OK, or cancels.
#include <catch2/catch.hpp>

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "shell/dialog_driver.h"
#include "shell/folder_browser_win32.h"
#include "support/window_driving_win32.h"
#include "support/win32_files.h"
#include "support/printable.h"

using tarvane::testing::ChildTexts;
using tarvane::testing::Click;
using tarvane::testing::DialogDriver;
using tarvane::testing::OwnerWindow;
using tarvane::testing::PostCommand;
using tarvane::testing::Printable;
using tarvane::testing::ScratchFolder;

namespace {

constexpr wchar_t kTitle[] = L"Please select WW2\\Data folder";
const std::wstring kTestRoot = L"C:\\Tarvane Browse Test\\";

// The shell's browser needs COM on the thread that shows it, as the main window's thread has.
class ComApartment {
  public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {
        REQUIRE(SUCCEEDED(result_));
    }
    ~ComApartment() { CoUninitialize(); }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    HRESULT result_;
};

// A folder of its own under the drive root, so that the tree reaches it in few steps.
struct TestFolders {
    explicit TestFolders(const std::wstring& leaf) {
        REQUIRE(CreateDirectoryW(kTestRoot.c_str(), nullptr));
        REQUIRE(CreateDirectoryW((kTestRoot + leaf).c_str(), nullptr));
    }

    const ScratchFolder root = ScratchFolder::ClearedAt(kTestRoot);
};

// What the browser showed and what the driver managed to do in it.
struct Seen {
    std::vector<std::wstring> texts;
    HWND owner = nullptr;
    bool ownerEnabled = true;
    std::vector<std::wstring> topItems;
    bool selected = false;
    bool okEnabled = false;
    std::vector<std::wstring> tree;  // the items the driver looked at, for the report
};

std::wstring ItemText(HWND tree, HTREEITEM item) {
    wchar_t text[MAX_PATH] = {};
    TVITEMW query{};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = text;
    query.cchTextMax = MAX_PATH;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
    return text;
}

std::vector<HTREEITEM> Children(HWND tree, HTREEITEM parent) {
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
    std::vector<HTREEITEM> children;
    auto next = reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(parent)));
    for (; next != nullptr;
         next = reinterpret_cast<HTREEITEM>(
             SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(next)))) {
        children.push_back(next);
    }
    return children;
}

using ItemMatch = std::function<bool(const std::wstring& text)>;

// The first item, breadth first and at most depth levels below the root, whose text matches.
HTREEITEM FindItem(HWND tree, const ItemMatch& matches, int depth, Seen& seen) {
    std::vector<HTREEITEM> level{
        reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0))};
    for (int i = 0; i <= depth && !level.empty(); ++i) {
        std::vector<HTREEITEM> below;
        for (HTREEITEM item : level) {
            const std::wstring text = ItemText(tree, item);
            seen.tree.push_back(text);
            if (matches(text)) {
                return item;
            }
            if (i < depth) {
                for (HTREEITEM child : Children(tree, item)) {
                    below.push_back(child);
                }
            }
        }
        level = below;
    }
    return nullptr;
}

HTREEITEM FindChild(HWND tree, HTREEITEM parent, const std::wstring& name, Seen& seen) {
    for (HTREEITEM child : Children(tree, parent)) {
        const std::wstring text = ItemText(tree, child);
        seen.tree.push_back(text);
        if (lstrcmpiW(text.c_str(), name.c_str()) == 0) {
            return child;
        }
    }
    return nullptr;
}

// Drive C: as the shell names it: "Local Disk (C:)" on Windows, "(C:)" or "C:\" elsewhere.
bool IsDriveC(const std::wstring& text) {
    return text.find(L"(C:)") != std::wstring::npos || text == L"C:\\";
}

// The item of drive C: and, below it, the given folder names, one tree level each.
HTREEITEM FindFolder(HWND tree, const std::vector<std::wstring>& names, Seen& seen) {
    HTREEITEM item = FindItem(tree, IsDriveC, 2, seen);
    for (const std::wstring& name : names) {
        if (item == nullptr) {
            return nullptr;
        }
        item = FindChild(tree, item, name, seen);
    }
    return item;
}

HWND Tree(HWND dialog) { return FindWindowExW(dialog, nullptr, WC_TREEVIEWW, nullptr); }

void Look(HWND dialog, Seen& seen) {
    HWND tree = Tree(dialog);
    for (auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
         item != nullptr; item = reinterpret_cast<HTREEITEM>(SendMessageW(
                              tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
        seen.topItems.push_back(ItemText(tree, item));
    }
    seen.texts = ChildTexts(dialog, L"Static");
    seen.owner = GetWindow(dialog, GW_OWNER);
    seen.ownerEnabled = IsWindowEnabled(seen.owner) != FALSE;
}

void Select(HWND dialog, HTREEITEM item, Seen& seen) {
    seen.selected = item != nullptr && SendMessageW(Tree(dialog), TVM_SELECTITEM, TVGN_CARET,
                                                    reinterpret_cast<LPARAM>(item)) != FALSE;
    seen.okEnabled = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
}

// Selects the folder and presses OK; when it cannot be found, cancels instead.
DialogDriver ChooseFolder(std::vector<std::wstring> names, Seen& seen) {
    return DialogDriver([&seen, names](HWND dialog) {
        Look(dialog, seen);
        Select(dialog, FindFolder(Tree(dialog), names, seen), seen);
        Click(GetDlgItem(dialog, seen.selected ? IDOK : IDCANCEL));
    });
}

std::string Report(const Seen& seen) {
    std::string report;
    for (const std::wstring& text : seen.tree) {
        report += "[" + Printable(text) + "] ";
    }
    return report;
}

// The desktop as the shell names it to the user.
std::wstring DesktopName() {
    LPITEMIDLIST desktop = nullptr;
    REQUIRE(SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &desktop)));
    SHFILEINFOW info{};
    SHGetFileInfoW(reinterpret_cast<LPCWSTR>(desktop), 0, &info, sizeof(info),
                   SHGFI_PIDL | SHGFI_DISPLAYNAME);
    CoTaskMemFree(desktop);
    return info.szDisplayName;
}

struct BrowserUnderTest {
    ComApartment com;
    OwnerWindow owner;
    tarvane::ShellFolderBrowser browser{owner.handle};
};

}  // namespace

TEST_CASE("A cancelled folder browser answers nothing", "[folder browser]") {
    BrowserUnderTest under;
    Seen seen;
    DialogDriver driver([&seen](HWND dialog) {
        Look(dialog, seen);
        Click(GetDlgItem(dialog, IDCANCEL));
    });
    const std::wstring answer = under.browser.BrowseForFolder(kTitle);
    REQUIRE(driver.Finish());

    CHECK(Printable(answer).empty());
    CHECK(std::find(seen.texts.begin(), seen.texts.end(), kTitle) != seen.texts.end());
    CHECK(seen.owner == under.owner.handle);
    CHECK_FALSE(seen.ownerEnabled);
    // Browsing starts at the shell's root: the desktop is the one top item.
    CHECK(seen.topItems == std::vector<std::wstring>{DesktopName()});
}

TEST_CASE("A chosen folder comes back as the shell's path with nothing added", "[folder browser]") {
    struct Row {
        const char* name;
        std::vector<std::wstring> names;  // below drive C:
        std::wstring answer;
    };
    const Row row =
        GENERATE(Row{"drive root", {}, L"C:\\"},
                 Row{"folder", {L"Tarvane Browse Test", L"Out Folder"}, kTestRoot + L"Out Folder"},
                 Row{"Cyrillic and CJK folder",
                     {L"Tarvane Browse Test", L"Данные 数据"},
                     kTestRoot + L"Данные 数据"});
    CAPTURE(row.name);
    TestFolders folders(row.names.empty() ? L"unused" : row.names.back());
    BrowserUnderTest under;
    Seen seen;
    DialogDriver driver = ChooseFolder(row.names, seen);
    const std::wstring answer = under.browser.BrowseForFolder(kTitle);
    REQUIRE(driver.Finish());

    INFO("tree items looked at: " << Report(seen));
    REQUIRE(seen.selected);
    CHECK(seen.okEnabled);
    CHECK(Printable(answer) == Printable(row.answer));
}

TEST_CASE("A shell folder without a file-system path cannot be confirmed and answers nothing",
          "[folder browser]") {
    BrowserUnderTest under;
    Seen seen;
    DialogDriver driver([&seen](HWND dialog) {
        Look(dialog, seen);
        HWND tree = Tree(dialog);
        const HTREEITEM drive = FindItem(tree, IsDriveC, 2, seen);
        // The folder that holds the drives ("My Computer") has no path of its own.
        Select(dialog,
               drive == nullptr
                   ? nullptr
                   : reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_PARENT,
                                                              reinterpret_cast<LPARAM>(drive))),
               seen);
        // Pressed anyway, as a keyboard shortcut might: the shell has no path to give.
        PostCommand(dialog, IDOK);
    });
    const std::wstring answer = under.browser.BrowseForFolder(kTitle);
    REQUIRE(driver.Finish());

    INFO("tree items looked at: " << Report(seen));
    REQUIRE(seen.selected);
    CHECK_FALSE(seen.okEnabled);
    CHECK(Printable(answer).empty());
}
