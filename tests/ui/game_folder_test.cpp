// Where the Archive.exe dialog opens: Steam's library file, and the choice among the places that
// the retail installer and Steam recorded.
#include <catch2/catch.hpp>

#include "support/fakes.h"
#include "ui/game_folder.h"

namespace tarvane::testing {
namespace {

const std::vector<std::wstring> kNone;

TEST_CASE("Steam's library file lists its libraries in both of its formats") {
    const std::wstring today =
        LR"("libraryfolders"
{
	"0"
	{
		"path"		"C:\\Program Files (x86)\\Steam"
		"label"		""
		"totalsize"		"0"
		"apps"
		{
			"228200"		"13254827385"
		}
	}
	"1"
	{
		"PATH"		"\\\\nas\\Игры \"Steam\""
		"contentid"		"5533064717658335218"
	}
}
)";
    const std::wstring older =
        LR"("LibraryFolders"
{
	"TimeNextStatsReport"		"1640000000"
	"ContentStatsID"		"-5533064717658335218"
	"1"		"D:\\SteamLibrary"
	"2"		"E:\Games\Steam"
}
)";
    const struct {
        const char* name;
        std::wstring vdf;
        std::vector<std::wstring> libraries;
    } cases[]{
        {"today's format", today, {LR"(C:\Program Files (x86)\Steam)", LR"(\\nas\Игры "Steam")"}},
        {"the older format", older, {LR"(D:\SteamLibrary)", LR"(E:\Games\Steam)"}},
        {"cut inside a string", today.substr(0, today.find(L"Steam\"")), kNone},
        {"cut after a whole library", today.substr(0, today.find(L"\"1\"")), kNone},
        {"a closing brace too many", older + L"}", kNone},
        {"a quote left open", older + L"\"", kNone},
        {"junk", L"MZ\x90\x03 }{ \"\x01", kNone},
        {"empty", L"", kNone},
    };
    for (const auto& file : cases) {
        CAPTURE(file.name);
        CHECK(SteamLibraries(file.vdf) == file.libraries);
    }
}

using RegistryValue = std::pair<std::pair<RegistryRoot, std::wstring>, std::wstring>;

const std::wstring kRetail = LR"(E:\Games\CoH)";
const RegistryValue kRetailRecord{
    {RegistryRoot::LocalMachine32, LR"(SOFTWARE\THQ\Company of Heroes\InstallDir)"}, kRetail};
const std::wstring kUninstall = LR"(SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\)";
const std::wstring kRelaunch = LR"(F:\Steam\steamapps\common\Company of Heroes Relaunch)";
const RegistryValue kRelaunchRecord{
    {RegistryRoot::LocalMachine32, kUninstall + LR"(Steam App 228200\InstallLocation)"}, kRelaunch};
const std::wstring kLegacy = LR"(F:\Steam\steamapps\common\Company of Heroes)";
const RegistryValue kLegacyRecord{
    {RegistryRoot::LocalMachine32, kUninstall + LR"(Steam App 4560\InstallLocation)"}, kLegacy};
const RegistryValue kSteamRecord{{RegistryRoot::CurrentUser, LR"(Software\Valve\Steam\SteamPath)"},
                                 L"c:/program files (x86)/steam"};
const std::wstring kSteamOwn = LR"(c:\program files (x86)\steam\steamapps\common\)";
const std::wstring kLibraryFile = LR"(c:\program files (x86)\steam\steamapps\libraryfolders.vdf)";
const std::wstring kLibraries = LR"("libraryfolders" { "1" { "path" "G:\\" } })";
const std::wstring kInLibrary = LR"(G:\steamapps\common\)";

struct Machine {
    const char* name;
    std::vector<RegistryValue> registry;
    std::vector<std::wstring> withArchiveTool;
    std::vector<std::wstring> withoutArchiveTool;
    std::wstring expected;
};

TEST_CASE("The Archive.exe dialog opens where the game is recorded and holds Archive.exe") {
    const std::vector<RegistryValue> everyRecord{kRetailRecord, kRelaunchRecord, kLegacyRecord,
                                                 kSteamRecord};
    const std::vector<Machine> machines{
        {"nothing anywhere", {}, {}, {}, kDefaultGameFolder},
        {"records of folders that are gone", everyRecord, {}, {}, kDefaultGameFolder},
        {"the default folder", everyRecord, {kDefaultGameFolder, kRetail}, {}, kDefaultGameFolder},
        {"the retail installer's record", {kRetailRecord}, {kRetail}, {}, kRetail},
        {"Steam's record of Relaunch", {kRelaunchRecord}, {kRelaunch}, {}, kRelaunch},
        {"Steam's record of the Legacy Edition", {kLegacyRecord}, {kLegacy}, {}, kLegacy},
        {"Steam's own folder",
         {kSteamRecord},
         {kSteamOwn + L"Company of Heroes Relaunch"},
         {},
         kSteamOwn + L"Company of Heroes Relaunch"},
        {"a library that Steam lists",
         {kSteamRecord},
         {kInLibrary + L"Company of Heroes"},
         {},
         kInLibrary + L"Company of Heroes"},
        {"both of Steam's games in one library: Relaunch",
         {kSteamRecord},
         {kInLibrary + L"Company of Heroes", kInLibrary + L"Company of Heroes Relaunch"},
         {},
         kInLibrary + L"Company of Heroes Relaunch"},
        {"several: the first that holds Archive.exe",
         everyRecord,
         {kLegacy, kRelaunch, kInLibrary + L"Company of Heroes"},
         {kDefaultGameFolder, kRetail},
         kRelaunch},
        {"none holds Archive.exe: the first that exists",
         everyRecord,
         {},
         {kInLibrary + L"Company of Heroes Relaunch", kLegacy},
         kLegacy},
    };
    for (const Machine& machine : machines) {
        CAPTURE(machine.name);
        CallLog log;
        FakeInstallRecords records(log);
        records.registry.insert(machine.registry.begin(), machine.registry.end());
        records.textFiles[kLibraryFile] = kLibraries;
        for (const std::wstring& folder : machine.withArchiveTool) {
            records.folders.insert(folder);
            records.files.insert(folder + L"\\Archive.exe");
        }
        records.folders.insert(machine.withoutArchiveTool.begin(),
                               machine.withoutArchiveTool.end());
        CHECK(Printable(GameFolder(records)) == Printable(machine.expected));
    }
}

}  // namespace
}  // namespace tarvane::testing
