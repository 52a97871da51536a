#pragma once
// The settings file holds one value: where the game's Archive.exe lives. These are the rules of
// reading and writing it; the file itself is reached only through a ProfileStore, which on Windows
// is the platform's private-profile functions. The operations report what happened; the window
// decides what to tell the user.
#include <cstddef>
#include <string>

#include "base/outcome.h"

namespace tarvane {

// Longest key or value the program writes; the profile functions of old Windows cut longer ones.
inline constexpr std::size_t MaxIniFieldChars = 255;

inline constexpr wchar_t kPathsSection[] = L"Paths";
inline constexpr wchar_t kArchiveKey[] = L"Archive";

// Room for the read: every value the program can write (MaxIniFieldChars) comes back whole.
inline constexpr std::size_t kReadBufferChars = MaxIniFieldChars + 1;

// Whether the file itself can be opened for reading at this moment, sharing it every way.
enum class FileAccess { Readable, Missing, Unreadable };

class ProfileStore {
  public:
    virtual ~ProfileStore() = default;
    // Copies at most bufferChars - 1 characters of the value, as the profile reader does, and drops
    // one enclosing pair of quotation marks. Missing file, section or key: the empty string; so is
    // a file that another program holds, which the profile reader does not report.
    virtual std::wstring Read(const std::wstring& section, const std::wstring& key,
                              std::size_t bufferChars) = 0;
    virtual Outcome Write(const std::wstring& section, const std::wstring& key,
                          const std::wstring& value) = 0;
    // Removes the key from its section.
    virtual Outcome Delete(const std::wstring& section, const std::wstring& key) = 0;
    // Tells an empty read of a file that is there and readable from one of a file that is not.
    virtual FileAccess Access() = 0;
    // Between these, from the read before a store to its read-back, other copies of the program
    // wait to store: a profile write rewrites the whole file, and another copy's write that finds
    // it half rewritten may put it back in another encoding.
    virtual void BeginStore() {}
    virtual void EndStore() {}
};

// The settings file as the program sees it: its values, where it lives (for messages), and a
// pause before it is tried again while another copy of the program may be replacing it.
class SettingsFile : public ProfileStore {
  public:
    virtual std::wstring Location() const = 0;
    virtual void Pause(unsigned milliseconds) = 0;
};

enum class WriteStatus { Written, TooLong, Failed };

struct WriteResult {
    WriteStatus status = WriteStatus::Failed;
    std::wstring reason;  // set when status is Failed

    bool ok() const { return status == WriteStatus::Written; }
};

// A stored value of fewer than two characters means "not set" and reads as the empty string.
// The file is read once, as at start-up, where a missing file is the first start.
std::wstring ReadIniValue(ProfileStore& store, const std::wstring& section,
                          const std::wstring& key);

// The same, for a value about to be used: when the file is missing or cannot be read, it is read
// again after short pauses, about 200 ms in all, before "not set" is believed, as another copy of
// the program may be replacing it at this moment.
std::wstring ReadIniValueSettled(SettingsFile& file, const std::wstring& section,
                                 const std::wstring& key);

enum class ReadStatus { Value, NotSet, FileMissing, Unreadable };

// One read of a value as it is stored, told apart from a key that is not set and from a file that
// is missing or cannot be read.
struct IniRead {
    ReadStatus status = ReadStatus::NotSet;
    std::wstring value;
};
IniRead ReadIniEntry(ProfileStore& store, const std::wstring& section, const std::wstring& key,
                     std::size_t bufferChars);

// What the profile reader gives back for a value written as it is: one enclosing pair of matching
// quotation marks (double or single) is dropped.
std::wstring ProfileReading(const std::wstring& stored);

// Refuses a key or value longer than MaxIniFieldChars and writes nothing. Otherwise, in this copy's
// turn to store (BeginStore), writes the value and reads it back: a store counts as done only when
// the file gives the value back exactly. When it cannot, the store is reported as failed and the
// key is put back as it was (its previous value, or no key at all); when the previous value could
// not be read, nothing is written. The reason says which happened.
WriteResult WriteIniValue(ProfileStore& store, const std::wstring& section, const std::wstring& key,
                          const std::wstring& value);

}  // namespace tarvane
