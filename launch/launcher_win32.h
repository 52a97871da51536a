#pragma once
#include "launch/launcher.h"

namespace tarvane {

// CreateProcessW with the program named explicitly, so Windows never guesses at a shorter path
// that ends at a blank; the started program is not waited for and its handles are closed at once.
class ProcessLauncher final : public Launcher {
  public:
    Outcome Start(const std::wstring& program, const std::wstring& commandLine) override;
};

}  // namespace tarvane
