// The file dialog over the platform's real file-open dialog, driven from a second thread as a user
// would drive it: read what it shows, type a file name, press Open or Cancel.
#include <catch2/catch.hpp>

#include <windows.h>
#include <dlgs.h>

#include <string>
#include <vector>

#include "base/path_text.h"
#include "shell/file_dialog.h"
#include "shell/file_dialog_win32.h"
#include "startup/special_folder.h"
#include "startup/special_folder_win32.h"
#include "support/dialog_watcher_win32.h"
#include "support/printable.h"
#include "support/thread_hook_win32.h"
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

// The dialog as the main window asks it, owned by a stand-in window.
struct DialogUnderTest {
    OwnerWindow owner;
    Win32OpenFilePrompt prompt{owner.handle, GetSpecialFolder(kSystemFolderId)};
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
    Seen seen;
    DialogWatcher driver = Choose(L"Data.sga", seen);
    const DialogAnswer chosen =
        under.prompt.Ask({L"Select SGA to be converted", folder, row.filter});
    REQUIRE_NOTHROW(driver.Finish());

    REQUIRE(chosen.result == DialogResult::Chosen);
    CHECK(Printable(chosen.path) == Printable(folder + L"Data.sga"));
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
    Seen seen;
    DialogWatcher driver = Choose(file, seen);
    const DialogAnswer chosen =
        under.prompt.Ask({L"Select SGA to be converted", L"C:\\", L"SGA File (*.sga)|*.sga"});
    REQUIRE_NOTHROW(driver.Finish());

    REQUIRE(chosen.result == DialogResult::Chosen);
    CHECK(Printable(chosen.path) == Printable(file));
}

TEST_CASE("A cancelled dialog gives no file", "[file dialog]") {
    const std::wstring folder = FreshFolder(L"file-dialog-cancel");
    WriteWholeFile(folder + L"Archive.exe", "tool");
    DialogUnderTest under;
    const OpenFileRequest request{L"Archive.exe location", folder, L"Archive.exe|Archive.exe"};

    SECTION("before any choice") {
        Seen seen;
        DialogWatcher driver = Cancel(seen);
        const DialogAnswer cancelled = under.prompt.Ask(request);
        REQUIRE_NOTHROW(driver.Finish());
        CHECK(cancelled == DialogAnswer::Cancelled());
        CHECK(Printable(seen.title) == "Archive.exe location");
    }
    SECTION("after a choice") {
        Seen chosen;
        DialogWatcher choose = Choose(L"Archive.exe", chosen);
        const bool choseFirst = under.prompt.Ask(request).result == DialogResult::Chosen;
        REQUIRE_NOTHROW(choose.Finish());
        REQUIRE(choseFirst);

        Seen cancelled;
        DialogWatcher cancel = Cancel(cancelled);
        const DialogAnswer afterCancel = under.prompt.Ask(request);
        REQUIRE_NOTHROW(cancel.Finish());
        CHECK(afterCancel == DialogAnswer::Cancelled());
    }
}

namespace {

// Cancels every window of the thread that becomes active, so that a dialog that comes up where it
// must not ends the case at once instead of waiting for a user.
LRESULT CALLBACK CancelWhatComesUp(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        PostMessageW(reinterpret_cast<HWND>(wParam), WM_COMMAND, IDCANCEL, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A stand-in for GetOpenFileNameW that, as Windows' does whatever the flags, leaves the working
// folder where the user went: at the chosen file's folder, or, after a cancel, the last one seen.
std::wstring standInFile;
bool standInConfirms = true;
BOOL WINAPI OpenAsWindowsDoes(OPENFILENAMEW* dialog) {
    SetCurrentDirectoryW(path::Folder(standInFile).c_str());
    return standInConfirms && lstrcpynW(dialog->lpstrFile, standInFile.c_str(), dialog->nMaxFile);
}
DWORD WINAPI NoDialogError() { return 0; }
OpenFileDialogFunctions FindStandIn(const std::wstring&) {
    return {OpenAsWindowsDoes, NoDialogError};
}

}  // namespace

TEST_CASE("Without its library in the system folder the dialog answers a failure with the reason",
          "[file dialog]") {
    OwnerWindow owner;
    const OpenFileRequest request{L"Select SGA to be converted", L"C:\\",
                                  L"SGA File (*.sga)|*.sga"};
    const ThreadHook cancel(WH_CBT, CancelWhatComesUp);

    SECTION("a system folder without comdlg32.dll: nothing is taken from anywhere else") {
        // A load by bare name would still find the system's copy, loaded here already.
        const ScratchFolder elsewhere(L"file-dialog-no-library");
        const DialogAnswer answer =
            Win32OpenFilePrompt(owner.handle, elsewhere.Path()).Ask(request);
        REQUIRE(answer.result == DialogResult::Failed);
        CAPTURE(Printable(answer.reason));
        CHECK(answer.reason.rfind(L"Its library could not be loaded:\r\n" + elsewhere.Path() +
                                      L"comdlg32.dll\r\n\r\n",
                                  0) == 0);
        CHECK(answer.reason.find(L"(error ") != std::wstring::npos);
    }
    SECTION("no system folder at all") {
        const DialogAnswer answer = Win32OpenFilePrompt(owner.handle, L"").Ask(request);
        CHECK(answer == DialogAnswer::Failed(L"Windows did not say where its system folder is."));
    }
}

TEST_CASE("The working folder is where it was before the dialog, wherever the dialog left it",
          "[file dialog]") {
    standInConfirms = GENERATE(true, false);
    const ScratchFolder archives(L"file-dialog-working-folder");
    standInFile = archives.Path() + L"Data.sga";
    wchar_t before[MAX_PATH] = {}, after[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, before);
    OwnerWindow owner;
    const DialogAnswer answer =
        Win32OpenFilePrompt(owner.handle, GetSpecialFolder(kSystemFolderId), FindStandIn)
            .Ask({L"Select SGA to be converted", L"C:\\", L"SGA File (*.sga)|*.sga"});
    GetCurrentDirectoryW(MAX_PATH, after);

    CHECK(answer ==
          (standInConfirms ? DialogAnswer::Chosen(standInFile) : DialogAnswer::Cancelled()));
    CHECK(Printable(after) == Printable(before));
}

}  // namespace tarvane::testing
