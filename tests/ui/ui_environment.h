#pragma once
// The machine state that a UI test case sets up before it starts the program, each put back as it
// was when the case ends: the settings file and the screen's DPI.
#include <windows.h>

#include <catch2/catch.hpp>

#include <optional>
#include <string>
#include <vector>

#include "support/printable.h"
#include "support/win32_files.h"

namespace tarvane::testing {

// Runs the programs started while this lives at the given DPI, and puts the setting back after.
class ScreenDpiSetting {
  public:
    explicit ScreenDpiSetting(DWORD dpi);
    ~ScreenDpiSetting();
    ScreenDpiSetting(const ScreenDpiSetting&) = delete;
    ScreenDpiSetting& operator=(const ScreenDpiSetting&) = delete;

  private:
    std::optional<DWORD> saved_;
};

// The retail game's installer's record of its folder (HKLM\SOFTWARE\THQ\Company of Heroes,
// InstallDir, where a 32-bit installer writes it) while this lives, on a system that has none;
// removed again afterwards, since other cases expect none.
class RecordedGameFolder {
  public:
    explicit RecordedGameFolder(const std::wstring& folder);
    ~RecordedGameFolder();
    RecordedGameFolder(const RecordedGameFolder&) = delete;
    RecordedGameFolder& operator=(const RecordedGameFolder&) = delete;
};

// A copy of a program of the build under a file name that no other case starts, in a folder of its
// own in the build folder, with Wine told where that program takes some DLLs from: Wine's
// per-program setting HKCU\Software\Wine\AppDefaults\<file name>\DllOverrides, which Windows
// does not have. "native,builtin" prefers a DLL found on disk, as Windows does for every DLL that
// is not one of its known DLLs; "" makes a DLL unloadable. Folder and setting go again afterwards.
class ProgramCopy {
  public:
    struct DllOverride {
        std::wstring dll;  // as Wine names it: "comdlg32", "winspool.drv"
        std::wstring order;
    };
    ProgramCopy(const std::wstring& program, const std::wstring& copyName,
                const std::vector<DllOverride>& overrides);
    ~ProgramCopy();
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    // The copy's folder, with its trailing backslash.
    const std::wstring& Folder() const { return folder_; }
    // The copy's path from the build folder, as TarvaneProcess takes it.
    std::wstring FromBuildFolder() const { return subfolder_ + copyName_; }

  private:
    void RemoveOverrides() const;

    const std::wstring copyName_;
    const std::wstring subfolder_;
    const std::wstring folder_;
    const ScratchFolder cleared_;
    const std::wstring overridesKey_;
};

// The settings file the program uses, chosen by the program's own rule. Saves the file as it was
// and puts it back when this goes away, so each case starts from the state it sets up.
class SettingsFileState {
  public:
    SettingsFileState();
    ~SettingsFileState();
    SettingsFileState(const SettingsFileState&) = delete;
    SettingsFileState& operator=(const SettingsFileState&) = delete;

    const std::wstring& Path() const { return path_; }
    void Remove() const;
    // A folder in the file's place, so that nothing can be stored.
    void BlockWithFolder() const;
    // A settings file holding only [Paths] Archive=value.
    void StoreTool(const std::wstring& value) const;
    // The Archive value as written in the file, quotes included; nothing when file or key is
    // missing.
    std::optional<std::wstring> StoredTool() const;

  private:
    std::wstring path_;
    std::optional<std::string> saved_;
};

}  // namespace tarvane::testing

// A stored value in failure messages, or that nothing is stored.
template <>
struct Catch::StringMaker<std::optional<std::wstring>> {
    static std::string convert(const std::optional<std::wstring>& value) {
        return value ? '"' + tarvane::testing::Printable(*value) + '"' : "(nothing stored)";
    }
};
