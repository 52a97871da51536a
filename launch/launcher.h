#pragma once
// Launching the archive tool: its command line, quoted so that the tool's own parser gets back
// exactly the paths the user chose, in forms an older ANSI tool can open, and the start of the
// process itself. The actions see only the interfaces here; the Win32 twins do the work.
#include <string>

namespace tarvane {

struct LaunchResult {
    bool ok = false;
    std::wstring reason;  // the platform's words when ok is false
};

// Starts a program in a normal, focused window without waiting for it.
class Launcher {
  public:
    virtual ~Launcher() = default;
    virtual LaunchResult Start(const std::wstring& program, const std::wstring& commandLine) = 0;
};

}  // namespace tarvane
