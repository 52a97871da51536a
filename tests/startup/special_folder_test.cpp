// The special-folder lookup's buffer rules, with the platform call faked.
#include <catch2/catch.hpp>

#include <cstdint>
#include <limits>
#include <new>
#include <optional>

#include "startup/special_folder.h"

namespace tarvane {
namespace {

// A platform call that writes text (a NUL included where the test puts one) at the buffer's start
// and remembers the id it was given.
struct FakeShell {
    std::wstring writes;
    bool touchesBuffer = true;
    std::optional<std::int16_t> askedId;
    int calls = 0;

    SpecialFolderCall Call() {
        return [this](wchar_t* buffer, std::int16_t id) {
            ++calls;
            askedId = id;
            if (touchesBuffer) {
                REQUIRE(writes.size() <= kPathBufferChars);
                writes.copy(buffer, writes.size());
            }
        };
    }
};

TEST_CASE("The folder's path comes back with exactly one backslash appended") {
    struct Case {
        const char* name;
        std::wstring written;
        std::wstring expected;
    };
    const std::wstring longest(kPathBufferChars - 1, L'x');
    const Case cases[] = {
        {"system folder", std::wstring(L"C:\\WINDOWS\\system32") + L'\0',
         L"C:\\WINDOWS\\system32\\"},
        {"Cyrillic folder", std::wstring(L"C:\\Программы") + L'\0', L"C:\\Программы\\"},
        {"path with blanks", std::wstring(L"C:\\Documents and Settings\\All Users") + L'\0',
         L"C:\\Documents and Settings\\All Users\\"},
        {"leading blank kept", std::wstring(L" C:\\x") + L'\0', L" C:\\x\\"},
        {"text after the NUL ignored", std::wstring(L"C:\\a") + L'\0' + L"stale", L"C:\\a\\"},
        {"longest path that fits", longest + L'\0', longest + L"\\"},
        {"path the platform reports empty", std::wstring(1, L'\0'), L""},
        {"path filling the buffer without a NUL", std::wstring(kPathBufferChars, L'y'), L""},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        FakeShell shell;
        shell.writes = c.written;
        CHECK(GetSpecialFolder(kSystemFolderId, shell.Call()) == c.expected);
        CHECK(shell.calls == 1);
    }
}

TEST_CASE("A buffer the platform leaves untouched gives the empty string") {
    FakeShell shell;
    shell.touchesBuffer = false;
    CHECK(GetSpecialFolder(kSystemFolderId, shell.Call()).empty());
    CHECK(shell.calls == 1);
}

TEST_CASE("Only ids that fit a 16-bit signed integer reach the platform") {
    constexpr std::int32_t kMin16 = std::numeric_limits<std::int16_t>::min();
    constexpr std::int32_t kMax16 = std::numeric_limits<std::int16_t>::max();
    for (const std::int32_t id : {kSystemFolderId, kCommonAppDataId, 0, kMin16, kMax16}) {
        CAPTURE(id);
        FakeShell shell;
        shell.writes = std::wstring(L"C:\\x") + L'\0';
        CHECK(GetSpecialFolder(id, shell.Call()) == L"C:\\x\\");
        REQUIRE(shell.askedId.has_value());
        CHECK(*shell.askedId == id);
    }
    for (const std::int32_t id :
         {kMax16 + 1, kMin16 - 1, kSystemFolderId + 65536, std::numeric_limits<std::int32_t>::max(),
          std::numeric_limits<std::int32_t>::min()}) {
        CAPTURE(id);
        FakeShell shell;
        shell.writes = std::wstring(L"C:\\x") + L'\0';
        CHECK(GetSpecialFolder(id, shell.Call()).empty());
        CHECK(shell.calls == 0);
    }
}

TEST_CASE("A failing platform call gives the empty string, never passes the failure on") {
    const SpecialFolderCall failing = [](wchar_t*, std::int16_t) { throw std::bad_alloc(); };
    std::wstring answer = L"unset";
    CHECK_NOTHROW(answer = GetSpecialFolder(kSystemFolderId, failing));
    CHECK(answer.empty());
}

}  // namespace
}  // namespace tarvane
