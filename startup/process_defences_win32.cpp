#include "startup/process_defences_win32.h"

#include <windows.h>

#include "base/late_functions_win32.h"

namespace tarvane {

bool Win32ProcessDefences::SearchSystemFolderOnly() {
    const SetDefaultDllDirectoriesFunction setDefaultDllDirectories =
        FindSetDefaultDllDirectories();
    return setDefaultDllDirectories != nullptr && setDefaultDllDirectories(kSystemFolderOnly);
}

void Win32ProcessDefences::LeaveOutWorkingFolder() { SetDllDirectoryW(L""); }

void Win32ProcessDefences::PreventDataExecution() {
    // Not the flag that turns off ATL thunk emulation: the file dialog hosts shell extensions old
    // enough to need it.
    if (const SetProcessDEPPolicyFunction setProcessDEPPolicy = FindSetProcessDEPPolicy()) {
        setProcessDEPPolicy(kDepEnable);
    }
}

void Win32ProcessDefences::EndProcessOnHeapCorruption() {
    HeapSetInformation(nullptr, HeapEnableTerminationOnCorruption, nullptr, 0);
}

}  // namespace tarvane
