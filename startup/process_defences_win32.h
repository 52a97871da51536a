#pragma once
#include "startup/process_defences.h"

namespace tarvane {

inline constexpr ProcessBits kThisProcessBits =
    sizeof(void*) == 4 ? ProcessBits::ThirtyTwo : ProcessBits::SixtyFour;

class Win32ProcessDefences final : public ProcessDefences {
  public:
    bool SearchSystemFolderOnly() override;
    void LeaveOutWorkingFolder() override;
    void PreventDataExecution() override;
    void EndProcessOnHeapCorruption() override;
};

}  // namespace tarvane
