#include "startup/process_defences.h"

namespace tarvane {

void DefendProcess(ProcessDefences& defences, ProcessBits bits) {
    if (!defences.SearchSystemFolderOnly()) {
        defences.LeaveOutWorkingFolder();
    }
    // A 64-bit process always runs with data execution prevention; only a 32-bit one can ask.
    if (bits == ProcessBits::ThirtyTwo) {
        defences.PreventDataExecution();
    }
    defences.EndProcessOnHeapCorruption();
}

}  // namespace tarvane
