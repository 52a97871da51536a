// The common-dialog component check and install, seen from outside: a build of the program that
// carries a stand-in component is started against the real system folder, and the folder is
// looked at after its window has opened and closed again.
#include <catch2/catch.hpp>

#include <windows.h>

#include <algorithm>
#include <exception>
#include <optional>

#include "startup/component.h"
#include "startup/special_folder.h"
#include "startup/special_folder_win32.h"
#include "support/tarvane_process_win32.h"
#include "support/win32_files.h"
#include "support/printable.h"

namespace tarvane::testing {
namespace {

constexpr std::size_t kComponentBytes = 140288;
constexpr DWORD kNotPlain = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                            FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY;

std::wstring ComponentPath() { return GetSpecialFolder(kSystemFolderId) + kComponentFileName; }

// Only the 32-bit build carries a component.
#ifdef TARVANE_TEST_COMPONENT

// Where this 32-bit program's writes to the system folder land on 64-bit Windows (the file system
// redirector sends them to SysWOW64, where every 32-bit program looks); empty on 32-bit Windows,
// where the system folder is what it says.
std::wstring RedirectedSystemFolder() {
    BOOL wow64 = FALSE;
    if (!IsWow64Process(GetCurrentProcess(), &wow64) || !wow64) {
        return L"";
    }
    std::wstring folder(MAX_PATH, L'\0');
    folder.resize(GetSystemWow64DirectoryW(folder.data(), MAX_PATH));
    REQUIRE_FALSE(folder.empty());
    return folder + L'\\';
}

// What the build carrying a component has inside it, as the build generated it.
std::string EmbeddedBlock() { return ReadWholeFile(BuildFolder() + L"test-component.bin"); }

// Where a file's bytes first differ from the expected ones, or -1 when they are the same; a plain
// comparison would print both 140 KB blocks on failure.
long long FirstDifference(const std::wstring& path, const std::string& expected) {
    const std::string actual = ReadWholeFile(path);
    const auto differs =
        std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end()).first;
    if (differs == actual.end() && actual.size() == expected.size()) {
        return -1;
    }
    return differs - actual.begin();
}

FILETIME LongAgo() {
    SYSTEMTIME time{};
    time.wYear = 2004;
    time.wMonth = 9;
    time.wDay = 13;
    time.wHour = 8;
    FILETIME fileTime{};
    SystemTimeToFileTime(&time, &fileTime);
    return fileTime;
}

#endif

DWORD Attributes(const std::wstring& path) { return GetFileAttributesW(path.c_str()); }

FILETIME LastWriteTime(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    REQUIRE(GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data));
    return data.ftLastWriteTime;
}

bool SetLastWriteTime(const std::wstring& path, const FILETIME& time) {
    HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const BOOL set = SetFileTime(file, nullptr, nullptr, &time);
    CloseHandle(file);
    return set != FALSE;
}

// Puts back a file as it was; runs while a failed case unwinds, so it reports nothing.
void RestoreFile(const std::wstring& path, const std::string& bytes, const FILETIME& written) {
    try {
        WriteWholeFile(path, bytes);
    } catch (const std::exception&) {
        return;
    }
    SetLastWriteTime(path, written);
}

// Each case starts from a system folder without the component and leaves the folder as it found
// it: the entry of that name, if there was one, comes back with its bytes, time and attributes.
class SystemFolderEntryGuard {
  public:
    SystemFolderEntryGuard() : path_(ComponentPath()), attributes_(Attributes(path_)) {
        if (attributes_ != INVALID_FILE_ATTRIBUTES && !(attributes_ & FILE_ATTRIBUTE_DIRECTORY)) {
            bytes_ = ReadWholeFile(path_);
            written_ = LastWriteTime(path_);
        }
        REQUIRE(RemoveEntry(path_));
    }
    ~SystemFolderEntryGuard() {
        RemoveEntry(path_);
        if (attributes_ == INVALID_FILE_ATTRIBUTES) {
            return;
        }
        if (attributes_ & FILE_ATTRIBUTE_DIRECTORY) {
            CreateDirectoryW(path_.c_str(), nullptr);
        } else {
            RestoreFile(path_, *bytes_, written_);
        }
        SetFileAttributesW(path_.c_str(), attributes_);
    }
    SystemFolderEntryGuard(const SystemFolderEntryGuard&) = delete;
    SystemFolderEntryGuard& operator=(const SystemFolderEntryGuard&) = delete;

    const std::wstring& Path() const { return path_; }

  private:
    const std::wstring path_;
    const DWORD attributes_;
    std::optional<std::string> bytes_;
    FILETIME written_{};
};

// The first-start question has Yes and No; any other box only has OK.
std::wstring AnswerTo(const MessageBoxSeen& box) {
    const bool asks = std::find(box.buttons.begin(), box.buttons.end(), L"No") != box.buttons.end();
    return asks ? L"No" : L"OK";
}

// Runs a build of the program the way a user meets it: answers each box that comes up (No to
// the first-start question), closes the main window once it shows, and waits for the end.
void RunProgram(const wchar_t* exeName) {
    const TarvaneProcess program(exeName);
    bool mainWindowOpened = false;
    const bool endedByItself = WaitUntil(
        [&] {
            if (const std::vector<HWND> boxes = program.Dialogs(); !boxes.empty()) {
                const MessageBoxSeen box = ReadMessageBox(boxes.front());
                UNSCOPED_INFO("message box: " << Printable(box.text));
                Answer(box.handle, AnswerTo(box));
            } else if (HWND main = program.MainWindow(); main != nullptr && IsWindowVisible(main)) {
                mainWindowOpened = true;
                PostMessageW(main, WM_CLOSE, 0, 0);
            }
            return !program.Running();
        },
        20000);
    CHECK(endedByItself);
    CHECK(program.ExitCode() == 0);
    CHECK(mainWindowOpened);
}

}  // namespace

#ifdef TARVANE_TEST_COMPONENT
TEST_CASE("The generated stand-in has the size of the real component", "[component]") {
    CHECK(EmbeddedBlock().size() == kComponentBytes);
}

TEST_CASE("A missing component is written with exactly the embedded bytes", "[component]") {
    SystemFolderEntryGuard entry;
    RunProgram(L"TarvaneWithComponent.exe");
    if (const std::wstring redirected = RedirectedSystemFolder(); !redirected.empty()) {
        CHECK(FileExists(redirected + kComponentFileName));
    }
    REQUIRE(FileExists(entry.Path()));
    CHECK((Attributes(entry.Path()) & kNotPlain) == 0);
    CHECK(FirstDifference(entry.Path(), EmbeddedBlock()) == -1);
}

TEST_CASE("A longer hidden or system file of that name is replaced with no tail left",
          "[component]") {
    const DWORD marks = GENERATE(DWORD{FILE_ATTRIBUTE_HIDDEN},
                                 DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY},
                                 DWORD{FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY});
    CAPTURE(marks);
    SystemFolderEntryGuard entry;
    WriteWholeFile(entry.Path(), std::string(kComponentBytes + 60000, 'S'));
    REQUIRE(SetFileAttributesW(entry.Path().c_str(), marks));
    REQUIRE((Attributes(entry.Path()) & marks) == marks);

    RunProgram(L"TarvaneWithComponent.exe");
    CHECK((Attributes(entry.Path()) & kNotPlain) == 0);
    CHECK(FirstDifference(entry.Path(), EmbeddedBlock()) == -1);
}

TEST_CASE("A plain file of that name is left untouched, time stamp included", "[component]") {
    const DWORD marks = GENERATE(DWORD{FILE_ATTRIBUTE_NORMAL}, DWORD{FILE_ATTRIBUTE_READONLY});
    CAPTURE(marks);
    SystemFolderEntryGuard entry;
    const std::string present = "whatever the system already has";
    WriteWholeFile(entry.Path(), present);
    REQUIRE(SetLastWriteTime(entry.Path(), LongAgo()));
    REQUIRE(SetFileAttributesW(entry.Path().c_str(), marks));

    RunProgram(L"TarvaneWithComponent.exe");
    CHECK(ReadWholeFile(entry.Path()) == present);
    const FILETIME written = LastWriteTime(entry.Path());
    const FILETIME longAgo = LongAgo();
    CHECK(CompareFileTime(&written, &longAgo) == 0);
    CHECK((Attributes(entry.Path()) & kNotPlain) == (marks & kNotPlain));
}

TEST_CASE("A folder of that name is left alone and the window still opens", "[component]") {
    const DWORD marks = GENERATE(DWORD{0}, DWORD{FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY});
    CAPTURE(marks);
    SystemFolderEntryGuard entry;
    REQUIRE(CreateDirectoryW(entry.Path().c_str(), nullptr));
    REQUIRE(SetFileAttributesW(entry.Path().c_str(), FILE_ATTRIBUTE_DIRECTORY | marks));
    WriteWholeFile(entry.Path() + L"\\inside.txt", "kept");
    const DWORD before = Attributes(entry.Path());

    RunProgram(L"TarvaneWithComponent.exe");
    CHECK(Attributes(entry.Path()) == before);
    CHECK(ReadWholeFile(entry.Path() + L"\\inside.txt") == "kept");
}

#endif

TEST_CASE("The program as shipped carries no component and writes none", "[component]") {
    SystemFolderEntryGuard entry;
    RunProgram(L"Tarvane.exe");
    CHECK(Attributes(entry.Path()) == INVALID_FILE_ATTRIBUTES);
}

}  // namespace tarvane::testing
