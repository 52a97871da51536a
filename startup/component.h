#pragma once
// Before the main window opens, the common-dialog component COMDLG32.OCX must be in the system
// folder. When it is missing and this build carries a copy, the copy is written out whole.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tarvane {

inline constexpr wchar_t kComponentFileName[] = L"COMDLG32.OCX";

class ComponentPlatform {
  public:
    virtual ~ComponentPlatform() = default;
    virtual std::wstring SystemFolder() = 0;  // ends in a backslash, or "" when unknown
    // True only for a plain file: hidden or system files and folders of that name do not count.
    virtual bool PlainFileExists(const std::wstring& path) = 0;
    // The embedded copy, or nothing when this build carries none or it cannot be read.
    virtual std::optional<std::vector<std::byte>> EmbeddedComponent() = 0;
    // Replaces whatever stands at path with exactly these bytes.
    virtual bool WriteWholeFile(const std::wstring& path, const std::vector<std::byte>& bytes) = 0;
};

enum class InstallOutcome { AlreadyPresent, Written, NoSystemFolder, NoEmbeddedCopy, WriteFailed };

// Never reports anything to the user: whatever the outcome, the window opens afterwards.
InstallOutcome EnsureComponentInstalled(ComponentPlatform& platform);

}  // namespace tarvane
