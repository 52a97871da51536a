// BrowseForFolder over the shell's real folder browser, driven from a second thread: the driver
// opens the browser's tree down to a folder, selects it and presses OK, or cancels.
#include <catch2/catch.hpp>

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "shell/folder_browser_win32.h"
#include "support/dialog_watcher_win32.h"
#include "support/folder_tree_win32.h"
#include "support/printable.h"
#include "support/win32_files.h"
#include "support/window_driving_win32.h"

namespace tarvane::testing {
namespace {

constexpr wchar_t kTitle[] = L"Please select WW2\\Data folder";
const std::wstring kTestRoot = L"C:\\Tarvane Browse Test\\";

// The whole path that Windows from Vista on gives for the deep folder the test chooses.
std::wstring deepFolder;
BOOL WINAPI WholePathAsVistaGivesIt(LPCITEMIDLIST, PWSTR path, DWORD chars, int) {
    return deepFolder.size() < chars && lstrcpynW(path, deepFolder.c_str(), chars) != nullptr;
}

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
        MakeFoldersForBrowser({kTestRoot.substr(0, kTestRoot.size() - 1), kTestRoot + leaf});
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
};

void Look(HWND dialog, Seen& seen) {
    seen.topItems = TopTreeItems(FolderTree(dialog));
    seen.texts = ChildTexts(dialog, L"Static");
    seen.owner = GetWindow(dialog, GW_OWNER);
    seen.ownerEnabled = IsWindowEnabled(seen.owner) != FALSE;
}

void Select(HWND dialog, const std::vector<std::wstring>& itemPath, Seen& seen) {
    seen.selected = SelectFolder(dialog, itemPath);
    seen.okEnabled = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
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
    ShellFolderBrowser browser{owner.handle};
};

// What OK answers, pressed as soon as the browser is up.
std::wstring OkAtOnce(FolderBrowser& browser, const std::wstring& firstSelection) {
    DialogWatcher watcher([](HWND dialog) { Answer(dialog, L"OK"); });
    const DialogAnswer answer = browser.BrowseForFolder(kTitle, firstSelection);
    REQUIRE_NOTHROW(watcher.Finish());
    return answer.path;
}

FILETIME LastAccess(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastAccessTime;
}

// Sets a folder's last-access time two days back, as for a game installed last week.
void AgeLastAccess(const std::wstring& folder) {
    FILETIME back{};
    GetSystemTimeAsFileTime(&back);
    ULARGE_INTEGER time{{back.dwLowDateTime, back.dwHighDateTime}};
    time.QuadPart -= 2ULL * 24 * 60 * 60 * 10'000'000;  // in 100-nanosecond steps
    back = {time.LowPart, time.HighPart};
    const HANDLE handle = CreateFileW(folder.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    CHECK(SetFileTime(handle, nullptr, &back, nullptr));
    CloseHandle(handle);
}

}  // namespace

TEST_CASE("A cancelled folder browser answers a cancel", "[folder browser]") {
    BrowserUnderTest under;
    Seen seen;
    DialogWatcher watcher([&seen](HWND dialog) {
        Look(dialog, seen);
        CancelDialog(dialog);
    });
    const DialogAnswer answer = under.browser.BrowseForFolder(kTitle, L"");
    REQUIRE_NOTHROW(watcher.Finish());

    CHECK(answer == DialogAnswer::Cancelled());
    CHECK(std::find(seen.texts.begin(), seen.texts.end(), kTitle) != seen.texts.end());
    CHECK(seen.owner == under.owner.handle);
    CHECK_FALSE(seen.ownerEnabled);
    // Browsing starts at the shell's root: the desktop is the one top item.
    CHECK(seen.topItems == std::vector<std::wstring>{DesktopName()});
}

TEST_CASE("A chosen folder comes back as the shell's path with nothing added", "[folder browser]") {
    struct Row {
        const char* name;
        std::vector<std::wstring> itemPath;  // below the desktop
        std::wstring answer;
    };
    const Row row = GENERATE(Row{"drive root", {L"My Computer", L"C:"}, L"C:\\"},
                             Row{"folder",
                                 {L"My Computer", L"C:", L"Tarvane Browse Test", L"Out Folder"},
                                 kTestRoot + L"Out Folder"},
                             Row{"Cyrillic and CJK folder",
                                 {L"My Computer", L"C:", L"Tarvane Browse Test", L"Данные 数据"},
                                 kTestRoot + L"Данные 数据"});
    CAPTURE(row.name);
    TestFolders folders(row.itemPath.size() > 2 ? row.itemPath.back() : L"unused");
    BrowserUnderTest under;
    Seen seen;
    DialogWatcher watcher([&seen, &row](HWND dialog) {
        Select(dialog, row.itemPath, seen);
        Answer(dialog, L"OK");
    });
    const DialogAnswer answer = under.browser.BrowseForFolder(kTitle, L"");
    REQUIRE_NOTHROW(watcher.Finish());

    REQUIRE(seen.selected);
    CHECK(seen.okEnabled);
    REQUIRE(answer.result == DialogResult::Chosen);
    CHECK(Printable(answer.path) == Printable(row.answer));
}

TEST_CASE("A shell folder without a file-system path cannot be confirmed and answers a cancel",
          "[folder browser]") {
    BrowserUnderTest under;
    Seen seen;
    DialogWatcher watcher([&seen](HWND dialog) {
        // The folder that holds the drives has no path of its own.
        Select(dialog, {L"My Computer"}, seen);
        // Pressed anyway, as a keyboard shortcut might: the shell has no path to give.
        PostCommand(dialog, IDOK);
    });
    const DialogAnswer answer = under.browser.BrowseForFolder(kTitle, L"");
    REQUIRE_NOTHROW(watcher.Finish());

    REQUIRE(seen.selected);
    CHECK_FALSE(seen.okEnabled);
    CHECK(answer == DialogAnswer::Cancelled());
}

TEST_CASE("A chosen folder whose path passes MAX_PATH is taken whole, or told, never cut short",
          "[folder browser]") {
    struct Row {
        SHGetPathFromIDListExFunction longPaths;  // none before Vista; this Wine's cuts the path
        bool whole;
    };
    const Row row = GENERATE(Row{nullptr, false}, Row{WholePathAsVistaGivesIt, true},
                             Row{FindSHGetPathFromIDListEx(), false});
    // Four levels of 63 characters: the tree lists the last, whose parent's path is short enough.
    const ScratchFolder root = ScratchFolder::ClearedAt(kTestRoot);
    std::vector<std::wstring> itemPath{L"My Computer", L"C:", L"Tarvane Browse Test"};
    std::wstring folder = L"\\\\?\\" + kTestRoot;
    REQUIRE(CreateDirectoryW(folder.c_str(), nullptr));
    for (wchar_t level = L'1'; level <= L'4'; ++level) {
        itemPath.push_back(L"A folder nested so deep that its path passes the limit, level " +
                           std::wstring(1, level));
        folder += itemPath.back() + L"\\";
        REQUIRE(CreateDirectoryW(folder.c_str(), nullptr));
    }
    deepFolder = folder.substr(4, folder.size() - 5);
    ComApartment com;
    OwnerWindow owner;
    ShellFolderBrowser browser(owner.handle, row.longPaths);
    Seen seen;
    DialogWatcher watcher([&](HWND dialog) {
        Select(dialog, itemPath, seen);
        Answer(dialog, L"OK");
    });
    const DialogAnswer answer = browser.BrowseForFolder(kTitle, L"");
    REQUIRE_NOTHROW(watcher.Finish());

    REQUIRE(seen.selected);
    if (row.whole || answer.result == DialogResult::Chosen) {
        CHECK(Printable(answer.path) == Printable(deepFolder));
    } else {
        CHECK(answer == DialogAnswer::PathTooLong(itemPath.back()));
    }
}

TEST_CASE("The first selection is selected as the browser opens, so OK at once answers it",
          "[folder browser]") {
    BrowserUnderTest under;
    CHECK(Printable(OkAtOnce(under.browser, L"C:\\")) == "C:\\");
    // One removed since it was looked up leaves the browser as it opens without one.
    CHECK(Printable(OkAtOnce(under.browser, kTestRoot + L"Gone")) ==
          Printable(OkAtOnce(under.browser, L"")));
}

TEST_CASE("A folder deep in the tree is selected as the browser opens", "[folder browser]") {
    const std::wstring folder = kTestRoot + L"Данные 数据";
    const TestFolders folders(L"Данные 数据");
    BrowserUnderTest under;
    CHECK(Printable(OkAtOnce(under.browser, folder)) == Printable(folder));
}

// The browser's own first read of the parent moves its last-access time, which Wine's browser
// compares when it looks for the folder.
TEST_CASE("A folder whose parent was last read days ago is selected as the browser opens",
          "[folder browser]") {
    const std::wstring folder = kTestRoot + L"Data";
    const TestFolders folders(L"Data");
    AgeLastAccess(kTestRoot);
    const FILETIME aged = LastAccess(kTestRoot);
    EntriesIn(kTestRoot);
    const char* prefix = std::getenv("WINEPREFIX");  // whose drive C: the tests run on under Wine
    if (const FILETIME listed = LastAccess(kTestRoot); CompareFileTime(&listed, &aged) == 0) {
        FAIL("Listing moves no access time on the mount of drive C: " << (prefix ? prefix : "?"));
    }
    AgeLastAccess(kTestRoot);
    BrowserUnderTest under;
    CHECK(Printable(OkAtOnce(under.browser, folder)) == Printable(folder));
}

}  // namespace tarvane::testing
