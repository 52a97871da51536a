// Process as a user presses it: each missing or unusable input gets its own error box, and a whole
// extraction reaches the archive tool with exactly the arguments the user chose.
#include <catch2/catch.hpp>

#include <string>
#include <vector>

#include "support/folder_tree_win32.h"
#include "support/win32_files.h"
#include "launch/command_line.h"
#include "ui/window_description.h"
#include "ui/ui_driver.h"
#include "support/printable.h"

namespace tarvane::testing {
namespace {

// Presses Process and reads the one error box it must bring up; no second box may follow.
std::wstring ErrorTextAfterProcess(const StartedProgram& started) {
    Click(started.Control(kCmdGo));
    const MessageBoxSeen box = started.program.WaitForMessageBox(L"Error");
    CHECK(box.buttons == kOkOnly);
    CHECK(box.icon == BoxIcon::Error);
    CHECK(IsModalTo(box.handle, started.window));
    Answer(box.handle, L"OK");
    CHECK(started.program.NoDialogAppears());
    return box.text;
}

}  // namespace

TEST_CASE("Process checks the tool, the archive and the output folder in that order",
          "[ui][extraction]") {
    const ScratchFolder scratch(L"ui process checks");
    const std::wstring& toolFolder = scratch.Path();
    InstallFakeTool(toolFolder, L"Archive.exe");
    // A tool is stored only once the window is up, so the first press finds none.
    StartedProgram started(std::nullopt);

    SECTION("no tool stored: only the tool's message, whatever the boxes hold") {
        started.FillBoxes(L"C:\\in.sga", L"C:\\out");
        CHECK(ErrorTextAfterProcess(started) == L"You must set your Archive.exe path first");
    }
    SECTION("tool stored, both boxes empty: only the archive's message") {
        started.settings.StoreTool(toolFolder + L"Archive.exe");
        CHECK(ErrorTextAfterProcess(started) ==
              L"You must select the SGA in which you want to convert");
    }
    SECTION("tool and archive, no output folder: only the folder's message") {
        started.settings.StoreTool(toolFolder + L"Archive.exe");
        started.FillBoxes(L"C:\\in.sga", L"");
        CHECK(ErrorTextAfterProcess(started) ==
              L"You must select an output path for the SGB and files");
    }
    SECTION("a double quote in a box is refused, naming the box") {
        started.settings.StoreTool(toolFolder + L"Archive.exe");
        started.FillBoxes(L"C:\\in.sga\" -x \"", L"C:\\out");
        CHECK_THAT(Printable(ErrorTextAfterProcess(started)), Catch::Contains("SGA In"));
        started.FillBoxes(L"C:\\in.sga", L"C:\\out\" -x \"");
        CHECK_THAT(Printable(ErrorTextAfterProcess(started)), Catch::Contains("SGB Out"));
    }
    CHECK(ReadToolCalls(toolFolder).empty());
}

TEST_CASE("A whole extraction starts the archive tool once a press with exactly the chosen paths",
          "[ui][extraction]") {
    const ScratchFolder scratch(L"ui whole extraction");
    const std::wstring toolFolder = scratch.Path() + L"Company of Heroes\\";
    const std::wstring tool = toolFolder + L"Archive.exe";
    struct Extraction {
        const char* name;
        std::wstring stored;  // bare from the first start, quoted from the Tools menu
        std::wstring archive;
        std::wstring folder;
    };
    const std::vector<Extraction> extractions{
        {"paths with spaces, a drive root", tool, L"C:\\Games\\CoH Data\\Ww2Data.sga", L"D:\\"},
        {"tool stored quoted, paths outside the ANSI code page", L"\"" + tool + L"\"",
         L"C:\\\u0418\u0433\u0440\u044b\\\u0434\u0430\u043d\u043d\u044b\u0435.sga",
         L"C:\\\u51fa\u529b \u30d5\u30a9\u30eb\u30c0"},
        {"a single blank in each box", tool, L" ", L" "},
    };

    for (const Extraction& extraction : extractions) {
        CAPTURE(extraction.name);
        InstallFakeTool(toolFolder, L"Archive.exe");
        const StartedProgram started(extraction.stored);
        started.FillBoxes(extraction.archive, extraction.folder);
        const std::vector<std::wstring> expectedArgv{tool, L"-a", extraction.archive, L"-e",
                                                     extraction.folder};

        Click(started.Control(kCmdGo));
        const std::vector<ToolCall> first = WaitForToolCalls(toolFolder, 1);
        REQUIRE(first.size() == 1);
        CHECK(first[0].argv == expectedArgv);
        CHECK(first[0].showState == SW_SHOWNORMAL);
        CHECK(started.program.NoDialogAppears());

        Click(started.Control(kCmdGo));
        const std::vector<ToolCall> both = WaitForToolCalls(toolFolder, 2);
        REQUIRE(both.size() == 2);
        CHECK(both[1].argv == expectedArgv);

        CHECK(WindowText(started.Control(kTxtSGAPath)) == extraction.archive);
        CHECK(WindowText(started.Control(kTxtSGBOut)) == extraction.folder);
    }
}

TEST_CASE("Paths pasted from Explorer's Copy as path reach the archive tool without the quotes",
          "[ui][extraction]") {
    const ScratchFolder scratch(L"ui copy as path");
    InstallFakeTool(scratch.Path(), L"Archive.exe");
    const StartedProgram started(scratch.Path() + L"Archive.exe");
    const std::wstring archive = LR"(C:\My Mods\Ww2Data.sga)", folder = LR"(D:\Unpacked SGB\)";
    started.FillBoxes(L"\"" + archive + L"\"", L" \"" + folder + L"\"\t");
    Click(started.Control(kCmdGo));

    const std::vector<ToolCall> calls = WaitForToolCalls(scratch.Path(), 1);
    REQUIRE(calls.size() == 1);
    CHECK(calls[0].argv == std::vector<std::wstring>{scratch.Path() + L"Archive.exe", L"-a",
                                                     archive, L"-e", folder});
    CHECK(started.BoxesHold(L"\"" + archive + L"\"", L" \"" + folder + L"\"\t"));
}

TEST_CASE("A whole extraction done with the pickers alone reaches the archive tool",
          "[ui][extraction][pickers]") {
    const ScratchFolder scratch(L"ui extraction by mouse");
    const std::wstring toolFolder = scratch.Path() + L"Company of Heroes\\";
    InstallFakeTool(toolFolder, L"Archive.exe");
    const std::wstring archive = toolFolder + L"Ww2Data.sga";
    WriteWholeFile(archive, "SGA");
    // On drive C: of the test prefix, so that the browser's tree reaches it in three steps.
    const std::wstring output = L"C:\\tarvane ui unpacked";
    const ScratchFolder cleared = ScratchFolder::ClearedAt(output);
    REQUIRE(CreateDirectoryW(output.c_str(), nullptr));
    const StartedProgram started(L"\"" + toolFolder + L"Archive.exe\"");

    Click(started.Control(kCmdSGABrowse));
    ChooseFile(started.program.WaitForDialog(L"Select SGA to be converted"), archive);
    Click(started.Control(kCmdSGBBrowse));
    ChooseFolder(started.program.WaitForDialog(L"Browse for Folder"),
                 {L"My Computer", L"C:", L"tarvane ui unpacked"});
    Click(started.Control(kCmdGo));

    const std::vector<ToolCall> calls = WaitForToolCalls(toolFolder, 1);
    REQUIRE(calls.size() == 1);
    CHECK(calls[0].argv ==
          std::vector<std::wstring>{toolFolder + L"Archive.exe", L"-a", archive, L"-e", output});
}

TEST_CASE("Paths too long for one command line are refused; at the limit they arrive whole",
          "[ui][extraction]") {
    const ScratchFolder scratch(L"ui longest line");
    const std::wstring& toolFolder = scratch.Path();
    const std::wstring tool = toolFolder + L"Archive.exe";
    InstallFakeTool(toolFolder, L"Archive.exe");
    const StartedProgram started(tool);
    // Split between the two boxes, the longest line Windows starts, then one character more.
    const std::size_t room = kMaxCommandLineChars - 1 - ExtractCommand(tool, L"", L"").size();
    const std::wstring folder = L"D:\\" + std::wstring(room / 2 - 3, L'o');
    const std::wstring archive = L"C:\\" + std::wstring(room - folder.size() - 3, L'a');

    started.FillBoxes(archive + L"a", folder);
    CHECK_THAT(Printable(ErrorTextAfterProcess(started)), Catch::Contains("too long"));
    CHECK(WindowText(started.Control(kTxtSGAPath)) == archive + L"a");
    CHECK(ReadToolCalls(toolFolder).empty());

    started.FillBoxes(archive, folder);
    Click(started.Control(kCmdGo));
    const std::vector<ToolCall> calls = WaitForToolCalls(toolFolder, 1);
    REQUIRE(calls.size() == 1);
    CHECK(calls[0].commandLine.size() == kMaxCommandLineChars - 1);
    CHECK(calls[0].argv == std::vector<std::wstring>{tool, L"-a", archive, L"-e", folder});
}

}  // namespace tarvane::testing
