// The special-folder lookup against the shell's real one.
#include <catch2/catch.hpp>

#include <windows.h>
#include <shlobj.h>

#include "startup/special_folder.h"
#include "startup/special_folder_win32.h"
#include "support/win32_files.h"
#include "support/printable.h"

namespace tarvane::testing {
namespace {

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The folder as another platform call reports it, without a trailing backslash.
std::wstring SystemDirectory() {
    wchar_t path[MAX_PATH] = {};
    REQUIRE(GetSystemDirectoryW(path, MAX_PATH) != 0);
    return path;
}

std::wstring CommonAppDataFolder() {
    wchar_t path[MAX_PATH] = {};
    REQUIRE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, 0, path)));
    return path;
}

}  // namespace

TEST_CASE("The system folder is the platform's, ending in exactly one backslash", "[special]") {
    const std::wstring folder = GetSpecialFolder(kSystemFolderId);
    CAPTURE(Printable(folder));
    CHECK(lstrcmpiW(folder.c_str(), (SystemDirectory() + L"\\").c_str()) == 0);
    REQUIRE(folder.size() >= 2);
    CHECK(folder[folder.size() - 2] != L'\\');
    CHECK(IsFolder(folder));
}

TEST_CASE("The common application-data folder is the platform's, with its backslash", "[special]") {
    const std::wstring folder = GetSpecialFolder(kCommonAppDataId);
    CAPTURE(Printable(folder));
    CHECK(lstrcmpiW(folder.c_str(), (CommonAppDataFolder() + L"\\").c_str()) == 0);
    REQUIRE(folder.size() >= 2);
    CHECK(folder[folder.size() - 2] != L'\\');
    CHECK(IsFolder(folder));
}

TEST_CASE("Folders without a file-system path, and ids beyond 16 bits, give the empty string",
          "[special]") {
    // "My Computer" is a shell folder with no path; 0x10000 + 37 would be the system folder if the
    // id were cut to 16 bits instead of refused.
    const std::int32_t id = GENERATE(CSIDL_DRIVES, 0x10000 + kSystemFolderId, -0x8001);
    CAPTURE(id);
    CHECK(Printable(GetSpecialFolder(id)).empty());
}

}  // namespace tarvane::testing
