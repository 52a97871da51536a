// Settings files written by older versions (ANSI) and by two copies of the program at once,
// against the platform's real profile functions.
#include <catch2/catch.hpp>

#include <windows.h>

#include "settings/file_encoding_win32.h"
#include "settings/settings_win32.h"
#include "shell/ansi_code_page_win32.h"
#include "support/scratch_settings_win32.h"
#include "support/tarvane_process_win32.h"
#include "support/win32_files.h"
#include "ui/command_line.h"
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

TEST_CASE("Two copies storing at the same moment both succeed and leave one value whole",
          "[settings]") {
    constexpr int kRounds = 20;
    const std::wstring eventName = L"TarvaneSettingsTest-" + std::to_wstring(GetCurrentProcessId());
    HANDLE go = CreateEventW(nullptr, TRUE, FALSE, eventName.c_str());
    REQUIRE(go != nullptr);
    for (int round = 0; round < kRounds; ++round) {
        CAPTURE(round);
        ScratchSettings settings(L"two-copies");
        const std::wstring& ini = settings.path;
        ResetEvent(go);
        const SettingsTool first{L"store", ini, kCyrillicTool, eventName};
        const SettingsTool second{L"store", ini, kCjkTool, eventName};
        Sleep(150);  // both are waiting by now
        SetEvent(go);

        CHECK(ExitCodeOf(first) == 0);
        CHECK(ExitCodeOf(second) == 0);
        const std::wstring stored = settings.Read();
        CHECK((stored == kCyrillicTool || stored == kCjkTool));
        CHECK(ReadWholeFile(ini).compare(0, 2, kUtf16Mark) == 0);
        CHECK(settings.AloneInFolder());
    }
    CloseHandle(go);
}

}  // namespace tarvane::testing
