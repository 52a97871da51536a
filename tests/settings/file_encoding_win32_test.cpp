// Settings files written by older versions (ANSI) and by two copies of the program at once,
// against the platform's real profile functions.
#include <catch2/catch.hpp>

#include <windows.h>

#include <sddl.h>

#include <vector>

#include "base/ansi_code_page_win32.h"
#include "base/scoped_win32.h"
#include "base/whole_file_win32.h"
#include "settings/file_encoding.h"
#include "settings/file_encoding_win32.h"
#include "settings/settings_win32.h"
#include "support/printable.h"
#include "support/scratch_settings_win32.h"
#include "support/tarvane_process_win32.h"
#include "support/win32_files.h"
#include "launch/command_line.h"
#include "support/printable.h"

namespace tarvane::testing {
namespace {

const std::wstring kCyrillicTool = L"C:\\Tar Test\\Тест 測試\\Archive.exe";
const std::wstring kCjkTool = L"D:\\遊戲\\英雄連隊\\Archive.exe";

std::string AnsiBytes(const std::wstring& text) { return ToCodePage(text, CP_ACP); }

// The text of a UTF-16LE file after its mark; empty when the file has no such mark.
std::wstring Utf16Content(const std::wstring& path) {
    return FromUtf16File(ReadWholeFile(path)).value_or(L"");
}

// A second copy of the settings code, in a process of its own, started with these arguments.
struct SettingsTool : TarvaneProcess {
    SettingsTool(std::initializer_list<std::wstring> arguments)
        : TarvaneProcess(L"settings_store_tool.exe", QuotedLine(arguments)) {}

    static std::wstring QuotedLine(std::initializer_list<std::wstring> arguments) {
        std::wstring line;
        for (const std::wstring& argument : arguments) {
            line += (line.empty() ? L"" : L" ") + QuoteArgument(argument);
        }
        return line;
    }
};

// The file's DACL in the security descriptor language, as "D:P(A;;FA;;;WD)".
std::wstring DaclText(const std::wstring& path) {
    DWORD size = 0;
    GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &size);
    std::vector<unsigned char> descriptor(size);
    wchar_t* text = nullptr;
    REQUIRE(
        GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), size, &size));
    REQUIRE(ConvertSecurityDescriptorToStringSecurityDescriptorW(
        descriptor.data(), SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text, nullptr));
    const std::wstring dacl = text;
    LocalFree(text);
    return dacl;
}

void SetDacl(const std::wstring& path, const wchar_t* dacl) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    REQUIRE(ConvertStringSecurityDescriptorToSecurityDescriptorW(dacl, SDDL_REVISION_1, &descriptor,
                                                                 nullptr));
    const BOOL set = SetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, descriptor);
    LocalFree(descriptor);
    REQUIRE(set);
}

// While this lives, the writes' temporary names are known beforehand: "<file>.0.tmp" first, then
// "<file>.1.tmp" and on.
class CountedTemporaryNames {
  public:
    CountedTemporaryNames() : previous_(SetTemporaryNameSource(Next)) { count_ = 0; }
    ~CountedTemporaryNames() { SetTemporaryNameSource(previous_); }
    CountedTemporaryNames(const CountedTemporaryNames&) = delete;
    CountedTemporaryNames& operator=(const CountedTemporaryNames&) = delete;

  private:
    static std::wstring Next() { return std::to_wstring(count_++); }
    static inline int count_ = 0;
    const TemporaryNameSource previous_;
};

ScopedKernelObject NamedEvent(const std::wstring& name, BOOL set = FALSE) {
    return ScopedKernelObject(CreateEventW(nullptr, TRUE, set, name.c_str()));
}

unsigned long ExitCodeOf(const TarvaneProcess& tool) {
    REQUIRE(tool.WaitForExit(30000));
    return tool.ExitCode();
}

}  // namespace

TEST_CASE("A value fits the ANSI code page only without best-fit look-alikes", "[settings]") {
    REQUIRE(GetACP() == 1252);  // the test prefix's code page; the cases below are chosen for it
    CHECK(FitsAnsiCodePage(L"C:\\Games\\Archive.exe"));
    CHECK(FitsAnsiCodePage(L"C:\\Café\\Archive.exe"));
    CHECK_FALSE(FitsAnsiCodePage(L"C:\\Игры\\Archive.exe"));
    CHECK_FALSE(FitsAnsiCodePage(L"C:\\遊戲\\Archive.exe"));
    CHECK_FALSE(FitsAnsiCodePage(L"C:\\Āra\\Archive.exe"));  // best fit would give A
}

const std::wstring kOlderFile =
    L"; kept by hand\r\n[Paths]\r\nArchive=C:\\Old\\Archive.exe\r\n\r\n[Other]\nName=Café\n";

TEST_CASE("An older ANSI file becomes Unicode, every line kept, for a path outside its code page",
          "[settings]") {
    ScratchSettings settings(L"ansi-convert");
    WriteWholeFile(settings.path, AnsiBytes(kOlderFile));
    const std::wstring tool = GENERATE(kCyrillicTool, kCjkTool);
    CAPTURE(Printable(tool));

    // The conversion itself, byte for byte; the profile write after it tidies blank lines.
    REQUIRE(PrepareToHold(settings.path, tool) == ERROR_SUCCESS);
    CHECK(Printable(Utf16Content(settings.path)) == Printable(kOlderFile));
    CHECK(settings.AloneInFolder());

    REQUIRE(settings.Write(tool).ok());

    const std::wstring content = Utf16Content(settings.path);
    CHECK(content.find(L"; kept by hand") == 0);
    CHECK(content.find(L"Archive=" + tool) != std::wstring::npos);
    CHECK(settings.file.Read(L"Other", L"Name", 64) == L"Café");
    CHECK(ExitCodeOf(SettingsTool{L"expect", settings.path, tool}) == 0);
}

TEST_CASE("A conversion that cannot replace the file leaves it untouched and says so",
          "[settings]") {
    ScratchSettings settings(L"convert-fails");
    const std::wstring& ini = settings.path;
    const std::string before = "[Paths]\r\nArchive=C:\\Old\\Archive.exe\r\n";
    WriteWholeFile(ini, before);
    WriteResult result;
    SECTION("another program holds it open and does not let it be replaced") {
        HANDLE held = CreateFileW(ini.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        REQUIRE(held != INVALID_HANDLE_VALUE);
        result = settings.Write(kCyrillicTool);
        CloseHandle(held);
    }
    SECTION("it is read-only") {
        REQUIRE(SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_READONLY));
        result = settings.Write(kCyrillicTool);
        CHECK((GetFileAttributesW(ini.c_str()) & FILE_ATTRIBUTE_READONLY) != 0);
        SetFileAttributesW(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    CHECK(result.status == WriteStatus::Failed);
    CHECK_FALSE(result.reason.empty());
    CHECK(ReadWholeFile(ini) == before);
    CHECK(settings.AloneInFolder());
}

TEST_CASE("A file over 1 MiB takes an ASCII path as it is, and refuses a conversion in words",
          "[settings]") {
    ScratchSettings settings(L"large");
    const std::string large =
        std::string((1 << 20) + 10, ';') + "\r\n[Paths]\r\nArchive=C:\\Old\\Archive.exe\r\n";
    WriteWholeFile(settings.path, large);

    REQUIRE(settings.Write(L"C:\\New\\Archive.exe").ok());
    CHECK(settings.Read() == L"C:\\New\\Archive.exe");

    const std::string before = ReadWholeFile(settings.path);
    const WriteResult result = settings.Write(kCyrillicTool);
    CHECK(result.status == WriteStatus::Failed);
    CHECK(Printable(result.reason) == Printable(kTooLargeToConvertReason));
    CHECK(ReadWholeFile(settings.path) == before);
    CHECK(settings.AloneInFolder());
}

TEST_CASE("A file with a UTF-8 or UTF-16BE mark becomes UTF-16LE on any store, every line kept",
          "[settings]") {
    ScratchSettings settings(L"other-marks");
    const std::wstring lines =
        L"; Тест\r\n[Other]\r\nName=Café 測試\r\n[Paths]\r\nArchive=C:\\Old\r\n";
    const bool utf8 = GENERATE(true, false);
    CAPTURE(utf8);
    std::string bigEndian = "\xFE\xFF";
    for (const wchar_t c : lines) {
        bigEndian += {static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)};
    }
    WriteWholeFile(settings.path, utf8 ? "\xEF\xBB\xBF" + ToCodePage(lines, CP_UTF8) : bigEndian);

    REQUIRE(PrepareToHold(settings.path, L"C:\\New\\Archive.exe") == ERROR_SUCCESS);
    CHECK(Printable(Utf16Content(settings.path)) == Printable(lines));

    REQUIRE(settings.Write(L"C:\\New\\Archive.exe").ok());
    CHECK(settings.file.Read(L"Other", L"Name", 64) == L"Café 測試");
    CHECK(Utf16Content(settings.path).find(L"; Тест\r\n") == 0);
    CHECK(settings.AloneInFolder());
}

TEST_CASE("A conversion makes its own new temporary file and keeps the file's attributes",
          "[settings]") {
    ScratchSettings settings(L"temporary");
    WriteWholeFile(settings.path, AnsiBytes(kOlderFile));
    SECTION("a file that someone made at the temporary name first is left alone") {
        const CountedTemporaryNames names;
        const std::wstring planted = settings.path + L".0.tmp";
        WriteWholeFile(planted, "junk");
        REQUIRE(settings.Write(kCyrillicTool).ok());
        CHECK(ReadWholeFile(planted) == "junk");
        CHECK(EntriesIn(settings.folder.Path()).size() == 2);
    }
    SECTION("a hidden file that every user may change stays so") {
        const DWORD hidden = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
        const wchar_t* everyoneMayChange = L"D:P(A;;FA;;;WD)";
        REQUIRE(SetFileAttributesW(settings.path.c_str(), hidden));
        SetDacl(settings.path, everyoneMayChange);
        // Wine keeps only what its Unix permissions can say; compare with what it kept.
        const std::wstring dacl = DaclText(settings.path);
        REQUIRE(settings.Write(kCyrillicTool).ok());
        CHECK(GetFileAttributesW(settings.path.c_str()) == hidden);
        CHECK(Printable(DaclText(settings.path)) == Printable(dacl));
        CHECK(settings.AloneInFolder());
    }
    CHECK(Printable(Utf16Content(settings.path)).find("Archive=") != std::string::npos);
    CHECK(settings.Read() == kCyrillicTool);
}

TEST_CASE("Two copies storing at the same moment both succeed and leave one value whole",
          "[settings]") {
    constexpr int kRounds = 20;
    const std::wstring eventName = L"TarvaneSettingsTest-" + std::to_wstring(GetCurrentProcessId());
    const ScopedKernelObject go(CreateEventW(nullptr, TRUE, FALSE, eventName.c_str()));
    // Each copy says here that it waits for go.
    const ScopedKernelObject ready(
        CreateSemaphoreW(nullptr, 0, 2, (eventName + L"-ready").c_str()));
    REQUIRE(go.valid());
    REQUIRE(ready.valid());
    for (int round = 0; round < kRounds; ++round) {
        CAPTURE(round);
        ScratchSettings settings(L"two-copies");
        const std::wstring& ini = settings.path;
        ResetEvent(go.get());
        const SettingsTool first{L"store", ini, kCyrillicTool, eventName};
        const SettingsTool second{L"store", ini, kCjkTool, eventName};
        for (int copy = 0; copy < 2; ++copy) {
            REQUIRE(WaitForSingleObject(ready.get(), kWaitMs) == WAIT_OBJECT_0);
        }
        SetEvent(go.get());

        CHECK(ExitCodeOf(first) == 0);
        CHECK(ExitCodeOf(second) == 0);
        const std::wstring stored = settings.Read();
        CHECK((stored == kCyrillicTool || stored == kCjkTool));
        CHECK(ReadWholeFile(ini).compare(0, 2, kUtf16Mark) == 0);
        CHECK(settings.AloneInFolder());
    }
}

TEST_CASE("A first start storing while another copy rewrites the file leaves it Unicode",
          "[settings]") {
    ScratchSettings settings(L"first-starts");
    const std::wstring name = L"TarvaneFirstStart-" + std::to_wstring(GetCurrentProcessId());
    const ScopedKernelObject writing = NamedEvent(name + L"-writing");
    const ScopedKernelObject write = NamedEvent(name + L"-write");
    const std::wstring tool = L"C:\\Games\\CoH\\Archive.exe";
    // The copy read the missing file at its start and has made it Unicode; it waits to write.
    const SettingsTool copy{L"first-start", settings.path, tool, name};
    REQUIRE(WaitForSingleObject(writing.get(), kWaitMs) == WAIT_OBJECT_0);
    {
        // Another copy's profile write, if it may store now, caught after emptying the file and
        // before its first bytes. What the waiting copy then reads keeps the encoding that the
        // profile functions took from the missing file: ANSI.
        const StoreTurn turn(0);
        const ScopedFile rewriting(turn.Held()
                                       ? CreateFileW(settings.path.c_str(), GENERIC_WRITE,
                                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)
                                       : INVALID_HANDLE_VALUE);
        REQUIRE(rewriting.valid() == turn.Held());
        SetEvent(write.get());
        REQUIRE(ExitCodeOf(copy) == 0);
        CHECK(ReadWholeFile(settings.path).compare(0, 2, kUtf16Mark) == 0);
    }
    CHECK(StoreTurn(0).Held());  // free again: only the storing copy kept it from us
    CHECK(settings.Read() == tool);
}

TEST_CASE("A store waits for a file that another program holds for a moment", "[settings]") {
    ScratchSettings settings(L"held");
    WriteWholeFile(settings.path, Utf16LeWithMark(L"[Paths]\r\nArchive=C:\\Old\\Archive.exe\r\n"));
    const std::wstring name = L"TarvaneHeld-" + std::to_wstring(GetCurrentProcessId());
    const ScopedKernelObject waiting = NamedEvent(name + L"-waiting");
    const ScopedKernelObject write = NamedEvent(name + L"-write", TRUE);
    ScopedFile held(CreateFileW(settings.path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    REQUIRE(held.valid());
    const SettingsTool copy{L"first-start", settings.path, kCjkTool, name};
    // Held until the store pauses for it, or has given up.
    const HANDLE waitingOrEnded[] = {waiting.get(), copy.Process().hProcess};
    REQUIRE(WaitForMultipleObjects(2, waitingOrEnded, FALSE, kWaitMs) != WAIT_TIMEOUT);
    held.reset();
    CHECK(ExitCodeOf(copy) == 0);
    CHECK(settings.Read() == kCjkTool);
}

}  // namespace tarvane::testing
