// The system's error texts with their inserts filled: the path where %1 stands, nothing of the
// others, and never a % insert left for the user to read.
#include <catch2/catch.hpp>

#include "base/message_inserts.h"
#include "support/printable.h"

namespace tarvane::testing {

TEST_CASE("A system text's inserts are filled with the path concerned") {
    struct Row {
        const wchar_t* text;
        const wchar_t* path;
        const wchar_t* filled;
    };
    const Row row = GENERATE(
        Row{L"%1 is not a valid Win32 application.", L"C:\\Tools\\Archive.exe",
            L"C:\\Tools\\Archive.exe is not a valid Win32 application."},
        Row{L"Cannot run %1!s! in Win32 mode.", L"C:\\a.exe",
            L"Cannot run C:\\a.exe in Win32 mode."},
        Row{L"Insert %2 (Volume Serial Number: %3) into drive %1.", L"C:\\x.ini",
            L"Insert  (Volume Serial Number: ) into drive C:\\x.ini."},
        Row{L"%10 and %1", L"P", L" and P"},
        // A % that is no insert, in the text or in the path, stays; the path is not read again.
        Row{L"100% of %1 %0 %", L"C:\\50%1 off\\%2.exe", L"100% of C:\\50%1 off\\%2.exe %0 %"},
        Row{L"Access is denied.", L"C:\\x.ini", L"Access is denied."});
    CAPTURE(Printable(row.text));
    CHECK(Printable(FillInserts(row.text, row.path)) == Printable(row.filled));
}

}  // namespace tarvane::testing
