#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "base/scoped_win32.h"

namespace tarvane {

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
struct Replaced {
    FileDacl dacl;
    DWORD attributes = 0;
};

// Writes a whole file in one step. The content goes to a file of this process's own beside it,
// made new under a random name (never one that someone else made there first, whose owner and
// permissions it would keep), and one rename puts it in place: nobody ever sees the file half
// written, there is never a moment without one, and a failure leaves nothing behind. With `old`
// the file at the path is replaced, and the new one takes over what `old` holds; without it the
// rename fails when a file of that name exists, also one that another copy of the program has
// made meanwhile. Returns ERROR_SUCCESS or the system's error.
DWORD WriteFileInOneStep(const std::wstring& path, std::string_view bytes, const Replaced* old);

}  // namespace tarvane
