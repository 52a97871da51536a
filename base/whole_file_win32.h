#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "base/scoped_win32.h"

namespace tarvane {

// Opens a file to read its content, or with READ_CONTROL its owner and permissions, sharing it
// every way: other programs, and other copies of this one, may be reading, rewriting or replacing
// it at the same time. INVALID_HANDLE_VALUE and the last error on failure.
HANDLE OpenSharedToRead(const std::wstring& path, DWORD access = GENERIC_READ);

// Reads at most bytes.size() bytes from the file's start, and cuts bytes to what was read.
DWORD ReadBytes(HANDLE file, std::string& bytes);

// The permissions (DACL) of an open file, held until this goes away, for the file that replaces
// it. A volume without permissions (FAT) has none to keep, which is no failure.
class FileDacl {
  public:
    DWORD ReadFrom(HANDLE file);
    DWORD GiveTo(HANDLE file) const;

  private:
    ScopedLocalMemory<PSECURITY_DESCRIPTOR> descriptor_;
    PACL dacl_ = nullptr;
    bool protected_ = false;
};

// What a new file takes over from the file it replaces: its permissions, when read, and the
// attributes it is given (none when 0).
struct KeptFromOld {
    FileDacl dacl;
    DWORD attributes = 0;
};

// What the write does when a file of that name exists by the time the new one is put in place.
enum class OnExisting { Fail, Replace };

// Where the part of each temporary name that makes it unique comes from: random by default,
// replaceable by names known beforehand. Returns the source it replaces.
using TemporaryNameSource = std::wstring (*)();
TemporaryNameSource SetTemporaryNameSource(TemporaryNameSource source);

// Writes a whole file in one step. The content goes to a file of this process's own beside it,
// made new under a random name (never one that someone else made there first, whose owner and
// permissions it would keep), and one rename puts it in place: nobody ever sees the file half
// written, there is never a moment without one, and a failure leaves nothing behind. Failing on
// an existing file also catches one that another copy of the program has made meanwhile. The new
// file takes over what `kept` holds, if given. Returns ERROR_SUCCESS or the system's error.
DWORD WriteFileInOneStep(const std::wstring& path, std::string_view bytes, OnExisting existing,
                         const KeptFromOld* kept = nullptr);

}  // namespace tarvane
