// The settings rules on top of the platform's real profile functions, each case on a settings
// file of its own in a scratch folder.
#include <catch2/catch.hpp>

#include <windows.h>

#include "base/system_error_win32.h"
#include "settings/settings.h"
#include "settings/settings_win32.h"
#include "support/printable.h"
#include "support/scratch_settings_win32.h"
#include "support/win32_files.h"

namespace tarvane::testing {

TEST_CASE("Without a settings file the tool's location reads empty and no file appears",
          "[settings]") {
    ScratchSettings settings(L"no-file");
    CHECK(settings.Read().empty());
    CHECK_FALSE(FileExists(settings.path));
}

TEST_CASE("A missing section or key reads empty", "[settings]") {
    ScratchSettings settings(L"missing-entry");
    const char* content =
        GENERATE(as<const char*>{}, "[Other]\r\nArchive=C:\\Tools\\Archive.exe\r\n",
                 "[Paths]\r\nOther=C:\\Tools\\Archive.exe\r\n", "");
    WriteWholeFile(settings.path, content);
    CAPTURE(content);
    CHECK(settings.Read().empty());
}

TEST_CASE("Stored values shorter than two characters read as not set", "[settings]") {
    ScratchSettings settings(L"short-values");
    struct Row {
        std::wstring stored;
        std::wstring read;
    };
    const Row row = GENERATE(Row{L"X", L""}, Row{L"XY", L"XY"}, Row{L"\"\"", L""},
                             Row{L"\"X\"", L""}, Row{L"\"XY\"", L"XY"});
    CAPTURE(Printable(row.stored));
    REQUIRE(settings.Write(row.stored).ok());
    CHECK(settings.Read() == row.read);
}

TEST_CASE("A quoted tool path reads exactly like the bare one", "[settings]") {
    ScratchSettings settings(L"quoted");
    const std::wstring tool = L"C:\\Program Files\\THQ\\Company of Heroes\\Archive.exe";
    REQUIRE(settings.Write(L"\"" + tool + L"\"").ok());
    CHECK(settings.Read() == tool);
    REQUIRE(settings.Write(tool).ok());
    CHECK(settings.Read() == tool);
}

TEST_CASE("The longest value the program may write comes back whole", "[settings]") {
    ScratchSettings settings(L"longest");
    const std::wstring longest = L"C:\\" + std::wstring(MaxIniFieldChars - 3, L'a');
    REQUIRE(longest.size() == 255);
    REQUIRE(settings.Write(longest).ok());
    CHECK(settings.Read() == longest);
}

TEST_CASE("A longer hand-edited value is cut to what the read has room for", "[settings]") {
    ScratchSettings settings(L"hand-edited");
    const std::string value(300, 'b');
    WriteWholeFile(settings.path, "[Paths]\r\nArchive=" + value + "\r\n");
    CHECK(settings.Read() == std::wstring(kReadBufferChars - 1, L'b'));
}

TEST_CASE("Too long a value or key is refused and the file stays as it was", "[settings]") {
    ScratchSettings settings(L"too-long");
    const std::wstring stored = L"C:\\Tools\\Archive.exe";
    REQUIRE(settings.Write(stored).ok());
    const std::string before = ReadWholeFile(settings.path);

    SECTION("value of 256 characters") {
        const WriteResult result = settings.Write(std::wstring(256, L'v'));
        CHECK(result.status == WriteStatus::TooLong);
    }
    SECTION("key of 256 characters") {
        const WriteResult result =
            WriteIniValue(settings.file, kPathsSection, std::wstring(256, L'k'), stored);
        CHECK(result.status == WriteStatus::TooLong);
    }
    CHECK(ReadWholeFile(settings.path) == before);
    CHECK(settings.Read() == stored);
}

TEST_CASE("Paths outside the ANSI code page survive in a new file that starts as UTF-16LE",
          "[settings]") {
    ScratchSettings settings(L"unicode");
    const std::wstring tool =
        GENERATE(as<std::wstring>{}, L"C:\\Игры\\Компания героев\\Archive.exe",
                 L"C:\\ゲーム\\英雄連隊\\Archive.exe");
    CAPTURE(Printable(tool));
    REQUIRE(settings.Write(tool).ok());
    CHECK(settings.Read() == tool);
    CHECK(ReadWholeFile(settings.path).substr(0, 2) == kUtf16Mark);

    // The profile functions keep the file Unicode when they rewrite it.
    const std::wstring quoted = L"\"" + tool + L"\"";
    REQUIRE(settings.Write(quoted).ok());
    CHECK(settings.Read() == tool);
    CHECK(ReadWholeFile(settings.path).substr(0, 2) == kUtf16Mark);
}

TEST_CASE("An empty settings file becomes Unicode before the first write", "[settings]") {
    ScratchSettings settings(L"empty");
    WriteWholeFile(settings.path, "");
    const std::wstring tool = L"C:\\Игры\\ゲーム\\Archive.exe";
    REQUIRE(settings.Write(tool).ok());
    CHECK(settings.Read() == tool);
    CHECK(ReadWholeFile(settings.path).substr(0, 2) == kUtf16Mark);
}

TEST_CASE("An existing ANSI settings file stays ANSI while the path fits its code page",
          "[settings]") {
    ScratchSettings settings(L"ansi");
    const std::string other = ToCodePage(L"[Other]\r\nName=Café\r\n", CP_ACP);
    WriteWholeFile(settings.path, other + "[Paths]\r\nArchive=\"C:\\Old Game\\Archive.exe\"\r\n");
    CHECK(settings.Read() == L"C:\\Old Game\\Archive.exe");
    const std::wstring tool =
        GENERATE(as<std::wstring>{}, L"C:\\New Game\\Archive.exe", L"C:\\Café Games\\Archive.exe");
    CAPTURE(Printable(tool));

    REQUIRE(settings.Write(tool).ok());
    CHECK(settings.Read() == tool);
    // Byte for byte what it was, but for the new value: no mark, the other section untouched.
    CHECK(ReadWholeFile(settings.path) ==
          other + ToCodePage(L"[Paths]\r\nArchive=" + tool + L"\r\n", CP_ACP));
}

TEST_CASE("A settings file another program holds reads as unreadable, not as not set",
          "[settings]") {
    ScratchSettings settings(L"held");
    const auto read = [&] {
        return ReadIniEntry(settings.file, kPathsSection, kArchiveKey, kReadBufferChars);
    };
    CHECK(read().status == ReadStatus::FileMissing);
    REQUIRE(settings.Write(L"C:\\Tools\\Archive.exe").ok());
    {
        HANDLE held = CreateFileW(settings.path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        REQUIRE(held != INVALID_HANDLE_VALUE);
        const IniRead whileHeld = read();
        CloseHandle(held);
        CHECK(whileHeld.status == ReadStatus::Unreadable);
    }
    CHECK(read().value == L"C:\\Tools\\Archive.exe");
    REQUIRE(settings.file.Delete(kPathsSection, kArchiveKey).ok);
    CHECK(read().status == ReadStatus::NotSet);
}

TEST_CASE("A write into a missing folder is reported as failed with the system's reason",
          "[settings]") {
    const std::wstring folder = FreshFolder(L"settings-missing-folder") + L"not there\\";
    Win32SettingsFile file(folder + L"tarvane.ini");
    const WriteResult result =
        WriteIniValue(file, kPathsSection, kArchiveKey, L"C:\\Tools\\Archive.exe");
    CHECK(result.status == WriteStatus::Failed);
    CHECK(Printable(result.reason) == Printable(SystemErrorText(ERROR_PATH_NOT_FOUND)));
    CHECK(GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES);
}

}  // namespace tarvane::testing
