// Process through the real path: the location read from a real settings file, the command line
// built for it, and the tool started by CreateProcessW. The fake archive tool logs what it got;
// a second copy waits at "C:\Tar.exe", where a guess at the unquoted "C:\Tar Test\..." would land.
#include <catch2/catch.hpp>

#include <windows.h>

#include <vector>

#include "base/ansi_code_page_win32.h"
#include "settings/file_owner_win32.h"
#include "settings/settings_win32.h"
#include "support/fakes.h"
#include "support/printable.h"
#include "support/win32_files.h"
#include "ui/extraction.h"
#include "support/fakes.h"
#include "launch/launcher_win32.h"
#include "launch/path_forms_win32.h"
#include "support/printable.h"

namespace tarvane::testing {
namespace {

const std::wstring kToolFolder = L"C:\\Tar Test\\";
const std::wstring kUnicodeToolFolder = L"C:\\Tar Test\\Инструменты 工具\\";
const std::wstring kDecoyFolder = L"C:\\";
const std::wstring kDecoyName = L"Tar.exe";

// The real tool and the decoy in place for one case, removed again afterwards.
class InstalledTools {
  public:
    InstalledTools() {
        InstallFakeTool(kToolFolder, L"Archive.exe");
        InstallFakeTool(kUnicodeToolFolder, L"Archive.exe");
        InstallFakeTool(kDecoyFolder, kDecoyName);
    }
    ~InstalledTools() {
        RemoveTree(kToolFolder);
        DeleteFileW((kDecoyFolder + kDecoyName).c_str());
        DeleteFileW((kDecoyFolder + L"archive-calls.txt").c_str());
    }
    InstalledTools(const InstalledTools&) = delete;
    InstalledTools& operator=(const InstalledTools&) = delete;
};

// One press of Process with the settings file holding storedTool and the boxes holding the rest.
// The file is this user's own, as Windows makes it, so its owner brings no question.
struct Press : FakeWindowParts {
    Press(const std::wstring& storedTool, const std::wstring& archive, const std::wstring& output)
        : settings(FreshFolder(L"launcher") + L"tarvane.ini") {
        REQUIRE(settings.Write(kPathsSection, kArchiveKey, storedTool).ok);
        view.Type(archive, output);
    }
    void Run() {
        MainContext context{view,     dialog, folders, boxes,    settings,
                            launcher, paths,  install, approvals};
        OnProcess(context);
        CHECK_FALSE(log.Contains("Dialog.Ask"));
        CHECK_FALSE(log.Contains("Folders.BrowseForFolder"));
    }

    Win32SettingsFile settings;
    ProcessLauncher launcher;
    Win32PathForms paths;
    Win32FileOwners owners;
    ToolApprovals approvals{owners};
};

std::vector<std::string> PrintableAll(const std::vector<std::wstring>& texts) {
    std::vector<std::string> converted;
    for (const std::wstring& text : texts) {
        converted.push_back(Printable(text));
    }
    return converted;
}

std::vector<std::string> ExpectedArgv(const std::wstring& tool, const std::wstring& archive,
                                      const std::wstring& folder) {
    return PrintableAll({tool, L"-a", archive, L"-e", folder});
}

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

void CheckDecoyNeverRan() { CHECK(ReadToolCalls(kDecoyFolder).empty()); }

}  // namespace

TEST_CASE("The tool gets the archive and the folder exactly as chosen", "[launcher]") {
    struct Row {
        const wchar_t* name;
        std::wstring archive;
        std::wstring folder;
    };
    const Row row =
        GENERATE(Row{L"spaces", L"C:\\Game Files\\My Archive.sga", L"C:\\Game Files\\Out Folder"},
                 Row{L"drive root", L"C:\\Data.sga", L"D:\\"},
                 Row{L"one trailing backslash", L"C:\\Data.sga", L"C:\\Out\\"},
                 Row{L"two trailing backslashes", L"C:\\Data.sga", L"C:\\Out\\\\"},
                 Row{L"Cyrillic and CJK", L"C:\\Архивы\\Игра героев.sga", L"C:\\出力\\データ\\"},
                 Row{L"single blanks", L" ", L" "});
    const bool storedQuoted = GENERATE(false, true);
    CAPTURE(Printable(row.name), storedQuoted);

    InstalledTools tools;
    const std::wstring tool = kToolFolder + L"Archive.exe";
    Press press(storedQuoted ? Quoted(tool) : tool, row.archive, row.folder);
    press.Run();

    const std::vector<ToolCall> calls = WaitForToolCalls(kToolFolder, 1);
    REQUIRE(calls.size() == 1);
    CAPTURE(Printable(calls[0].commandLine));
    CHECK(PrintableAll(calls[0].argv) == ExpectedArgv(tool, row.archive, row.folder));
    CHECK(calls[0].showState == SW_SHOWNORMAL);  // a normal window that gets the focus
    CHECK(press.boxes.shown.empty());
    CheckDecoyNeverRan();
}

TEST_CASE("A tool in a folder named outside the ANSI code page is started", "[launcher]") {
    InstalledTools tools;
    const std::wstring tool = kUnicodeToolFolder + L"Archive.exe";
    Press press(Quoted(tool), L"C:\\Data.sga", L"C:\\Out");
    press.Run();

    const std::vector<ToolCall> calls = WaitForToolCalls(kUnicodeToolFolder, 1);
    REQUIRE(calls.size() == 1);
    CHECK(PrintableAll(calls[0].argv) == ExpectedArgv(tool, L"C:\\Data.sga", L"C:\\Out"));
    CHECK(ReadToolCalls(kToolFolder).empty());
    CheckDecoyNeverRan();
}

TEST_CASE("An ANSI tool finds an archive and a folder named outside its code page", "[launcher]") {
    InstalledTools tools;
    const std::wstring ansiToolFolder = kToolFolder + L"ANSI\\";
    InstallFakeTool(ansiToolFolder, L"Archive.exe", ToolEntry::Ansi);
    const std::wstring tool = ansiToolFolder + L"Archive.exe";
    struct Row {
        const wchar_t* subfolder;
        const wchar_t* output;
    };
    const Row row = GENERATE(Row{L"測試 档案\\", L"輸出 文件夹"}, Row{L"", L"Out"});
    const std::wstring archive = kToolFolder + row.subfolder + L"Data.sga";
    const std::wstring output = kToolFolder + row.output;
    CAPTURE(Printable(archive), Printable(output));
    CreateDirectoryW((kToolFolder + row.subfolder).c_str(), nullptr);
    WriteWholeFile(archive, "SGA");
    REQUIRE(CreateDirectoryW(output.c_str(), nullptr));

    Press press(tool, archive, output);
    press.Run();

    const std::vector<ToolCall> calls = WaitForToolCalls(ansiToolFolder, 1);
    REQUIRE(calls.size() == 1);
    CAPTURE(Printable(calls[0].commandLine));
    REQUIRE(calls[0].argv.size() == 5);
    REQUIRE(calls[0].found.size() == 5);
    CHECK(calls[0].found[2]);
    CHECK(calls[0].found[4]);
    CHECK(NameSameEntry(calls[0].argv[2], archive));
    CHECK(NameSameEntry(calls[0].argv[4], output));
    if (FitsAnsiCodePage(archive + output)) {
        CHECK(PrintableAll(calls[0].argv) == ExpectedArgv(tool, archive, output));
    } else {
        CHECK(calls[0].argv[0] == tool);
    }
    CHECK(press.boxes.shown.empty());
}

TEST_CASE("Each press starts one more run of the tool", "[launcher]") {
    InstalledTools tools;
    const std::wstring tool = kToolFolder + L"Archive.exe";
    Press press(tool, L"C:\\Data.sga", L"C:\\Out");
    press.Run();
    REQUIRE(WaitForToolCalls(kToolFolder, 1).size() == 1);
    press.Run();

    const std::vector<ToolCall> calls = WaitForToolCalls(kToolFolder, 2);
    REQUIRE(calls.size() == 2);
    CHECK(calls[0].argv == calls[1].argv);
    CheckDecoyNeverRan();
}

TEST_CASE("A tool that cannot be started is reported with its path and the system's reason",
          "[launcher]") {
    InstalledTools tools;
    struct Row {
        std::wstring tool;
        const char* planted;  // the file's content there, if any
        std::wstring text;
    };
    // The system's words as Wine gives them, where these tests run.
    const Row row = GENERATE(
        Row{L"C:\\Tar Test\\Missing Archive.exe", nullptr,
            L"Could not start the archive tool\r\nC:\\Tar Test\\Missing Archive.exe\r\n\r\n"
            L"File not found. (error 2)"},
        Row{L"C:\\Tar Test\\Not A Program.exe", "[Paths]\r\nnot a program\r\n",
            L"Could not start the archive tool\r\nC:\\Tar Test\\Not A Program.exe\r\n\r\n"
            L"Bad EXE format for C:\\Tar Test\\Not A Program.exe. (error 193)"});
    if (row.planted != nullptr) {
        WriteWholeFile(row.tool, row.planted);
    }
    Press press(row.tool, L"C:\\Data.sga", L"C:\\Out");
    press.Run();

    REQUIRE(press.boxes.shown.size() == 1);
    const Message& shown = press.boxes.shown[0];
    CAPTURE(shown);
    CHECK(IsErrorBox(shown));
    CHECK(Printable(shown.text) == Printable(row.text));
    CHECK(ReadToolCalls(kToolFolder).empty());
    CheckDecoyNeverRan();
}

}  // namespace tarvane::testing
