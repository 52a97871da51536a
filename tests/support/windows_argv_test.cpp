// The argument parser is the oracle of the quoting tests, so it is checked first against the
// examples Microsoft documents for the C runtime's command-line parsing.
#include <catch2/catch.hpp>

#include "support/windows_argv.h"

namespace tarvane::testing {
using Args = std::vector<std::wstring>;

TEST_CASE("The argument parser splits command lines as the C runtime does") {
    struct Example {
        const wchar_t* line;
        Args expected;
    };
    const Example examples[] = {
        {LR"(p "abc" d e)", {L"p", L"abc", L"d", L"e"}},
        {LR"(p a\\b d"e f"g h)", {L"p", LR"(a\\b)", L"de fg", L"h"}},
        {LR"(p a\\\"b c d)", {L"p", LR"(a\"b)", L"c", L"d"}},
        {LR"(p a\\\\"b c" d e)", {L"p", LR"(a\\b c)", L"d", L"e"}},
        {LR"(p a"b"" c d)", {L"p", LR"(ab" c d)"}},
        {LR"("C:\Program Files\x.exe" -a)", {LR"(C:\Program Files\x.exe)", L"-a"}},
        {LR"("C:\dir\"rest)", {LR"(C:\dir\)", L"rest"}},
        {L"p   \t  ", {L"p"}},
        {L"p \"\"", {L"p", L""}},
    };
    for (const Example& example : examples) {
        CAPTURE(std::string(example.line, example.line + std::wcslen(example.line)));
        CHECK(ParseWindowsCommandLine(example.line) == example.expected);
    }
}

}  // namespace tarvane::testing
