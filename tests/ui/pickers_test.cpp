// The two "..." buttons: what they ask for and what they put into their boxes.
#include <catch2/catch.hpp>

#include "support/fakes.h"
#include "ui/pickers.h"

namespace tarvane::testing {
namespace {

const std::vector<OpenFileRequest> kArchiveDialog{
    {L"Select SGA to be converted", L"C:\\", L"SGA File (*.sga)|*.sga"}};

TEST_CASE("The archive picker puts the chosen file into SGA In only") {
    for (const std::wstring& chosen :
         {std::wstring(LR"(C:\Program Files\THQ\Company of Heroes\WW2\Archives\WW2Data.sga)"),
          std::wstring(L"D:\\Моды\\архив.sga"), std::wstring(L"E:\\模组\\data.SGA")}) {
        CAPTURE(Printable(chosen));
        FakeWindow window;
        window.view.Type(L"typed.sga", L"typed folder");
        window.dialog.WillChoose(chosen);

        OnBrowseArchive(window.context);

        CHECK(window.dialog.requests == kArchiveDialog);
        CHECK(window.view.archive == chosen);
        CHECK(window.view.output == L"typed folder");
        CHECK(window.boxes.shown.empty());
        CHECK_FALSE(window.log.Contains("Settings.Write"));
    }
}

TEST_CASE("A cancelled archive picker leaves SGA In as it was") {
    FakeWindow window;
    window.view.archive = L"typed by hand.sga";
    window.dialog.WillCancel();

    OnBrowseArchive(window.context);

    CHECK(window.view.archive == L"typed by hand.sga");
    CHECK_FALSE(window.log.Contains("View.SetArchiveText"));
}

TEST_CASE("The folder picker puts the chosen folder into SGB Out only, as the shell gave it") {
    for (const std::wstring& chosen :
         {std::wstring(LR"(C:\Program Files\THQ\Company of Heroes\WW2\Data)"),
          std::wstring(LR"(D:\)"), std::wstring(LR"(\\server\share\out)"),
          std::wstring(L"C:\\Распаковка"), std::wstring(L"D:\\出力 フォルダ")}) {
        CAPTURE(Printable(chosen));
        FakeWindow window;
        window.view.Type(L"typed.sga", L"typed folder");
        window.folders.WillChoose(chosen);

        OnBrowseOutput(window.context);

        CHECK(window.log.Details("Folders.BrowseForFolder") ==
              std::vector<std::wstring>{LR"(Please select WW2\Data folder)"});
        CHECK(window.view.output == chosen);
        CHECK(window.view.archive == L"typed.sga");
        CHECK(window.boxes.shown.empty());
    }
}

TEST_CASE("A cancelled folder picker leaves SGB Out as it was") {
    FakeWindow window;
    window.view.output = L"typed by hand";
    window.folders.WillCancel();

    OnBrowseOutput(window.context);

    CHECK(window.log.Count("Folders.BrowseForFolder") == 1);
    CHECK(window.view.output == L"typed by hand");
    CHECK_FALSE(window.log.Contains("View.SetOutputText"));
}

constexpr wchar_t kTool[] = LR"(C:\CoH\Archive.exe)";
constexpr wchar_t kArchives[] = LR"(C:\CoH\WW2\Archives)";
constexpr wchar_t kData[] = LR"(C:\CoH\WW2\Data)";

// What a picker's box and the settings file hold, which folders exist, and where the picker opens.
struct Lookup {
    const char* name;
    std::wstring typed;
    std::optional<std::wstring> tool;  // as stored in the file
    std::set<std::wstring> folders;
    std::vector<std::wstring> probes;  // in order
    std::wstring opensAt;
    std::size_t toolReads;
};

// The settings file and the folders of the machine as the lookup finds them.
void SetUp(FakeWindow& window, const Lookup& lookup) {
    window.install.folders = lookup.folders;
    if (lookup.tool) {
        window.settings.StoreArchiveTool(*lookup.tool);
    }
}

void CheckLookedUp(const FakeWindow& window, const Lookup& lookup) {
    CHECK(window.log.Details("Install.FolderExists") == lookup.probes);
    CHECK(window.log.Count("Settings.Read") == lookup.toolReads);
    CHECK_FALSE(window.log.Contains("View.SetArchiveText"));
    CHECK_FALSE(window.log.Contains("View.SetOutputText"));
}

TEST_CASE("The archive picker opens in SGA In's folder, else the game's archives or its folder") {
    const Lookup lookup = GENERATE(
        Lookup{"a file in SGA In",
               LR"(D:\Mods\x.sga)",
               kTool,
               {LR"(D:\Mods)"},
               {LR"(D:\Mods)", LR"(D:\Mods\x.sga)"},
               LR"(D:\Mods)",
               0},
        Lookup{"a folder in SGA In",
               LR"(D:\Mods\New)",
               kTool,
               {LR"(D:\Mods)", LR"(D:\Mods\New)"},
               {LR"(D:\Mods)", LR"(D:\Mods\New)"},
               LR"(D:\Mods\New)",
               0},
        Lookup{"blanks and quotes around SGA In",
               L" \"D:\\Mods\\x.sga\"\t",
               kTool,
               {LR"(D:\Mods)"},
               {LR"(D:\Mods)", LR"(D:\Mods\x.sga)"},
               LR"(D:\Mods)",
               0},
        Lookup{"a file at a drive root", LR"(D:\x.sga)", {}, {}, {LR"(D:\)"}, LR"(C:\)", 1},
        Lookup{"SGA In's folder missing",
               LR"(D:\Gone\x.sga)",
               kTool,
               {kArchives, LR"(C:\CoH)"},
               {LR"(D:\Gone)", kArchives},
               kArchives,
               1},
        Lookup{"no archives beside a quoted tool",
               L"",
               L"\"C:\\CoH\\Archive.exe\"",
               {LR"(C:\CoH)"},
               {kArchives, LR"(C:\CoH)"},
               LR"(C:\CoH)",
               1},
        Lookup{"nothing there",
               LR"(D:\Gone\x.sga)",
               kTool,
               {},
               {LR"(D:\Gone)", kArchives, LR"(C:\CoH)"},
               LR"(C:\)",
               1},
        Lookup{"a tool at a drive root",
               L"",
               LR"(E:\Archive.exe)",
               {LR"(E:\)"},
               {LR"(E:\WW2\Archives)", LR"(E:\)"},
               LR"(E:\)",
               1},
        Lookup{"no tool", L"", {}, {}, {}, LR"(C:\)", 1},
        Lookup{"a tool without a folder", L"", L"Archive.exe", {}, {}, LR"(C:\)", 1});
    CAPTURE(lookup.name);
    FakeWindow window;
    SetUp(window, lookup);
    window.view.archive = lookup.typed;

    OnBrowseArchive(window.context);

    REQUIRE(window.dialog.requests.size() == 1);
    CHECK(Printable(window.dialog.requests[0].initialFolder) == Printable(lookup.opensAt));
    CheckLookedUp(window, lookup);
}

TEST_CASE(
    "The folder browser opens on SGB Out, else on the game's data folder, else as the shell does") {
    const Lookup lookup = GENERATE(
        Lookup{"SGB Out", LR"(D:\Out)", kTool, {LR"(D:\Out)"}, {LR"(D:\Out)"}, LR"(D:\Out)", 0},
        Lookup{"a drive root in SGB Out", LR"(D:\)", kTool, {LR"(D:\)"}, {LR"(D:\)"}, LR"(D:\)", 0},
        Lookup{"blanks and quotes around SGB Out",
               L"\t\"D:\\Out\" ",
               kTool,
               {LR"(D:\Out)"},
               {LR"(D:\Out)"},
               LR"(D:\Out)",
               0},
        Lookup{"SGB Out missing", LR"(D:\Gone)", kTool, {kData}, {LR"(D:\Gone)", kData}, kData, 1},
        Lookup{"no data folder", L"", kTool, {LR"(C:\CoH)"}, {kData}, L"", 1},
        Lookup{"no tool", L"", {}, {}, {}, L"", 1});
    CAPTURE(lookup.name);
    FakeWindow window;
    SetUp(window, lookup);
    window.view.output = lookup.typed;

    OnBrowseOutput(window.context);

    CHECK(window.folders.firstSelections == std::vector<std::wstring>{lookup.opensAt});
    CheckLookedUp(window, lookup);
}

TEST_CASE("Paths that are not full paths on a local drive are never probed") {
    for (const std::wstring path :
         {LR"(C:x.sga)", LR"(Archives\x.sga)", LR"(\x.sga)", LR"(\\server\share\x.sga)",
          LR"(\\?\C:\x.sga)", LR"(\\.\C:\x.sga)", LR"(N:\x.sga)", LR"(C:/x.sga)", LR"(1:\x.sga)"}) {
        CAPTURE(Printable(path));
        FakeWindow window;
        window.install.remoteDrives = {L'N'};
        window.view.Type(path, path);
        window.settings.StoreArchiveTool(path);

        OnBrowseArchive(window.context);
        OnBrowseOutput(window.context);

        CHECK_FALSE(window.log.Contains("Install.FolderExists"));
        REQUIRE(window.dialog.requests.size() == 1);
        CHECK(window.dialog.requests[0].initialFolder == LR"(C:\)");
        CHECK(window.folders.firstSelections == std::vector<std::wstring>{L""});
    }
}

TEST_CASE("Each press looks again: a tool stored between two presses moves the next") {
    FakeWindow window;
    window.install.folders = {kArchives, kData, LR"(E:\Game\WW2\Archives)", LR"(E:\Game\WW2\Data)"};
    window.settings.StoreArchiveTool(kTool);
    OnBrowseArchive(window.context);
    OnBrowseOutput(window.context);

    window.settings.StoreArchiveTool(LR"("E:\Game\Archive.exe")");
    OnBrowseArchive(window.context);
    OnBrowseOutput(window.context);

    REQUIRE(window.dialog.requests.size() == 2);
    CHECK(window.dialog.requests[0].initialFolder == kArchives);
    CHECK(window.dialog.requests[1].initialFolder == LR"(E:\Game\WW2\Archives)");
    CHECK(window.folders.firstSelections ==
          std::vector<std::wstring>{kData, LR"(E:\Game\WW2\Data)"});
}

}  // namespace
}  // namespace tarvane::testing
