// When the settings file must become Unicode before a write, and what the converted file holds.
#include <catch2/catch.hpp>

#include "settings/file_encoding.h"

namespace tarvane {
namespace {

TEST_CASE("A file's encoding is told by its byte-order mark") {
    struct Case {
        const char* name;
        bool exists;
        std::string content;
        FileEncoding encoding;
    };
    const Case cases[] = {
        {"no file", false, "", FileEncoding::Missing},
        {"empty", true, "", FileEncoding::Empty},
        {"UTF-16LE", true, "\xFF\xFE[\0", FileEncoding::Utf16Le},
        {"UTF-16BE", true, "\xFE\xFF\0[", FileEncoding::Utf16Be},
        {"UTF-8", true, "\xEF\xBB\xBF[Paths]", FileEncoding::Utf8},
        {"two bytes of the UTF-8 mark", true, "\xEF\xBB[", FileEncoding::Ansi},
        {"ANSI", true, "[Paths]\r\nArchive=C:\\Caf\xE9\\Archive.exe\r\n", FileEncoding::Ansi},
        {"one byte of a mark", true, "\xFF", FileEncoding::Ansi},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        CHECK(DetectEncoding(c.exists, c.content) == c.encoding);
    }
}

TEST_CASE("Only UTF-16LE files are written as they are; ANSI ones while the value fits") {
    using enum Preparation;
    CHECK(PreparationFor(FileEncoding::Missing, true) == CreateUnicode);
    CHECK(PreparationFor(FileEncoding::Missing, false) == CreateUnicode);
    CHECK(PreparationFor(FileEncoding::Empty, true) == ConvertToUnicode);
    CHECK(PreparationFor(FileEncoding::Utf16Le, false) == None);
    CHECK(PreparationFor(FileEncoding::Utf16Be, true) == ConvertToUnicode);
    CHECK(PreparationFor(FileEncoding::Utf8, true) == ConvertToUnicode);
    CHECK(PreparationFor(FileEncoding::Ansi, true) == None);
    CHECK(PreparationFor(FileEncoding::Ansi, false) == ConvertToUnicode);
}

TEST_CASE("The converted file keeps every line, line end and character") {
    const std::wstring text =
        L"; written by "
        L"hand\r\n[Paths]\r\nArchive=C:\\Caf\u00E9\\Archive.exe\n\n[Other]\r\nKey=\u0416\U0001F600";
    const std::string bytes = Utf16LeWithMark(text);

    REQUIRE(bytes.size() == 2 + 2 * (text.size() + (sizeof(wchar_t) == 4 ? 1 : 0)));
    CHECK(bytes.substr(0, 4) == std::string("\xFF\xFE;\0", 4));
    CHECK(bytes.find(std::string("\xE9\0\\\0", 4)) != std::string::npos);         // é
    CHECK(bytes.find(std::string("\r\0\n\0[\0P\0", 8)) != std::string::npos);     // CRLF kept
    CHECK(bytes.find(std::string("e\0\n\0\n\0[\0", 8)) != std::string::npos);     // LF kept
    CHECK(bytes.find(std::string("\x16\x04", 2)) != std::string::npos);           // Ж
    CHECK(bytes.substr(bytes.size() - 4) == std::string("\x3D\xD8\x00\xDE", 4));  // 😀
}

}  // namespace
}  // namespace tarvane
