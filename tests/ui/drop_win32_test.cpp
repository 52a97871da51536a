// Files and folders dropped on the window from another program, delivered as the shell delivers
// them: each goes where the drop's place and the item's kind say, and nothing else happens.
#include <catch2/catch.hpp>

#include <string>
#include <vector>

#include "support/win32_files.h"
#include "ui/window_description.h"
#include "ui/drop_sender.h"
#include "ui/ui_driver.h"

namespace tarvane::testing {
namespace {

POINT CentreOf(HWND control) {
    const RECT place = RectInParent(control);
    return {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
}

// Inside the frame's border, on none of its controls.
constexpr POINT kOnFrame{8, 8};

}  // namespace

TEST_CASE("A drop fills the text box it lands on, or elsewhere each box with its kind",
          "[ui][drop]") {
    const ScratchFolder scratch(L"ui drop tool");
    const std::wstring& toolFolder = scratch.Path();
    InstallFakeTool(toolFolder, L"Archive.exe");
    // The shell names a folder without a trailing backslash, a drive root with one.
    const ScratchFolder dropped(L"ui drop\\Вывод 输出 \U0001F3AE");
    std::wstring folder = dropped.Path();
    folder.pop_back();
    const std::wstring archive = L"D:\\Игры\\战争 \U0001F3AE\\WW2Data.sga";
    const std::wstring driveRoot = L"C:\\";
    const StartedProgram started(toolFolder + L"Archive.exe");
    const std::string settingsBefore = ReadWholeFile(started.settings.Path());
    started.program.BringToFront(started.window);

    struct Drop {
        const char* name;
        POINT point;
        std::vector<std::wstring> paths;
        std::wstring archive;
        std::wstring output;
        int focus;
    };
    const std::vector<Drop> drops{
        {"a file and a drive root on the frame",
         kOnFrame,
         {archive, driveRoot},
         archive,
         driveRoot,
         kTxtSGAPath},
        {"a folder first on the archive box",
         CentreOf(started.Control(kTxtSGAPath)),
         {folder, archive},
         folder,
         driveRoot,
         kTxtSGAPath},
        {"a file on the output box",
         CentreOf(started.Control(kTxtSGBOut)),
         {archive},
         folder,
         archive,
         kTxtSGBOut},
        {"only a folder on the frame", kOnFrame, {folder}, folder, folder, kTxtSGBOut},
        {"only a file on the frame", kOnFrame, {archive}, archive, folder, kTxtSGAPath},
    };
    for (const Drop& drop : drops) {
        CAPTURE(drop.name);
        PostFileDrop(started.program.Process(), started.window, drop.point, drop.paths);
        WaitUntil([&] { return started.BoxesHold(drop.archive, drop.output); });
        CHECK(WindowText(started.Control(kTxtSGAPath)) == drop.archive);
        CHECK(WindowText(started.Control(kTxtSGBOut)) == drop.output);
        CHECK(started.program.Focus() == started.Control(drop.focus));
    }
    CHECK(started.program.NoDialogAppears());
    CHECK(ReadWholeFile(started.settings.Path()) == settingsBefore);
    CHECK(ReadToolCalls(toolFolder).empty());
}

TEST_CASE("An archive and a folder on the command line fill the boxes after the first start",
          "[ui][drop]") {
    const ScratchFolder scratch(L"ui start paths\\Мои моды");
    std::wstring folder = scratch.Path();
    folder.pop_back();
    const std::wstring archive = scratch.Path() + L"Art High.sga";
    WriteWholeFile(archive, "SGA");
    const PreparedSettings noSettings(std::nullopt);

    const TarvaneProcess program(L"Tarvane.exe",
                                 L"/x \"" + folder + L"\" \"C:\\Gone.sga\" \"" + archive + L"\"");
    const HWND window = MainWindowAfterStart(program, true);
    CHECK(WindowText(GetDlgItem(window, kTxtSGAPath)) == archive);
    CHECK(WindowText(GetDlgItem(window, kTxtSGBOut)) == folder);
    CHECK(program.NoDialogAppears());
    CHECK(noSettings.settings.StoredTool() == std::nullopt);
}

TEST_CASE("A drop while a message box is open changes nothing", "[ui][drop]") {
    const StartedProgram started;
    PostCommand(started.window, kMnuHelpHow);
    const HWND help = started.program.WaitForDialog(L"Help");

    PostFileDrop(started.program.Process(), started.window, kOnFrame,
                 {L"D:\\WW2Data.sga", L"C:\\"});
    CHECK_FALSE(WaitUntil([&] { return !started.BoxesHold(L"", L""); }, kSettleMs));
    Answer(help, L"OK");
    CHECK_FALSE(WaitUntil([&] { return !started.BoxesHold(L"", L""); }, kSettleMs));
}

}  // namespace tarvane::testing
