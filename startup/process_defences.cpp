#include "startup/process_defences.h"

namespace tarvane {

void DefendProcess(ProcessDefences& defences) {
    if (!defences.SearchSystemFolderOnly()) {
        defences.LeaveOutWorkingFolder();
    }
}

}  // namespace tarvane
