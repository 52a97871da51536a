#include "startup/component.h"

namespace tarvane {

InstallOutcome EnsureComponentInstalled(ComponentPlatform& platform) {
    const std::wstring folder = platform.SystemFolder();
    // Without the system folder the bare name would land in whatever the working folder is.
    if (folder.empty()) {
        return InstallOutcome::NoSystemFolder;
    }
    if (platform.PlainFileExists(folder + kComponentFileName)) {
        return InstallOutcome::AlreadyPresent;
    }
    const std::optional<std::vector<std::byte>> copy = platform.EmbeddedComponent();
    if (!copy) {
        return InstallOutcome::NoEmbeddedCopy;
    }
    // The folder is asked for afresh right before the write, as the check may be long past.
    const std::wstring target = platform.SystemFolder();
    if (target.empty()) {
        return InstallOutcome::NoSystemFolder;
    }
    if (!platform.WriteWholeFile(target + kComponentFileName, *copy)) {
        return InstallOutcome::WriteFailed;
    }
    return InstallOutcome::Written;
}

}  // namespace tarvane
