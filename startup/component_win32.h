#pragma once
#include <windows.h>

#include "startup/component.h"

namespace tarvane {

// The component check and install against the real system folder and this program's resources.
class Win32ComponentPlatform final : public ComponentPlatform {
  public:
    explicit Win32ComponentPlatform(HMODULE module) : module_(module) {}

    std::wstring SystemFolder() override;
    bool PlainFileExists(const std::wstring& path) override;
    std::optional<std::vector<std::byte>> EmbeddedComponent() override;
    bool WriteWholeFile(const std::wstring& path, const std::vector<std::byte>& bytes) override;

  private:
    HMODULE module_;
};

}  // namespace tarvane
