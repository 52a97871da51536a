// The two "..." buttons as a user works them: the archive through the file-open dialog, the output
// folder through the shell's folder browser. A cancelled picker leaves its box as it was.
#include <catch2/catch.hpp>

#include <string>

#include "startup/special_folder.h"
#include "startup/special_folder_win32.h"
#include "support/folder_tree_win32.h"
#include "support/printable.h"
#include "support/win32_files.h"
#include "ui/window_description.h"
#include "ui/ui_driver.h"

namespace tarvane::testing {
namespace {

// The game's folders beside a stored tool, removed again when the case ends.
struct GameFoldersBesideTool {
    GameFoldersBesideTool() { MakeFoldersForBrowser({game, game + L"\\WW2", archives, data}); }

    const std::wstring game = L"C:\\Tarvane UI";
    const std::wstring tool = game + L"\\Archive.exe";  // stored, never started
    const std::wstring archives = game + L"\\WW2\\Archives";
    const std::wstring data = game + L"\\WW2\\Data";
    const ScratchFolder cleared = ScratchFolder::ClearedAt(game);
};

}  // namespace

TEST_CASE("The archive picker puts the chosen file into the archive box; a cancel keeps the text",
          "[ui][pickers]") {
    const ScratchFolder scratch(L"ui archive picker");
    const std::wstring folder = scratch.Path() + L"Data Files\\";
    REQUIRE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring archive = folder + L"Ww2Data.sga";
    WriteWholeFile(archive, "SGA");
    const StartedProgram started;
    SetText(started.Control(kTxtSGAPath), L"C:\\typed by hand.sga");

    Click(started.Control(kCmdSGABrowse));
    const HWND first = started.program.WaitForDialog(L"Select SGA to be converted");
    CHECK(FileDialogFolder(first) == L"C:\\");
    CHECK(FileTypeShown(first) == L"SGA File (*.sga)");
    CHECK(IsModalTo(first, started.window));
    CancelDialog(first);
    CHECK(WindowText(started.Control(kTxtSGAPath)) == L"C:\\typed by hand.sga");

    Click(started.Control(kCmdSGABrowse));
    ChooseFile(started.program.WaitForDialog(L"Select SGA to be converted"), archive);
    CHECK(WindowText(started.Control(kTxtSGAPath)) == archive);

    // A later cancel keeps the chosen file too: nothing stale comes back.
    Click(started.Control(kCmdSGABrowse));
    CancelDialog(started.program.WaitForDialog(L"Select SGA to be converted"));
    CHECK(WindowText(started.Control(kTxtSGAPath)) == archive);
    CHECK(WindowText(started.Control(kTxtSGBOut)).empty());
}

TEST_CASE(
    "The folder picker puts the folder chosen in the browser into the output box; a cancel "
    "keeps the text",
    "[ui][pickers]") {
    // On drive C: of the test prefix, so that the browser's tree reaches it in three steps.
    const std::wstring output = L"C:\\tarvane ui output";
    const ScratchFolder cleared = ScratchFolder::ClearedAt(output);
    REQUIRE(CreateDirectoryW(output.c_str(), nullptr));
    const StartedProgram started;
    SetText(started.Control(kTxtSGBOut), L"C:\\typed output");

    Click(started.Control(kCmdSGBBrowse));
    const HWND cancelled = started.program.WaitForDialog(L"Browse for Folder");
    CHECK(IsModalTo(cancelled, started.window));
    CHECK(DialogShowsText(cancelled, L"Please select WW2\\Data folder"));
    CancelDialog(cancelled);
    CHECK(WindowText(started.Control(kTxtSGBOut)) == L"C:\\typed output");

    Click(started.Control(kCmdSGBBrowse));
    ChooseFolder(started.program.WaitForDialog(L"Browse for Folder"),
                 {L"My Computer", L"C:", L"tarvane ui output"});
    CHECK(WindowText(started.Control(kTxtSGBOut)) == output);
    CHECK(WindowText(started.Control(kTxtSGAPath)).empty());
}

TEST_CASE("With SGA In empty, the archive picker opens in the game's archives beside the tool",
          "[ui][pickers]") {
    const GameFoldersBesideTool game;
    WriteWholeFile(game.archives + L"\\WW2Data.sga", "SGA");
    const StartedProgram started(game.tool);

    Click(started.Control(kCmdSGABrowse));
    const HWND dialog = started.program.WaitForDialog(L"Select SGA to be converted");
    WaitUntil([&] { return FileDialogFolder(dialog) == game.archives; });
    CHECK(Printable(FileDialogFolder(dialog)) == Printable(game.archives));
    // A bare name is found in the folder the dialog opened in.
    ChooseFile(dialog, L"WW2Data.sga");
    CHECK(Printable(WindowText(started.Control(kTxtSGAPath))) ==
          Printable(game.archives + L"\\WW2Data.sga"));
}

TEST_CASE("With SGB Out empty, the folder browser opens on the game's data folder beside the tool",
          "[ui][pickers]") {
    const GameFoldersBesideTool game;
    const StartedProgram started(game.tool);

    Click(started.Control(kCmdSGBBrowse));
    const HWND browser = started.program.WaitForDialog(L"Browse for Folder");
    // The browser selects the first folder once it has started, after it shows.
    CHECK(WaitUntil([&] { return SelectedTreeItem(FolderTree(browser)) == L"Data"; }));
    Answer(browser, L"OK");
    CHECK(Printable(WindowText(started.Control(kTxtSGBOut))) == Printable(game.data));
}

TEST_CASE(
    "A file dialog that cannot be loaded is told at the first start and at the archive button",
    "[ui][pickers]") {
    // Wine cannot load comdlg32 at all for this copy, as a damaged system could not.
    const ProgramCopy copy(L"Tarvane.exe", L"TarvaneWithoutDialog.exe", {{L"comdlg32", L""}});
    const std::wstring library = GetSpecialFolder(kSystemFolderId) + L"comdlg32.dll";
    const PreparedSettings noSettings(std::nullopt);
    const TarvaneProcess program(copy.FromBuildFolder());
    Answer(program.WaitForMessageBox(L"Tarvane").handle, L"Yes");

    const MessageBoxSeen first = program.WaitForMessageBox(L"Error");
    CAPTURE(Printable(first.text));
    CHECK(first.text.rfind(L"Could not open the file dialog\r\n\r\nIts library could not be loaded:"
                           L"\r\n" +
                               library + L"\r\n\r\n",
                           0) == 0);
    CHECK(first.text.find(L"(error ") != std::wstring::npos);
    CHECK(first.icon == BoxIcon::Error);
    CHECK(first.buttons == kOkOnly);
    HWND window = program.MainWindow();
    CHECK((window == nullptr || !IsWindowVisible(window)));
    Answer(first.handle, L"OK");

    // Then the window, with nothing stored; and the archive button says the same.
    window = program.WaitForMainWindowShown();
    CHECK(noSettings.settings.StoredTool() == std::nullopt);
    SetText(GetDlgItem(window, kTxtSGAPath), L"C:\\typed by hand.sga");
    Click(GetDlgItem(window, kCmdSGABrowse));
    const MessageBoxSeen again = program.WaitForMessageBox(L"Error");
    CHECK(Printable(again.text) == Printable(first.text));
    Answer(again.handle, L"OK");
    CHECK(WindowText(GetDlgItem(window, kTxtSGAPath)) == L"C:\\typed by hand.sga");
}

}  // namespace tarvane::testing
