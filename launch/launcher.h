#pragma once
#include <string>

#include "base/outcome.h"

namespace tarvane {

// Starts a program in a normal, focused window without waiting for it.
class Launcher {
  public:
    virtual ~Launcher() = default;
    virtual Outcome Start(const std::wstring& program, const std::wstring& commandLine) = 0;
};

}  // namespace tarvane
