#pragma once
// The state a UI test case starts Tarvane.exe on, and the program started on it.
#include <windows.h>

#include <optional>
#include <string>

#include "support/tarvane_process_win32.h"
#include "ui/ui_environment.h"

namespace tarvane::testing {

// The settings file set up before the program starts, and put back afterwards: holding this
// tool location, or missing when there is none.
struct PreparedSettings {
    explicit PreparedSettings(const std::optional<std::wstring>& tool);
    SettingsFileState settings;
};

// The program started on prepared settings, with its main window shown. By default a tool
// location is stored, so no first-start question comes up.
struct StartedProgram : PreparedSettings {
    explicit StartedProgram(
        const std::optional<std::wstring>& tool = L"C:\\Tarvane UI\\Archive.exe")
        : PreparedSettings(tool), window(MainWindowAfterStart(program, !tool)) {}

    HWND Control(int id) const { return GetDlgItem(window, id); }
    // Types into the two text boxes, the archive's and the output folder's.
    void FillBoxes(const std::wstring& archive, const std::wstring& output) const;
    bool BoxesHold(const std::wstring& archive, const std::wstring& output) const;

    TarvaneProcess program;
    HWND window;
};

}  // namespace tarvane::testing
