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

TEST_CASE("A folder whose path is too long is told by its name; SGB Out keeps its text") {
    FakeWindow window;
    window.view.output = L"typed folder";
    window.folders.WillFindPathTooLong(L"Level 7");
    OnBrowseOutput(window.context);
    REQUIRE(window.boxes.shown.size() == 1);
    CHECK(window.boxes.shown[0].text ==
          L"The path of the folder \"Level 7\" is too long to use.\r\n\r\n"
          L"Please choose a folder with a shorter path.");
    CHECK(window.view.output == L"typed folder");
}

constexpr wchar_t kTool[] = LR"(C:\CoH\Archive.exe)";
constexpr wchar_t kCoH[] = LR"(C:\CoH)";
constexpr wchar_t kArchives[] = LR"(C:\CoH\WW2\Archives)";
constexpr wchar_t kData[] = LR"(C:\CoH\WW2\Data)";
constexpr wchar_t kC[] = LR"(C:\)";
constexpr wchar_t kD[] = LR"(D:\)";
constexpr wchar_t kMods[] = LR"(D:\Mods)";
constexpr wchar_t kMod[] = LR"(D:\Mods\x.sga)";
constexpr wchar_t kGone[] = LR"(D:\Gone)";
constexpr wchar_t kGoneMod[] = LR"(D:\Gone\x.sga)";
constexpr wchar_t kE[] = LR"(E:\)";
constexpr wchar_t kEArchives[] = LR"(E:\WW2\Archives)";
constexpr wchar_t kQuotedMod[] = L" \"D:\\Mods\\x.sga\"\t";
constexpr wchar_t kQuotedTool[] = LR"("C:\CoH\Archive.exe")";

enum class Picker { Archive, Output };

// What the picker's box and the settings file hold, which folders exist, and where it opens.
struct Lookup {
    const char* name;
    Picker picker;
    std::wstring typed;
    std::optional<std::wstring> tool;  // as stored in the file
    std::set<std::wstring> folders;
    std::vector<std::wstring> probes;  // in order
    std::wstring opensAt;
    std::size_t toolReads;
};

TEST_CASE("Each picker opens at the first place there is, probing no more than it must") {
    using enum Picker;
    const Lookup lookup = GENERATE(values<Lookup>({
        {"file in SGA In", Archive, kMod, kTool, {kMods}, {kMods, kMod}, kMods, 0},
        {"folder in SGA In", Archive, kMods, kTool, {kD, kMods}, {kD, kMods}, kMods, 0},
        {"quoted SGA In", Archive, kQuotedMod, kTool, {kMods}, {kMods, kMod}, kMods, 0},
        {"file at a drive root", Archive, LR"(D:\x.sga)", {}, {}, {kD}, kC, 1},
        {"SGA gone", Archive, kGoneMod, kTool, {kArchives, kCoH}, {kGone, kArchives}, kArchives, 1},
        {"quoted tool", Archive, L"", kQuotedTool, {kCoH}, {kArchives, kCoH}, kCoH, 1},
        {"nothing there", Archive, kGoneMod, kTool, {}, {kGone, kArchives, kCoH}, kC, 1},
        {"tool at a drive root", Archive, L"", LR"(E:\Archive.exe)", {kE}, {kEArchives, kE}, kE, 1},
        {"no tool", Archive, L"", {}, {}, {}, kC, 1},
        {"tool without a folder", Archive, L"", L"Archive.exe", {}, {}, kC, 1},
        {"SGB Out", Output, kMods, kTool, {kMods}, {kMods}, kMods, 0},
        {"drive root in SGB Out", Output, kD, kTool, {kD}, {kD}, kD, 0},
        {"quoted SGB Out", Output, L"\t\"D:\\Mods\" ", kTool, {kMods}, {kMods}, kMods, 0},
        {"SGB Out gone", Output, kGone, kTool, {kData}, {kGone, kData}, kData, 1},
        {"no data folder", Output, L"", kTool, {kCoH}, {kData}, L"", 1},
        {"no tool for SGB Out", Output, L"", {}, {}, {}, L"", 1},
    }));
    CAPTURE(lookup.name);
    FakeWindow window;
    window.install.folders = lookup.folders;
    if (lookup.tool) {
        window.settings.StoreArchiveTool(*lookup.tool);
    }

    std::wstring opened;
    if (lookup.picker == Archive) {
        window.view.archive = lookup.typed;
        OnBrowseArchive(window.context);
        REQUIRE(window.dialog.requests.size() == 1);
        opened = window.dialog.requests[0].initialFolder;
    } else {
        window.view.output = lookup.typed;
        OnBrowseOutput(window.context);
        REQUIRE(window.folders.firstSelections.size() == 1);
        opened = window.folders.firstSelections[0];
    }

    CHECK(Printable(opened) == Printable(lookup.opensAt));
    CHECK(window.log.Details("Install.FolderExists") == lookup.probes);
    CHECK(window.log.Count("Settings.Read") == lookup.toolReads);
    CHECK(window.view.archive == (lookup.picker == Archive ? lookup.typed : L""));
    CHECK(window.view.output == (lookup.picker == Output ? lookup.typed : L""));
}

TEST_CASE("Paths that are not full paths on a local drive are never probed") {
    for (const std::wstring path :
         {LR"(C:x.sga)", LR"(Archives\x.sga)", LR"(\x.sga)", LR"(\\server\share\x.sga)",
          LR"(\\?\C:\x.sga)", LR"(\\.\C:\x.sga)", LR"(N:\x.sga)", LR"(C:/x.sga)", LR"(1:\x.sga)",
          LR"("C:\a"b.sga")", LR"(C:\a/b.sga)", LR"(C:\*.sga)", LR"(C:\a.sga:s)"}) {
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

TEST_CASE(
    "A picker that cannot be shown says why in an Error box and leaves both boxes as they were") {
    struct Case {
        const char* name;
        void (*action)(MainContext&);
        std::wstring reason;
        std::wstring text;
    };
    const Case cases[] = {
        {"archive", OnBrowseArchive, L"Windows reported CDERR_INITIALIZATION (0x0002).",
         L"Could not open the file dialog\r\n\r\nWindows reported CDERR_INITIALIZATION (0x0002)."},
        {"folder", OnBrowseOutput, L"COM could not be started on this thread.",
         L"Could not open the folder browser\r\n\r\nCOM could not be started on this thread."},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        FakeWindow window;
        window.view.Type(L"typed.sga", L"typed folder");
        window.dialog.WillFail(c.reason);
        window.folders.WillFail(c.reason);

        c.action(window.context);

        REQUIRE(window.boxes.shown.size() == 1);
        CHECK(IsErrorBox(window.boxes.shown[0]));
        CHECK(Printable(window.boxes.shown[0].text) == Printable(c.text));
        CHECK(window.view.archive == L"typed.sga");
        CHECK(window.view.output == L"typed folder");
        CHECK_FALSE(window.log.Contains("View.SetArchiveText"));
        CHECK_FALSE(window.log.Contains("View.SetOutputText"));
    }
}

}  // namespace
}  // namespace tarvane::testing
