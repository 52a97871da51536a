// Where the settings file lives.
#include <catch2/catch.hpp>

#include "startup/ini_location.h"

namespace tarvane {
namespace {

const std::wstring kTraditional =
    L"C:\\Documents and Settings\\All Users\\Application Data\\tarvane.ini";

TEST_CASE("The settings file stays in the traditional folder wherever it exists") {
    struct Case {
        const char* name;
        bool fixedFolderExists;
        std::wstring commonAppData;
        std::wstring expected;
    };
    const Case cases[] = {
        {"English XP", true, L"C:\\Documents and Settings\\All Users\\Application Data\\",
         kTraditional},
        {"traditional folder kept even where the platform names another", true,
         L"C:\\ProgramData\\", kTraditional},
        {"newer Windows or Wine", false, L"C:\\ProgramData\\", L"C:\\ProgramData\\tarvane.ini"},
        {"non-English XP", false, L"C:\\Dokumente und Einstellungen\\All Users\\Anwendungsdaten\\",
         L"C:\\Dokumente und Einstellungen\\All Users\\Anwendungsdaten\\tarvane.ini"},
        {"Cyrillic folder", false, L"C:\\Документы\\", L"C:\\Документы\\tarvane.ini"},
        {"platform has no such folder", false, L"", kTraditional},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        CHECK(ChooseIniFilePath(c.fixedFolderExists, c.commonAppData) == c.expected);
    }
}

}  // namespace
}  // namespace tarvane
