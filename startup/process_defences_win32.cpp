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

}  // namespace tarvane
