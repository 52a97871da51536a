#pragma once
// Runs a build of the program (its exe's name in the build folder) the way a user meets it: starts
// it, waits for the first window its start-up shows, says No to the first-start question, closes
// the main window and waits for the program to end.
#include <string>
#include <vector>

namespace tarvane::testing {

struct AppRun {
    bool mainWindowOpened = false;
    std::vector<std::wstring> boxTexts;  // every message box that came up, in order
    bool endedByItself = false;          // false: still running after the timeout, then killed
    unsigned long exitCode = 0;
};

// Throws when the program cannot be started at all.
AppRun RunUntilMainWindowCloses(const std::wstring& exeName, unsigned timeoutMs = 20000);

}  // namespace tarvane::testing
