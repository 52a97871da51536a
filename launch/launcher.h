#pragma once
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
