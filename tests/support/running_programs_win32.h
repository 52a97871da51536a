#pragma once
// The programs that run from a folder: a test that reuses a folder waits for the runs an earlier
// step started there (the fake tool, a copy of Tarvane) to end, since a running program's file
// can be neither replaced nor removed.
#include <string>

namespace tarvane::testing {

// A place is a folder, with its trailing backslash, which holds the programs anywhere below it, or
// one program file.

// Waits until no program at place is running; true when none is, false when one still runs after
// timeoutMs.
bool WaitUntilNothingRunsFrom(const std::wstring& place, unsigned timeoutMs);

// Waits as WaitUntilNothingRunsFrom does; throws, naming what still runs, when something does.
void RequireNothingRunsFrom(const std::wstring& place);

}  // namespace tarvane::testing
