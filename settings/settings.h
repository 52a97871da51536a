#pragma once
// The settings file holds one value: where the game's Archive.exe lives. These are the rules of
// reading and writing it; the file itself is reached only through a ProfileStore, which on Windows
// is the platform's private-profile functions.
#include <cstddef>
#include <string>

#include "ui/message.h"

namespace tarvane {

// Longest key or value the program writes; the profile functions of old Windows cut longer ones.
inline constexpr std::size_t MaxIniFieldChars = 255;

inline constexpr wchar_t kPathsSection[] = L"Paths";
inline constexpr wchar_t kArchiveKey[] = L"Archive";

// Room for the read: every value the program can write (MaxIniFieldChars) comes back whole.
inline constexpr std::size_t kReadBufferChars = MaxIniFieldChars + 1;

struct ProfileWrite {
    bool ok = false;
    std::wstring reason;  // the platform's words when ok is false
};

class ProfileStore {
  public:
    virtual ~ProfileStore() = default;
    // Copies at most bufferChars - 1 characters of the value, as the profile reader does, and drops
    // one enclosing pair of quotation marks. Missing file, section or key: the empty string.
    virtual std::wstring Read(const std::wstring& section, const std::wstring& key,
                              std::size_t bufferChars) = 0;
    virtual ProfileWrite Write(const std::wstring& section, const std::wstring& key,
                               const std::wstring& value) = 0;
};

enum class WriteStatus { Written, TooLong, Failed };

struct WriteResult {
    WriteStatus status = WriteStatus::Failed;
    std::wstring reason;  // set when status is Failed

    bool ok() const { return status == WriteStatus::Written; }
};

// A stored value of fewer than two characters means "not set" and reads as the empty string.
std::wstring ReadIniValue(ProfileStore& store, const std::wstring& section,
                          const std::wstring& key);

// Refuses a key or value longer than MaxIniFieldChars with the settings' own message and writes
// nothing; otherwise writes the value unchanged and reports whether the platform managed to.
WriteResult WriteIniValue(ProfileStore& store, MessageBoxes& boxes, const std::wstring& section,
                          const std::wstring& key, const std::wstring& value);

// "Can't write more than 255 characters for key or value." under the application title.
Message TooLongMessage();

}  // namespace tarvane
