// The rules of reading and writing the settings value, against a store that behaves like the
// platform's profile functions.
#include <catch2/catch.hpp>

#include "settings/settings.h"
#include "support/fakes.h"

namespace tarvane::testing {
namespace {

TEST_CASE("A stored value reads back by the settings' rules") {
    struct Case {
        const char* name;
        std::optional<std::wstring> raw;  // the file's text; nothing: no such key
        std::wstring expected;
    };
    const std::wstring longest(255, L'p');
    const Case cases[] = {
        {"missing key", std::nullopt, L""},
        {"empty value", L"", L""},
        {"one character", L"C", L""},
        {"two characters", L"C:", L"C:"},
        {"bare path", LR"(C:\CoH\Archive.exe)", LR"(C:\CoH\Archive.exe)"},
        {"quoted path", LR"("C:\Program Files\THQ\Archive.exe")",
         LR"(C:\Program Files\THQ\Archive.exe)"},
        {"empty pair of quotes", LR"("")", L""},
        {"one character in quotes", LR"("C")", L""},
        {"only an opening quote", LR"("C:\CoH\Archive.exe)", LR"("C:\CoH\Archive.exe)"},
        {"inner quotes stay", LR"(a"b"c)", LR"(a"b"c)"},
        {"a value as long as a write may be", longest, longest},
        {"Cyrillic", L"D:\\Игры\\Archive.exe", L"D:\\Игры\\Archive.exe"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        CallLog log;
        FakeSettings store(log);
        if (c.raw) {
            store.StoreArchiveTool(*c.raw);
        }
        CHECK(ReadIniValue(store, kPathsSection, kArchiveKey) == c.expected);
    }
}

TEST_CASE("A hand-edited value longer than any write is cut, never overrun") {
    CallLog log;
    FakeSettings store(log);
    const std::wstring stored = std::wstring(255, L'a') + std::wstring(45, L'b');
    store.StoreArchiveTool(stored);
    const std::wstring read = ReadIniValue(store, kPathsSection, kArchiveKey);
    CHECK(read.size() >= MaxIniFieldChars);
    CHECK(read.size() < stored.size());
    CHECK(stored.compare(0, read.size(), read) == 0);
}

TEST_CASE("Every read goes to the file, so a new value is seen at once") {
    CallLog log;
    FakeSettings store(log);
    store.StoreArchiveTool(L"C:\\Old\\Archive.exe");
    CHECK(ReadIniValue(store, kPathsSection, kArchiveKey) == L"C:\\Old\\Archive.exe");
    store.StoreArchiveTool(L"C:\\New\\Archive.exe");
    CHECK(ReadIniValue(store, kPathsSection, kArchiveKey) == L"C:\\New\\Archive.exe");
    CHECK(log.Count("Settings.Read") == 2);
}

TEST_CASE("Keys and values of up to 255 characters are written, longer ones refused") {
    struct Case {
        std::size_t keyChars;
        std::size_t valueChars;
        bool written;
    };
    const Case cases[] = {
        {7, 0, true},    {7, 255, true},   {255, 20, true},   {255, 255, true},
        {7, 256, false}, {256, 20, false}, {256, 256, false}, {7, 1000, false},
    };
    for (const Case& c : cases) {
        CAPTURE(c.keyChars, c.valueChars);
        CallLog log;
        FakeSettings store(log);
        const std::wstring key(c.keyChars, L'k');
        const std::wstring value(c.valueChars, L'v');
        store.Store(kPathsSection, key, L"old");

        const WriteResult result = WriteIniValue(store, kPathsSection, key, value);

        if (c.written) {
            CHECK(result.ok());
            CHECK(result.status == WriteStatus::Written);
            CHECK(store.Raw(kPathsSection, key) == value);
        } else {
            CHECK_FALSE(result.ok());
            CHECK(result.status == WriteStatus::TooLong);
            CHECK_FALSE(log.Contains("Settings.Write"));
            CHECK(store.Raw(kPathsSection, key) == L"old");
        }
    }
}

TEST_CASE("A value is written as given, quotation marks included") {
    CallLog log;
    FakeSettings store(log);
    const std::wstring quoted = LR"("C:\Program Files\THQ\Company of Heroes\Archive.exe")";
    REQUIRE(WriteIniValue(store, kPathsSection, kArchiveKey, quoted).ok());
    CHECK(store.ArchiveToolRaw() == quoted);
    CHECK(ReadIniValue(store, kPathsSection, kArchiveKey) ==
          LR"(C:\Program Files\THQ\Company of Heroes\Archive.exe)");
}

TEST_CASE("A write the platform refuses is reported with its reason") {
    CallLog log;
    FakeSettings store(log);
    store.FailWrites(L"Access is denied.");

    const WriteResult result =
        WriteIniValue(store, kPathsSection, kArchiveKey, L"C:\\CoH\\Archive.exe");

    CHECK_FALSE(result.ok());
    CHECK(result.status == WriteStatus::Failed);
    CHECK(result.reason == L"Access is denied.");
    CHECK_FALSE(store.ArchiveToolRaw().has_value());
}

TEST_CASE("A value the file cannot keep puts the key back as it was, and says so") {
    struct Case {
        const char* name;
        std::optional<std::wstring> before;  // nothing: no such key
        int heldReads;                       // the first read finds the file held by another
        std::optional<std::wstring> after;
        std::wstring says;
    };
    const std::wstring old = LR"(C:\Old Game\Archive.exe)";
    const std::wstring mangled = L"C:\\????\\Archive.exe";
    const Case cases[] = {
        {"a value before", old, 0, old, L"so the previous value was kept."},
        {"no key before", std::nullopt, 0, std::nullopt, L"so it was removed again"},
        {"unreadable before", old, 1, mangled, L"could not be read, so nothing was put back"},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        CallLog log;
        FakeSettings store(log);
        if (c.before) {
            store.StoreArchiveTool(*c.before);
        }
        store.HeldForReads(c.heldReads);
        store.KeepOnlyAscii();  // an ANSI file that turns what it cannot hold into question marks

        const WriteResult result =
            WriteIniValue(store, kPathsSection, kArchiveKey, L"C:\\Игры\\Archive.exe");

        CHECK(result.status == WriteStatus::Failed);
        CHECK(Printable(result.reason).find(Printable(c.says)) != std::string::npos);
        CHECK(store.ArchiveToolRaw() == c.after);
    }
}

TEST_CASE("A key that cannot be put back is not reported as kept") {
    CallLog log;
    FakeSettings store(log);
    store.StoreArchiveTool(L"C:\\Old\\Archive.exe");
    store.AfterWrites(5, L"C:\\Other Copy\\Archive.exe");  // lands on the putting back
    store.KeepOnlyAscii();

    const WriteResult result =
        WriteIniValue(store, kPathsSection, kArchiveKey, L"C:\\Игры\\Archive.exe");

    CHECK(result.reason.find(L"could not be put back") != std::wstring::npos);
}

TEST_CASE("A value another copy overwrote at once is written again, and the last store wins") {
    CallLog log;
    FakeSettings store(log);
    const std::wstring other = L"C:\\Other Copy\\Archive.exe";
    const std::wstring mine = L"C:\\This Copy\\Archive.exe";
    store.AfterWrites(1, other);

    const WriteResult result = WriteIniValue(store, kPathsSection, kArchiveKey, mine);

    CHECK(result.ok());
    CHECK(log.Count("Settings.Write") == 2);
    CHECK(store.ArchiveToolRaw() == mine);
}

TEST_CASE("A store keeps its turn from its first read to its putting back; a read takes none") {
    CallLog log;
    FakeSettings store(log);
    store.KeepOnlyAscii();  // the store fails and takes its key out again
    ReadIniValue(store, kPathsSection, kArchiveKey);

    WriteIniValue(store, kPathsSection, kArchiveKey, L"C:\\Игры\\Archive.exe");

    const std::vector<std::string> calls = log.Names();
    CHECK(calls[0] == "Settings.Read");
    CHECK(calls[1] == "Settings.BeginStore");
    CHECK(calls.end()[-3] == "Settings.Delete");
    CHECK(calls.back() == "Settings.EndStore");
}

TEST_CASE("A quoted value is confirmed by what the reader gives back") {
    struct Case {
        std::wstring stored;
        std::wstring read;
    };
    const Case cases[] = {
        {LR"("C:\A B\Archive.exe")", LR"(C:\A B\Archive.exe)"},
        {L"'C:\\A'", L"C:\\A"},
        {LR"("C:\A')", LR"("C:\A')"},
        {L"\"", L"\""},
        {L"", L""},
    };
    for (const Case& c : cases) {
        CHECK(ProfileReading(c.stored) == c.read);
    }
}

}  // namespace
}  // namespace tarvane::testing
