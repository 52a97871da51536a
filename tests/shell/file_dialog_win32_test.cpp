// dlgMain over the platform's real file-open dialog, driven from a second thread as a user would
// drive it: read what it shows, type a file name, press Open or Cancel.
#include <catch2/catch.hpp>

#include <windows.h>
#include <dlgs.h>

#include <vector>

#include "shell/file_dialog.h"
#include "shell/file_dialog_win32.h"
#include "support/dialog_watcher_win32.h"
#include "support/printable.h"
#include "support/win32_files.h"
#include "support/window_driving_win32.h"

namespace tarvane::testing {
namespace {

// What the dialog showed when it came up.
struct Seen {
    std::wstring title;
    std::vector<std::wstring> fileTypes;
    std::wstring fileTypeShown;
    HWND owner = nullptr;
    bool ownerEnabled = true;
};

void Look(HWND dialog, Seen& seen) {
    seen.title = WindowText(dialog);
    seen.fileTypes = ComboItems(GetDlgItem(dialog, cmb1));
    seen.fileTypeShown = FileTypeShown(dialog);
    seen.owner = GetWindow(dialog, GW_OWNER);
    seen.ownerEnabled = IsWindowEnabled(seen.owner) != FALSE;
}

DialogWatcher Choose(const std::wstring& typed, Seen& seen) {
    return DialogWatcher([&seen, typed](HWND dialog) {
        Look(dialog, seen);
        ChooseFile(dialog, typed);
    });
}

DialogWatcher Cancel(Seen& seen) {
    return DialogWatcher([&seen](HWND dialog) {
        Look(dialog, seen);
        CancelDialog(dialog);
    });
}

// The dialog as the main window holds it, with the prompt owned by the stand-in window.
struct DialogUnderTest {
    OwnerWindow owner;
    Win32OpenFilePrompt prompt{owner.handle};
    CommonDialog dialog{prompt};
};

}  // namespace

TEST_CASE("A file chosen by name in the first folder comes back as its full path",
          "[file dialog]") {
    struct Row {
        std::wstring filter;
        std::vector<std::wstring> fileTypes;
    };
    const Row row = GENERATE(
        Row{L"SGA File (*.sga)|*.sga", {L"SGA File (*.sga)"}},
        Row{L"Archive.exe|Archive.exe|All files (*.*)|*.*", {L"Archive.exe", L"All files (*.*)"}});
    CAPTURE(Printable(row.filter));
    const std::wstring folder = FreshFolder(L"file-dialog-first-folder");
    WriteWholeFile(folder + L"Archive.exe", "tool");
    WriteWholeFile(folder + L"Data.sga", "archive");

    DialogUnderTest under;
    under.dialog.SetInitDir(folder);
    under.dialog.SetDialogTitle(L"Select SGA to be converted");
    under.dialog.SetFilter(row.filter);
    Seen seen;
    DialogWatcher driver = Choose(L"Data.sga", seen);
    under.dialog.ShowOpen();
    REQUIRE_NOTHROW(driver.Finish());

    CHECK(under.dialog.Confirmed());
    CHECK(Printable(under.dialog.FileName()) == Printable(folder + L"Data.sga"));
    CHECK(Printable(seen.title) == "Select SGA to be converted");
    CHECK(seen.fileTypes == row.fileTypes);
    CHECK(seen.fileTypeShown == row.fileTypes.front());
    CHECK(seen.owner == under.owner.handle);
    CHECK_FALSE(seen.ownerEnabled);
}

TEST_CASE("A typed full path outside the ANSI code page comes back intact", "[file dialog]") {
    const std::wstring folder = FreshFolder(L"file-dialog-Игры 游戏");
    const std::wstring file = folder + L"Архив 档案.sga";
    WriteWholeFile(file, "archive");

    DialogUnderTest under;
    under.dialog.SetInitDir(L"C:\\");
    under.dialog.SetDialogTitle(L"Select SGA to be converted");
    under.dialog.SetFilter(L"SGA File (*.sga)|*.sga");
    Seen seen;
    DialogWatcher driver = Choose(file, seen);
    under.dialog.ShowOpen();
    REQUIRE_NOTHROW(driver.Finish());

    CHECK(under.dialog.Confirmed());
    CHECK(Printable(under.dialog.FileName()) == Printable(file));
}

TEST_CASE("A cancelled dialog keeps the file name it had", "[file dialog]") {
    const std::wstring folder = FreshFolder(L"file-dialog-cancel");
    WriteWholeFile(folder + L"Archive.exe", "tool");
    DialogUnderTest under;
    under.dialog.SetDialogTitle(L"Archive.exe location");
    under.dialog.SetInitDir(folder);
    under.dialog.SetFilter(L"Archive.exe|Archive.exe");

    SECTION("before any choice it stays empty") {
        Seen seen;
        DialogWatcher driver = Cancel(seen);
        under.dialog.ShowOpen();
        REQUIRE_NOTHROW(driver.Finish());
        CHECK_FALSE(under.dialog.Confirmed());
        CHECK(under.dialog.FileName().empty());
        CHECK(Printable(seen.title) == "Archive.exe location");
    }
    SECTION("after a choice it keeps that choice") {
        Seen chosen;
        DialogWatcher choose = Choose(L"Archive.exe", chosen);
        under.dialog.ShowOpen();
        REQUIRE_NOTHROW(choose.Finish());
        REQUIRE(under.dialog.Confirmed());

        Seen cancelled;
        DialogWatcher cancel = Cancel(cancelled);
        under.dialog.ShowOpen();
        REQUIRE_NOTHROW(cancel.Finish());
        CHECK_FALSE(under.dialog.Confirmed());
        CHECK(Printable(under.dialog.FileName()) == Printable(folder + L"Archive.exe"));
    }
}

}  // namespace tarvane::testing
