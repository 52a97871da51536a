// Where Archive.exe lives, as a user tells the program: the first-start question and
// Tools > Set Archive.exe Path, through the real file-open dialog.
#include <catch2/catch.hpp>

#include <optional>
#include <string>
#include <vector>

#include "support/win32_files.h"
#include "ui/game_folder.h"
#include "ui/window_description.h"
#include "ui/ui_driver.h"
#include "support/printable.h"

namespace tarvane::testing {
namespace {

constexpr wchar_t kToolDialogTitle[] = L"Select Archive.exe in CoH folder";

// The first-start question, read while the main window is still hidden.
HWND WaitForFirstStartQuestion(const TarvaneProcess& program) {
    const MessageBoxSeen question = program.WaitForMessageBox(L"Tarvane");
    CHECK(question.text ==
          L"You need to set your Archive.exe path\r\nwould you like to do that now?");
    CHECK(question.buttons == std::vector<std::wstring>{L"Yes", L"No"});
    CHECK(question.icon == BoxIcon::Question);
    HWND window = program.MainWindow();
    CHECK((window == nullptr || !IsWindowVisible(window)));
    return question.handle;
}

// The window shows after the question, with the focus in the archive box as at any start.
void RequireWindowReady(const TarvaneProcess& program) {
    const HWND window = program.WaitForMainWindowShown();
    REQUIRE(WaitUntil([&] { return program.Focus() == GetDlgItem(window, kTxtSGAPath); }));
}

struct InstalledTool {
    InstalledTool() { InstallFakeTool(folder, L"Archive.exe"); }

    const ScratchFolder scratch{L"ui tool location\\Company of Heroes"};
    const std::wstring& folder = scratch.Path();
    const std::wstring path = folder + L"Archive.exe";
};

// The game's default folder, made for the case when the test system has none.
struct GameFolder {
    GameFolder() {
        made = CreateDirectoryW(company.c_str(), nullptr) != 0;
        CreateDirectoryW(path.c_str(), nullptr);
    }
    ~GameFolder() {
        if (made) {
            RemoveTree(company);
        }
    }
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;

    const std::wstring company = L"C:\\Program Files\\THQ";
    const std::wstring path = company + L"\\Company of Heroes";
    bool made = false;
};

}  // namespace

TEST_CASE("The Archive.exe dialog opens in the game's folder and offers Archive.exe only",
          "[ui][tool]") {
    const GameFolder game;
    const auto checkDialog = [&](const TarvaneProcess& program) {
        const HWND dialog = program.WaitForDialog(kToolDialogTitle);
        CHECK(FileDialogFolder(dialog) == game.path);
        CHECK(FileTypeShown(dialog) == L"Archive.exe");
        CancelDialog(dialog);
    };

    SECTION("at the first start") {
        const PreparedSettings noSettings(std::nullopt);
        const TarvaneProcess program;
        Answer(WaitForFirstStartQuestion(program), L"Yes");
        checkDialog(program);
    }
    SECTION("from the Tools menu") {
        const StartedProgram started;
        PostCommand(started.window, kMnuToolsPath);
        CHECK(IsModalTo(started.program.WaitForDialog(kToolDialogTitle), started.window));
        checkDialog(started.program);
    }
}

TEST_CASE("Without the default folder, the dialog opens where the installer recorded the game",
          "[ui][tool]") {
    REQUIRE(GetFileAttributesW(kDefaultGameFolder) == INVALID_FILE_ATTRIBUTES);
    const InstalledTool tool;
    std::wstring recorded = tool.folder;
    recorded.pop_back();
    const RecordedGameFolder record(recorded);
    const PreparedSettings noSettings(std::nullopt);
    const TarvaneProcess program;
    Answer(WaitForFirstStartQuestion(program), L"Yes");
    const HWND dialog = program.WaitForDialog(kToolDialogTitle);
    CHECK(FileDialogFolder(dialog) == recorded);
    CancelDialog(dialog);
}

TEST_CASE("The first start asks for Archive.exe before the window shows", "[ui][tool]") {
    const InstalledTool tool;
    const PreparedSettings noSettings(std::nullopt);

    SECTION("No: nothing is stored, the window shows, and the next start asks again") {
        {
            const TarvaneProcess program;
            Answer(WaitForFirstStartQuestion(program), L"No");
            RequireWindowReady(program);
            CHECK(noSettings.settings.StoredTool() == std::nullopt);
        }
        const TarvaneProcess again;
        Answer(WaitForFirstStartQuestion(again), L"No");
        RequireWindowReady(again);
    }
    SECTION("Yes, then a file chosen: its path is stored bare") {
        const TarvaneProcess program;
        Answer(WaitForFirstStartQuestion(program), L"Yes");
        const HWND dialog = program.WaitForDialog(kToolDialogTitle);
        CHECK(!IsWindowVisible(program.MainWindow()));
        ChooseFile(dialog, tool.path);
        RequireWindowReady(program);
        CHECK(noSettings.settings.StoredTool() == tool.path);
    }
    SECTION("Yes, then the dialog cancelled: nothing is stored") {
        const TarvaneProcess program;
        Answer(WaitForFirstStartQuestion(program), L"Yes");
        CancelDialog(program.WaitForDialog(kToolDialogTitle));
        RequireWindowReady(program);
        CHECK(noSettings.settings.StoredTool() == std::nullopt);
    }
}

TEST_CASE("A stored location keeps the first-start question away", "[ui][tool]") {
    const StartedProgram started(L"C:\\Games\\Archive.exe");
    CHECK(started.program.Dialogs().empty());
}

TEST_CASE("Tools > Set Archive.exe Path stores the chosen file quoted; a cancel changes nothing",
          "[ui][tool]") {
    const InstalledTool tool;
    const std::wstring oldTool = L"C:\\Old Place\\Archive.exe";
    const StartedProgram started(oldTool);
    started.FillBoxes(L"C:\\typed.sga", L"C:\\typed out");

    SECTION("chosen from the menu") {
        PostCommand(started.window, kMnuToolsPath);
        ChooseFile(started.program.WaitForDialog(kToolDialogTitle), tool.path);
        CHECK(started.settings.StoredTool() == L"\"" + tool.path + L"\"");
        CHECK(WindowText(started.Control(kTxtSGAPath)) == L"C:\\typed.sga");
    }
    SECTION("chosen by Alt+T, Enter") {
        started.program.BringToFront(started.window);
        PressKey('T', {VK_MENU});
        PressKey(VK_RETURN);
        ChooseFile(started.program.WaitForDialog(kToolDialogTitle), tool.path);
        CHECK(started.settings.StoredTool() == L"\"" + tool.path + L"\"");
        CHECK(WindowText(started.Control(kTxtSGAPath)) == L"C:\\typed.sga");
    }
    SECTION("cancelled") {
        PostCommand(started.window, kMnuToolsPath);
        CancelDialog(started.program.WaitForDialog(kToolDialogTitle));
        CHECK(started.settings.StoredTool() == oldTool);
        CHECK(WindowText(started.Control(kTxtSGAPath)) == L"C:\\typed.sga");
    }
    SECTION("cancelled after an archive was picked: the archive does not become the tool") {
        const std::wstring archive = tool.folder + L"Ww2Data.sga";
        WriteWholeFile(archive, "SGA");
        Click(started.Control(kCmdSGABrowse));
        ChooseFile(started.program.WaitForDialog(L"Select SGA to be converted"), archive);
        PostCommand(started.window, kMnuToolsPath);
        CancelDialog(started.program.WaitForDialog(kToolDialogTitle));
        CHECK(started.settings.StoredTool() == oldTool);
        CHECK(WindowText(started.Control(kTxtSGAPath)) == archive);
    }
    // No confirmation follows, and what the user typed stays.
    CHECK(started.program.NoDialogAppears());
    CHECK(WindowText(started.Control(kTxtSGBOut)) == L"C:\\typed out");
}

TEST_CASE("A store that cannot be made is reported, and the old value stays", "[ui][tool]") {
    const std::wstring oldTool = L"C:\\Old Place\\Archive.exe";

    SECTION("a path too long for the settings gets the settings' own message") {
        // 254 characters: with the two quotes that the Tools menu adds, one more than fits.
        const std::wstring top = L"C:\\" + std::wstring(120, L'a') + L"\\";
        const std::wstring folder = top + std::wstring(118, L'b') + L"\\";
        const std::wstring longTool = folder + L"Archive.exe";
        REQUIRE(longTool.size() == 254);
        const ScratchFolder cleared = ScratchFolder::ClearedAt(top);
        REQUIRE(CreateDirectoryW(top.c_str(), nullptr));
        REQUIRE(CreateDirectoryW(folder.c_str(), nullptr));
        WriteWholeFile(longTool, "MZ");
        const StartedProgram started(oldTool);

        PostCommand(started.window, kMnuToolsPath);
        ChooseFile(started.program.WaitForDialog(kToolDialogTitle), longTool);
        const MessageBoxSeen box = started.program.WaitForMessageBox(L"tarvane");
        CHECK(box.text == L"Can't write more than 255 characters for key or value.");
        CHECK(box.buttons == kOkOnly);
        CHECK(box.icon == BoxIcon::None);
        Answer(box.handle, L"OK");
        CHECK(started.program.NoDialogAppears());
        CHECK(started.settings.StoredTool() == oldTool);
    }
    SECTION("a settings file that cannot be written is reported with its path") {
        const InstalledTool tool;
        const StartedProgram started(oldTool);
        started.settings.BlockWithFolder();

        PostCommand(started.window, kMnuToolsPath);
        ChooseFile(started.program.WaitForDialog(kToolDialogTitle), tool.path);
        const MessageBoxSeen box = started.program.WaitForMessageBox(L"Error");
        CHECK_THAT(Printable(box.text), Catch::Contains(Printable(started.settings.Path())));
        CHECK(box.buttons == kOkOnly);
        CHECK(box.icon == BoxIcon::Error);
        Answer(box.handle, L"OK");
        CHECK(started.program.Running());
        started.settings.Remove();
    }
}

}  // namespace tarvane::testing
