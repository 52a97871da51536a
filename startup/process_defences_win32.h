#pragma once
#include "startup/process_defences.h"

namespace tarvane {

class Win32ProcessDefences final : public ProcessDefences {
  public:
    bool SearchSystemFolderOnly() override;
    void LeaveOutWorkingFolder() override;
};

}  // namespace tarvane
