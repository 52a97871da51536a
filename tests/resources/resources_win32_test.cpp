// What Tarvane.exe carries besides its code, read back from the built exe the way Windows and
// Explorer read it: the version block, the icon group and the manifest.
#include <windows.h>

#include <catch2/catch.hpp>

#include <set>
#include <string>
#include <utility>

#include "support/win32_files.h"
#include "version.h"

namespace tarvane::testing {
namespace {

std::wstring ExePath() { return BuildFolder() + L"Tarvane.exe"; }

std::string VersionString(const std::vector<char>& block, const wchar_t* name) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(block.data(), query.c_str(), &value, &length) || length == 0) {
        return "<missing>";
    }
    return ToUtf8(static_cast<const wchar_t*>(value));
}

// How users read a version: major.minor with the minor in two digits (1.1 is "1.01"), then the
// patch level after a further point when there is one.
std::string VersionText(int major, int minor, int patch) {
    std::string text = std::to_string(major) + (minor < 10 ? ".0" : ".") + std::to_string(minor);
    return patch > 0 ? text + "." + std::to_string(patch) : text;
}

std::vector<char> VersionBlock() {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(ExePath().c_str(), &handle);
    REQUIRE(size > 0);
    std::vector<char> block(size);
    REQUIRE(GetFileVersionInfoW(ExePath().c_str(), 0, size, block.data()));
    return block;
}

// Loaded as data only: nothing of the program runs.
struct ExeResources {
    HMODULE module = LoadLibraryExW(ExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ~ExeResources() { FreeLibrary(module); }

    std::pair<const BYTE*, DWORD> Find(const wchar_t* type, int id) const {
        HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
        if (found == nullptr) {
            return {nullptr, 0};
        }
        return {static_cast<const BYTE*>(LockResource(LoadResource(module, found))),
                SizeofResource(module, found)};
    }
};

#pragma pack(push, 2)
struct IconGroupHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colorCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)

}  // namespace

TEST_CASE("The version block names the product and the project's version") {
    const std::vector<char> block = VersionBlock();

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    REQUIRE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    CHECK(fixed->dwFileVersionMS == MAKELONG(TARVANE_VERSION_MINOR, TARVANE_VERSION_MAJOR));
    CHECK(fixed->dwFileVersionLS == MAKELONG(0, TARVANE_VERSION_PATCH));
    CHECK(fixed->dwProductVersionMS == fixed->dwFileVersionMS);
    CHECK(fixed->dwProductVersionLS == fixed->dwFileVersionLS);

    DWORD* translation = nullptr;
    REQUIRE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                           reinterpret_cast<void**>(&translation), &length));
    CHECK(*translation == MAKELONG(0x0409, 1200));  // US English, Unicode

    const std::string version =
        VersionText(HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                    HIWORD(fixed->dwFileVersionLS));
    CHECK(version == TARVANE_VERSION_TEXT);  // the text the release packages are named with
    CHECK(VersionString(block, L"CompanyName") == "Zembrith");
    CHECK(VersionString(block, L"FileDescription") == "Tarvane converter");
    CHECK(VersionString(block, L"LegalCopyright") == "Copyright (C) 2026 the Tarvane developers");
    CHECK(VersionString(block, L"ProductName") == "Tarvane converter");
    CHECK(VersionString(block, L"FileVersion") == version);
    CHECK(VersionString(block, L"ProductVersion") == version);
    CHECK(VersionString(block, L"InternalName") == "Tarvane");
    CHECK(VersionString(block, L"OriginalFilename") == "Tarvane.exe");
}

TEST_CASE("The icon holds the seven images, all as plain bitmaps that Windows XP can show") {
    const ExeResources exe;
    REQUIRE(exe.module != nullptr);
    const auto [group, groupSize] = exe.Find(RT_GROUP_ICON, 1);
    REQUIRE(group != nullptr);
    const auto* header = reinterpret_cast<const IconGroupHeader*>(group);
    REQUIRE(header->count == 7);
    REQUIRE(groupSize >= sizeof(IconGroupHeader) + 7 * sizeof(IconGroupEntry));

    std::set<std::pair<int, int>> images;  // (pixels, bits per pixel)
    const auto* entries = reinterpret_cast<const IconGroupEntry*>(group + sizeof(IconGroupHeader));
    for (int i = 0; i < header->count; ++i) {
        const IconGroupEntry& entry = entries[i];
        const int pixels = entry.width == 0 ? 256 : entry.width;
        CHECK(entry.width == entry.height);
        images.insert({pixels, entry.bitCount});

        const auto [image, imageSize] = exe.Find(RT_ICON, entry.id);
        REQUIRE(image != nullptr);
        REQUIRE(imageSize > sizeof(BITMAPINFOHEADER));
        // A BITMAPINFOHEADER, not a PNG stream, whose height counts the image and its mask.
        const auto* bitmap = reinterpret_cast<const BITMAPINFOHEADER*>(image);
        CHECK(bitmap->biSize == sizeof(BITMAPINFOHEADER));
        CHECK(bitmap->biWidth == pixels);
        CHECK(bitmap->biHeight == 2 * pixels);
        CHECK(bitmap->biCompression == BI_RGB);
        CHECK(bitmap->biBitCount == entry.bitCount);
    }
    const std::set<std::pair<int, int>> expected = {{16, 8},  {32, 8},  {48, 8},  {16, 32},
                                                    {32, 32}, {48, 32}, {128, 32}};
    CHECK(images == expected);
}

TEST_CASE("The manifest asks for common controls 6, DPI awareness, no elevation; no component") {
    const ExeResources exe;
    REQUIRE(exe.module != nullptr);
    const auto [manifest, size] = exe.Find(MAKEINTRESOURCEW(24), 1);  // RT_MANIFEST
    REQUIRE(manifest != nullptr);
    const std::string text(reinterpret_cast<const char*>(manifest), size);
    CHECK(text.find("Microsoft.Windows.Common-Controls") != std::string::npos);
    CHECK(text.find("version=\"6.0.0.0\"") != std::string::npos);
    const std::string identity = "name=\"Zembrith.Tarvane\" version=\"" +
                                 std::to_string(TARVANE_VERSION_MAJOR) + "." +
                                 std::to_string(TARVANE_VERSION_MINOR) + "." +
                                 std::to_string(TARVANE_VERSION_PATCH) + ".0\"";
    CHECK(text.find(identity) != std::string::npos);
    CHECK(text.find("level=\"asInvoker\"") != std::string::npos);
    CHECK(text.find(">PerMonitorV2") != std::string::npos);
    CHECK(text.find(">true/pm<") != std::string::npos);  // what Windows before 10 reads

    // The default build carries no copy of the common-dialog component.
    CHECK(exe.Find(L"CUSTOM", 101).first == nullptr);
}

}  // namespace tarvane::testing
