#pragma once
// A settings file of a test case's own, not there yet, in a scratch folder, worked through the
// program's real settings code: the file as the program reads and writes it.
#include <string>
#include <vector>

#include "settings/settings.h"
#include "settings/settings_win32.h"
#include "support/win32_files.h"

namespace tarvane::testing {

struct ScratchSettings {
    explicit ScratchSettings(const std::wstring& caseName)
        : folder(L"settings-" + caseName), path(folder.Path() + L"tarvane.ini"), file(path) {}

    // The tool's location, as the program reads and stores it.
    std::wstring Read() { return ReadIniValue(file, kPathsSection, kArchiveKey); }
    WriteResult Write(const std::wstring& value) {
        return WriteIniValue(file, kPathsSection, kArchiveKey, value);
    }
    // True when the folder holds the settings file and nothing else: no copy or temporary file
    // left behind.
    bool AloneInFolder() const {
        return EntriesIn(folder.Path()) == std::vector<std::wstring>{L"tarvane.ini"};
    }

    const ScratchFolder folder;
    const std::wstring path;
    Win32SettingsFile file;
};

}  // namespace tarvane::testing
