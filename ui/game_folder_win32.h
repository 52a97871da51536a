#pragma once
#include "ui/game_folder.h"

namespace tarvane {

// A drive without a disk answers "not there" from now on, instead of raising the system's box.
void KeepDriveErrorsQuiet();

// The registry and the file system. A probe of a drive without a disk (an empty card reader
// holding a Steam library, say) answers "not there" instead of raising the system's box.
class Win32InstallRecords final : public InstallRecords {
  public:
    std::optional<std::wstring> RegistryText(RegistryRoot root, const wchar_t* key,
                                             const wchar_t* name) override;
    bool FolderExists(const std::wstring& path) override;
    bool IsRemoteDrive(wchar_t drive) override;
    bool FileExists(const std::wstring& path) override;
    std::optional<std::wstring> ReadTextFile(const std::wstring& path) override;
};

}  // namespace tarvane
