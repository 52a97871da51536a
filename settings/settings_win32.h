#pragma once
#include <windows.h>

#include <optional>

#include "base/scoped_win32.h"
#include "settings/settings.h"

namespace tarvane {

// The turn to store in the one settings file of the machine, taken by one copy of the program at
// a time, whichever user runs it: a named mutex in the global namespace that every user may wait
// for and give back. Not held when it could not be opened or another copy kept it past waitMs;
// the store then goes on without it, as a store did before there were turns.
class StoreTurn {
  public:
    explicit StoreTurn(DWORD waitMs);
    ~StoreTurn();
    StoreTurn(const StoreTurn&) = delete;
    StoreTurn& operator=(const StoreTurn&) = delete;

    bool Held() const { return held_; }

  private:
    ScopedKernelObject mutex_;
    bool held_ = false;
};

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
    void BeginStore() override;
    void EndStore() override;
    std::wstring Location() const override { return iniFilePath_; }
    void Pause(unsigned milliseconds) override;

  private:
    // Writes value, or removes the key when value is null.
    Outcome Store(const std::wstring& section, const std::wstring& key, const wchar_t* value);

    const std::wstring iniFilePath_;
    std::optional<StoreTurn> turn_;
};

}  // namespace tarvane
