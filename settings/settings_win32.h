#pragma once
#include "settings/settings.h"

namespace tarvane {

// The settings file through the platform's profile functions.
class Win32SettingsFile final : public SettingsFile {
  public:
    explicit Win32SettingsFile(std::wstring iniFilePath) : iniFilePath_(std::move(iniFilePath)) {}

    std::wstring Read(const std::wstring& section, const std::wstring& key,
                      std::size_t bufferChars) override;
    Outcome Write(const std::wstring& section, const std::wstring& key,
                  const std::wstring& value) override;
    Outcome Delete(const std::wstring& section, const std::wstring& key) override;
    FileAccess Access() override;
    std::wstring Location() const override { return iniFilePath_; }
    void Pause(unsigned milliseconds) override;

  private:
    // Writes value, or removes the key when value is null.
    Outcome Store(const std::wstring& section, const std::wstring& key, const wchar_t* value);

    const std::wstring iniFilePath_;
};

}  // namespace tarvane
