#pragma once
// Small file helpers for the Windows tests: where the build's programs are, fresh scratch
// folders, whole-file reads and writes, and the records the fake archive tool leaves behind.
#include <string>
#include <vector>

#include "support/utf8_win32.h"

namespace tarvane::testing {

// The folder of the running test exe, with a trailing backslash; every program of the Windows
// build (Tarvane.exe, the fake archive tool, the drivers) lands there.
std::wstring BuildFolder();

// A new, empty folder under the system's temporary folder, with a trailing backslash. Anything
// of the same name left from an earlier run is removed first.
std::wstring FreshFolder(const std::wstring& name);

// The names of the files and folders in a folder (with its trailing backslash).
std::vector<std::wstring> EntriesIn(const std::wstring& folder);
// Removes a folder and everything in it; a missing folder is fine.
void RemoveTree(const std::wstring& folder);
// Removes a file whatever its attributes, or a folder with everything in it; true when nothing is
// left at path.
bool RemoveEntry(const std::wstring& path);

// A folder of a test case's own, removed with everything in it when this goes away, also when a
// check fails and throws.
class ScratchFolder {
  public:
    // A fresh folder under the system's temporary folder, as FreshFolder makes it.
    explicit ScratchFolder(const std::wstring& name);
    // A place outside the temporary folder (on a drive's root, say), cleared now and at the end;
    // the test makes the folder there itself.
    static ScratchFolder ClearedAt(const std::wstring& place);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // With a trailing backslash when made by name; as given when cleared at a place.
    const std::wstring& Path() const { return path_; }

  private:
    struct Place {};
    ScratchFolder(Place, const std::wstring& place);

    std::wstring path_;
};

bool FileExists(const std::wstring& path);
std::string ReadWholeFile(const std::wstring& path);  // throws when the file cannot be read
void WriteWholeFile(const std::wstring& path, const std::string& bytes);  // throws on failure

// One start of the fake archive tool, as it logged it.
struct ToolCall {
    std::wstring commandLine;
    std::vector<std::wstring> argv;
    std::vector<bool> found;  // for each argument, whether the tool found a file or folder by it
    int showState = -1;       // the window show state it was started with; -1 when none was given
    unsigned long processId = 0;
};

// The fake archive tool takes its arguments as Unicode, or through the ANSI code page as older
// programs do.
enum class ToolEntry { Unicode, Ansi };

// Copies the fake archive tool to folder + name (folders created as needed) and clears its log.
void InstallFakeTool(const std::wstring& folder, const std::wstring& name,
                     ToolEntry entry = ToolEntry::Unicode);

// True when the two paths name the same existing file or folder, in long or short form and
// without regard to letter case.
bool NameSameEntry(const std::wstring& one, const std::wstring& other);

// While the returned object lives, the fake tool installed in folder stays running after each
// start (for at most a minute), like an extraction that is still working.
class FakeToolHeldOpen {
  public:
    explicit FakeToolHeldOpen(const std::wstring& folder);
    ~FakeToolHeldOpen();
    FakeToolHeldOpen(const FakeToolHeldOpen&) = delete;
    FakeToolHeldOpen& operator=(const FakeToolHeldOpen&) = delete;

  private:
    std::wstring holdFile_;
};

// The calls logged by a fake tool installed in folder, oldest first; none when it never ran.
std::vector<ToolCall> ReadToolCalls(const std::wstring& folder);

// Waits up to timeoutMs for the fake tool in folder to have logged count calls.
std::vector<ToolCall> WaitForToolCalls(const std::wstring& folder, std::size_t count,
                                       unsigned timeoutMs = 10000);

}  // namespace tarvane::testing
