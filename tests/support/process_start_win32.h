#pragma once
// The one way the Windows tests start a program, so that a start that fails always says which
// error the system gave.
#include <windows.h>

#include <string>

namespace tarvane::testing {

// Starts program with its quoted path, then arguments (already quoted as they must be), as the
// command line, in folder (the test's own current folder when empty). Both handles are the caller's
// to close. A refusal other than a missing or broken program file is tried again a few times within
// about a second, each retry announced on stderr with the system's reason, since Wine may now and
// then refuse a start that Windows would grant. Throws, naming the program and the system's error
// number and text, when the program cannot be started.
PROCESS_INFORMATION StartProcess(const std::wstring& program, const std::wstring& folder = L"",
                                 const std::wstring& arguments = L"");

}  // namespace tarvane::testing
