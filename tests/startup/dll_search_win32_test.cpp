// No DLL planted beside Tarvane.exe runs inside it. A copy of Tarvane.exe is started beside DLLs
// that carry system DLLs' names and leave a marker when anything loads them
// (tests/tools/planted_dll.cpp), with Wine told to prefer a DLL found on disk for those names, as
// Windows does for every DLL that is not one of its known DLLs. A library once loaded stays
// loaded, so each dialog is opened in a fresh start.
#include <catch2/catch.hpp>

#include <windows.h>
#include <tlhelp32.h>

#include <string>
#include <vector>

#include "support/printable.h"
#include "support/process_start_win32.h"
#include "support/tarvane_process_win32.h"
#include "support/win32_files.h"
#include "ui/ui_driver.h"
#include "ui/window_description.h"

namespace tarvane::testing {
namespace {

// Under its own name, which Wine's per-program setting goes by, and which no other case starts.
constexpr wchar_t kCopyName[] = L"TarvaneBesidePlanted.exe";

struct PlantedName {
    const wchar_t* file;
    const wchar_t* wineName;  // as Wine's DLL overrides name it
};
// The file dialog's library, which the program loads itself, and a library that Wine's file
// dialog loads by bare name as it comes up (found with WINEDEBUG=+loaddll); neither is a known DLL
// of Wine. (Wine's folder browser loads no library after start-up. Wine's visual styles load
// msimg32 by bare name at the window's first paint, but through the delay-load path of Wine's own
// loader, which does not keep to the folders the program set, so Wine takes a planted msimg32
// whatever the program does; Windows keeps to them there too.)
constexpr PlantedName kPlanted[] = {{L"comdlg32.dll", L"comdlg32"},
                                    {L"winspool.drv", L"winspool.drv"}};

std::vector<ProgramCopy::DllOverride> PreferPlanted() {
    std::vector<ProgramCopy::DllOverride> overrides;
    for (const PlantedName& name : kPlanted) {
        overrides.push_back({name.wineName, L"native,builtin"});
    }
    return overrides;
}

// A program of the build copied beside the planted DLLs, and told to prefer them.
struct PlantedBeside {
    explicit PlantedBeside(const std::wstring& program)
        : copy(program, kCopyName, PreferPlanted()) {
        for (const PlantedName& name : kPlanted) {
            REQUIRE(CopyFileW((BuildFolder() + L"planted_dll.dll").c_str(),
                              (copy.Folder() + name.file).c_str(), TRUE));
        }
    }

    // The planted DLLs that something has loaded.
    std::vector<std::wstring> Loaded() const {
        std::vector<std::wstring> loaded;
        for (const PlantedName& name : kPlanted) {
            if (FileExists(copy.Folder() + name.file + L".loaded")) {
                loaded.push_back(name.file);
            }
        }
        return loaded;
    }

    const ProgramCopy copy;
};

std::wstring FolderOf(const std::wstring& path) {
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

// The full path of each module loaded in a process.
std::vector<std::wstring> ModulesOf(DWORD processId) {
    std::vector<std::wstring> modules;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return modules;
    }
    MODULEENTRY32W module{};
    module.dwSize = sizeof(module);
    for (BOOL more = Module32FirstW(snapshot, &module); more;
         more = Module32NextW(snapshot, &module)) {
        modules.push_back(module.szExePath);
    }
    CloseHandle(snapshot);
    return modules;
}

// The process has loaded a DLL of that name from its system folder, where its kernel32 is.
bool LoadedFromSystemFolder(DWORD processId, const std::wstring& file) {
    std::wstring systemFolder;
    std::wstring found;
    for (const std::wstring& module : ModulesOf(processId)) {
        const std::wstring name = module.substr(FolderOf(module).size());
        if (lstrcmpiW(name.c_str(), L"kernel32.dll") == 0) {
            systemFolder = FolderOf(module);
        } else if (lstrcmpiW(name.c_str(), file.c_str()) == 0) {
            found = FolderOf(module);
        }
    }
    return !found.empty() && NameSameEntry(found, systemFolder);
}

struct Chooser {
    const char* name;
    int button;
    const wchar_t* title;
    std::vector<std::wstring> loadsAfterStart;  // what Wine loads for it, by the names planted
};

}  // namespace

TEST_CASE("A program that loads DLLs by bare name takes the ones planted beside it",
          "[ui][dll search]") {
    // The control for the case below: the planted DLLs and Wine's setting do what they must.
    const PlantedBeside planted(L"bare_name_loader.exe");
    std::wstring names;
    for (const PlantedName& name : kPlanted) {
        names += std::wstring(L" ") + name.file;
    }
    const PROCESS_INFORMATION loader =
        StartProcess(planted.copy.Folder() + kCopyName, planted.copy.Folder(), names.substr(1));
    const DWORD waited = WaitForSingleObject(loader.hProcess, kWaitMs);
    CloseHandle(loader.hThread);
    CloseHandle(loader.hProcess);
    REQUIRE(waited == WAIT_OBJECT_0);
    CHECK(planted.Loaded() == std::vector<std::wstring>{L"comdlg32.dll", L"winspool.drv"});
}

TEST_CASE("No DLL planted beside Tarvane.exe is loaded, and each chooser still opens",
          "[ui][dll search]") {
    const Chooser chooser =
        GENERATE(Chooser{"file dialog",
                         kCmdSGABrowse,
                         L"Select SGA to be converted",
                         {L"comdlg32.dll", L"winspool.drv"}},
                 Chooser{"folder browser", kCmdSGBBrowse, L"Browse for Folder", {}});
    CAPTURE(chooser.name);
    const PlantedBeside planted(L"Tarvane.exe");
    const PreparedSettings settings(L"C:\\Tarvane UI\\Archive.exe");
    const TarvaneProcess program(planted.copy.FromBuildFolder());
    const HWND window = MainWindowAfterStart(program, false);

    Click(GetDlgItem(window, chooser.button));
    const HWND dialog = program.WaitForDialog(chooser.title);
    // Each name was really loaded, so a planted DLL had its chance: from the system folder.
    for (const std::wstring& file : chooser.loadsAfterStart) {
        CAPTURE(Printable(file));
        CHECK(
            WaitUntil([&] { return LoadedFromSystemFolder(program.Process().dwProcessId, file); }));
    }
    CancelDialog(dialog);
    CHECK(planted.Loaded().empty());
}

}  // namespace tarvane::testing
