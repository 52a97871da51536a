// Process: the three checks, what each press reads, and what reaches the launcher.
#include <catch2/catch.hpp>

#include "support/windows_argv.h"
#include "launch/command_line.h"
#include "ui/extraction.h"
#include "support/fakes.h"

namespace tarvane::testing {
namespace {

using Args = std::vector<std::wstring>;
using Names = std::vector<std::string>;

const std::wstring kTool = LR"(C:\Program Files\THQ\Company of Heroes\Archive.exe)";
const std::wstring kArchive = LR"(C:\Program Files\THQ\Company of Heroes\WW2\Archives\Art.sga)";
const std::wstring kFolder = LR"(D:\Unpacked\)";

const std::wstring kNoTool = L"You must set your Archive.exe path first";
const std::wstring kNoArchive = L"You must select the SGA in which you want to convert";
const std::wstring kNoFolder = L"You must select an output path for the SGB and files";

TEST_CASE("Process checks the tool, the archive and the folder in order, reading no further") {
    struct Case {
        const char* name;
        std::optional<std::wstring> storedTool;
        std::wstring archive;
        std::wstring folder;
        std::wstring message;
        Names reads;
    };
    const Names toolOnly{"Settings.Read"};
    const Names toolAndArchive{"Settings.Read", "View.ArchiveText"};
    const Names all{"Settings.Read", "View.ArchiveText", "View.OutputText"};
    const Case cases[] = {
        {"no settings file", std::nullopt, kArchive, kFolder, kNoTool, toolOnly},
        {"empty pair of quotes stored", LR"("")", kArchive, kFolder, kNoTool, toolOnly},
        {"one character stored", L"C", kArchive, kFolder, kNoTool, toolOnly},
        {"nothing set at all", std::nullopt, L"", L"", kNoTool, toolOnly},
        {"both boxes empty", kTool, L"", L"", kNoArchive, toolAndArchive},
        {"archive empty, folder set", kTool, L"", kFolder, kNoArchive, toolAndArchive},
        {"folder empty", kTool, kArchive, L"", kNoFolder, all},
        {"empty quotes in SGA In", kTool, L" \"\" ", LR"(C:\a"b)", kNoArchive, toolAndArchive},
        {"empty quotes in SGB Out", kTool, LR"("C:\a.sga")", L"\"\"", kNoFolder, all},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        FakeWindow window;
        if (c.storedTool) {
            window.settings.StoreArchiveTool(*c.storedTool);
        }
        window.view.Type(c.archive, c.folder);

        OnProcess(window.context);

        REQUIRE(window.boxes.shown.size() == 1);
        CHECK(window.boxes.shown[0].text == c.message);
        CHECK(IsErrorBox(window.boxes.shown[0]));
        CHECK(window.launcher.started.empty());
        Names expected = c.reads;
        expected.push_back("Boxes.Show");
        CHECK(window.log.Names() == expected);
        CHECK(window.view.archive == c.archive);
        CHECK(window.view.output == c.folder);
    }
}

TEST_CASE("With all three set, Process starts the tool on the two paths and says nothing") {
    struct Case {
        const char* name;
        std::wstring storedTool;
        std::wstring archive;
        std::wstring folder;
    };
    const Case cases[] = {
        {"paths with blanks", kTool, kArchive, kFolder},
        {"tool stored in quotes by the Tools menu", L"\"" + kTool + L"\"", kArchive, kFolder},
        {"a single blank in each box", kTool, L" ", L" "},
        {"drive root as output", kTool, kArchive, LR"(C:\)"},
        {"folder ending in several backslashes", kTool, kArchive, LR"(C:\Out\\\)"},
        {"Cyrillic and CJK", L"D:\\Игры\\Archive.exe", L"D:\\Игры\\Архив.sga",
         L"E:\\输出\\フォルダ\\"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        FakeWindow window;
        window.settings.StoreArchiveTool(c.storedTool);
        window.view.Type(c.archive, c.folder);
        const std::wstring tool = ReadIniValue(window.settings, kPathsSection, kArchiveKey);
        window.log.Clear();

        OnProcess(window.context);

        CHECK(window.boxes.shown.empty());
        REQUIRE(window.launcher.started.size() == 1);
        CHECK(window.launcher.started[0].program == tool);
        CHECK(tool.find(L'"') == std::wstring::npos);
        CHECK(ParseWindowsCommandLine(window.launcher.started[0].commandLine) ==
              Args{tool, L"-a", c.archive, L"-e", c.folder});
        CHECK(window.log.Names() ==
              Names{"Settings.Read", "View.ArchiveText", "View.OutputText", "Launcher.Start"});
        CHECK(window.view.archive == c.archive);
        CHECK(window.view.output == c.folder);
    }
}

TEST_CASE("Paths outside the ANSI code page go in a short form that fits it, where one exists") {
    const std::wstring tool = L"D:\\Игры\\Archive.exe";
    const std::wstring cyrillic = L"C:\\Игры\\Art.sga";
    const std::wstring cjk = L"D:\\输出";
    const std::map<std::wstring, std::wstring> fitting{
        {tool, L"D:\\B7E3~1\\ARCHIVE.EXE"},
        {cyrillic, L"C:\\B7E3~1\\ART.SGA"},
        {cjk, L"D:\\8F93~1"},
        {L"D:\\", L"D:\\"},
        {L"D:\\输出\\", L"D:\\8F93~1\\"},
    };
    struct Case {
        const char* name;
        std::wstring archive;
        std::wstring folder;
        std::map<std::wstring, std::wstring> shortForms;
        std::wstring sentArchive;
        std::wstring sentFolder;
    };
    const Case cases[] = {
        {"ASCII",
         kArchive,
         kFolder,
         {{kArchive, L"C:\\PROGRA~1\\ART.SGA"}, {kFolder, L"D:\\UNPACK~1\\"}},
         kArchive,
         kFolder},
        {"accented letters of the code page",
         L"C:\\Café\\Art.sga",
         L"D:\\Données",
         {{L"C:\\Café\\Art.sga", L"C:\\CAFE~1\\ART.SGA"}, {L"D:\\Données", L"D:\\DONNE~1"}},
         L"C:\\Café\\Art.sga",
         L"D:\\Données"},
        {"Cyrillic and CJK", cyrillic, cjk, fitting, L"C:\\B7E3~1\\ART.SGA", L"D:\\8F93~1"},
        {"beyond the BMP",
         L"C:\\Mods \U0001F3AE\\Art.sga",
         L"D:\\\U0001F3AE\\",
         {{L"C:\\Mods \U0001F3AE\\Art.sga", L"C:\\MODS_~1\\ART.SGA"},
          {L"D:\\\U0001F3AE\\", L"D:\\__~1\\"}},
         L"C:\\MODS_~1\\ART.SGA",
         L"D:\\__~1\\"},
        {"no short form to be had", cyrillic, cjk, {}, cyrillic, cjk},
        {"short forms outside the code page",
         cyrillic,
         cjk,
         {{cyrillic, L"C:\\ИГРЫ~1\\ART.SGA"}, {cjk, L"D:\\输出~1"}},
         cyrillic,
         cjk},
        {"new folders below an existing CJK one", cyrillic, L"D:\\输出\\New\\Art\\", fitting,
         L"C:\\B7E3~1\\ART.SGA", L"D:\\8F93~1\\New\\Art\\"},
        {"the parent's form without its backslash",
         cyrillic,
         L"D:\\输出\\New",
         {{L"D:\\输出\\", L"D:\\8F93~1"}},
         cyrillic,
         L"D:\\8F93~1\\New"},
        {"a new CJK folder below an existing one", cyrillic, L"D:\\输出\\新", fitting,
         L"C:\\B7E3~1\\ART.SGA", L"D:\\输出\\新"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        FakeWindow window;
        window.settings.StoreArchiveTool(tool);
        window.view.Type(c.archive, c.folder);
        window.paths.shortForms = c.shortForms;
        window.paths.shortForms.insert(*fitting.find(tool));

        OnProcess(window.context);

        CHECK(window.boxes.shown.empty());
        REQUIRE(window.launcher.started.size() == 1);
        CHECK(window.launcher.started[0].program == tool);
        CHECK(ParseWindowsCommandLine(window.launcher.started[0].commandLine) ==
              Args{tool, L"-a", c.sentArchive, L"-e", c.sentFolder});
        CHECK(window.view.archive == c.archive);
        CHECK(window.view.output == c.folder);
    }
}

TEST_CASE("Short forms too long for one command line give way to the paths as typed") {
    const std::wstring archive = L"C:\\Игры\\Art.sga";
    FakeWindow window;
    window.settings.StoreArchiveTool(kTool);
    window.view.Type(archive, kFolder);
    window.paths.shortForms[archive] = L"C:\\" + std::wstring(kMaxCommandLineChars, L'A');

    OnProcess(window.context);

    CHECK(window.boxes.shown.empty());
    REQUIRE(window.launcher.started.size() == 1);
    CHECK(ParseWindowsCommandLine(window.launcher.started[0].commandLine) ==
          Args{kTool, L"-a", archive, L"-e", kFolder});
}

TEST_CASE("A double quote in a box is refused in an error box that names the box") {
    struct Case {
        std::wstring archive;
        std::wstring folder;
        const wchar_t* namedBox;
    };
    const Case cases[] = {
        {LR"(C:\a.sga" -x "y)", kFolder, L"SGA In"},
        {kArchive, LR"(C:\Out" -a "C:\other.sga)", L"SGB Out"},
        {L"\"", L"\"", L"SGA In"},
        {LR"("C:\a"b.sga")", LR"("D:\Out")", L"SGA In"},
        {LR"("C:\a.sga")", LR"(C:\Out" -a "C:\other.sga)", L"SGB Out"},
        {LR"("C:\a.sga)", kFolder, L"SGA In"},
    };
    for (const Case& c : cases) {
        CAPTURE(Printable(c.archive), Printable(c.folder));
        FakeWindow window;
        window.settings.StoreArchiveTool(kTool);
        window.view.Type(c.archive, c.folder);

        OnProcess(window.context);

        CHECK(window.launcher.started.empty());
        REQUIRE(window.boxes.shown.size() == 1);
        CHECK(IsErrorBox(window.boxes.shown[0]));
        CHECK(window.boxes.shown[0].text.find(c.namedBox) != std::wstring::npos);
        CHECK(window.view.archive == c.archive);
        CHECK(window.view.output == c.folder);
    }
}

TEST_CASE("A start that fails is reported with the tool's path and the reason") {
    FakeWindow window;
    window.settings.StoreArchiveTool(kTool);
    window.view.Type(kArchive, kFolder);
    window.launcher.FailStarts(L"The system cannot find the file specified.");

    OnProcess(window.context);

    REQUIRE(window.boxes.shown.size() == 1);
    const Message& shown = window.boxes.shown[0];
    CHECK(IsErrorBox(shown));
    CHECK(shown.text.find(kTool) != std::wstring::npos);
    CHECK(shown.text.find(L"The system cannot find the file specified.") != std::wstring::npos);
    CHECK(window.view.archive == kArchive);
    CHECK(window.view.output == kFolder);
    CHECK(window.settings.ArchiveToolRaw() == kTool);
}

TEST_CASE("Each press reads everything afresh and starts one more run") {
    FakeWindow window;
    window.settings.StoreArchiveTool(kTool);
    window.view.Type(kArchive, kFolder);

    OnProcess(window.context);
    OnProcess(window.context);
    REQUIRE(window.launcher.started.size() == 2);
    CHECK(window.launcher.started[1].commandLine == window.launcher.started[0].commandLine);

    const std::wstring otherTool = LR"(E:\CoH\Archive.exe)";
    window.settings.StoreArchiveTool(otherTool);
    window.view.output = LR"(E:\Other)";
    OnProcess(window.context);
    REQUIRE(window.launcher.started.size() == 3);
    CHECK(window.launcher.started[2].program == otherTool);
    CHECK(ParseWindowsCommandLine(window.launcher.started[2].commandLine) ==
          Args{otherTool, L"-a", kArchive, L"-e", LR"(E:\Other)"});
    CHECK(window.log.Count("Settings.Read") == 3);
    CHECK(window.boxes.shown.empty());
}

TEST_CASE("A command line longer than Windows can start is refused before anything starts") {
    const std::wstring folder = LR"(D:\Unpacked)";
    // Everything but the archive's own characters, and the terminating NUL.
    const std::size_t room = kMaxCommandLineChars - 1 - ExtractCommand(kTool, L"", folder).size();
    for (const std::size_t over : {std::size_t{0}, std::size_t{1}}) {
        CAPTURE(over);
        FakeWindow window;
        window.settings.StoreArchiveTool(kTool);
        window.view.Type(L"C:\\" + std::wstring(room - 3 + over, L'a'), folder);

        OnProcess(window.context);

        if (over == 0) {
            CHECK(window.boxes.shown.empty());
            REQUIRE(window.launcher.started.size() == 1);
            CHECK(window.launcher.started[0].commandLine.size() == kMaxCommandLineChars - 1);
        } else {
            REQUIRE(window.boxes.shown.size() == 1);
            CHECK(IsErrorBox(window.boxes.shown[0]));
            CHECK(window.boxes.shown[0].text.find(L"too long") != std::wstring::npos);
            CHECK(window.launcher.started.empty());
            CHECK(window.view.archive.size() == room + 1);
            CHECK(window.settings.ArchiveToolRaw() == kTool);
        }
    }
}

TEST_CASE("Process waits out another copy holding the settings file before calling it not set") {
    struct Case {
        int heldReads;
        std::size_t started;
        unsigned pausedMs;
    };
    // Held for two reads: found on the third. Held for good: about 200 ms, then "not set".
    const Case cases[] = {{2, 1, 50}, {1000, 0, 200}};
    for (const Case& c : cases) {
        CAPTURE(c.heldReads);
        FakeWindow window;
        window.settings.StoreArchiveTool(kTool);
        window.settings.HeldForReads(c.heldReads);
        window.view.Type(kArchive, kFolder);

        OnProcess(window.context);

        CHECK(window.launcher.started.size() == c.started);
        CHECK(window.settings.pausedMs == c.pausedMs);
        CHECK(window.boxes.shown.size() == 1 - c.started);
    }
}

}  // namespace
}  // namespace tarvane::testing
