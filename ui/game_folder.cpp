#include "ui/game_folder.h"

#include "base/path_text.h"

namespace tarvane {
namespace {

// Where the retail installer and Steam record the game's folder, in the order they are tried:
// Company of Heroes Relaunch before the Legacy Edition.
constexpr const wchar_t* kRecordedFolders[][2] = {
    {L"SOFTWARE\\THQ\\Company of Heroes", L"InstallDir"},
    {L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Steam App 228200",
     L"InstallLocation"},
    {L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Steam App 4560",
     L"InstallLocation"},
};
constexpr const wchar_t* kSteamGameFolders[] = {L"steamapps\\common\\Company of Heroes Relaunch",
                                                L"steamapps\\common\\Company of Heroes"};

// A byte-order mark counts as a blank, wherever an editor may have left it.
bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\xFEFF';
}

// A quoted string after its opening quote, with Steam's escapes undone: "D:\\Games" is D:\Games.
// A lone backslash before anything else stays, as older files may hold one. Nothing when the
// closing quote is missing.
std::optional<std::wstring> QuotedText(std::wstring_view vdf, std::size_t& at) {
    std::wstring text;
    while (at < vdf.size()) {
        const wchar_t c = vdf[at++];
        if (c == L'"') {
            return text;
        }
        if (c == L'\\' && at < vdf.size() && (vdf[at] == L'\\' || vdf[at] == L'"')) {
            text += vdf[at++];
        } else {
            text += c;
        }
    }
    return std::nullopt;
}

bool IsNumber(const std::wstring& text) {
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9') {
            return false;
        }
    }
    return !text.empty();
}

// Keys compare without regard to case.
bool IsPathKey(const std::wstring& key) {
    constexpr wchar_t kPath[] = L"path";
    if (key.size() != 4) {
        return false;
    }
    for (std::size_t at = 0; at < 4; ++at) {
        if ((key[at] | 0x20) != kPath[at]) {
            return false;
        }
    }
    return true;
}

// Steam's own folder (which the older library file does not list) and every library beside it,
// each with the game's two folders in it.
void AddSteamPlaces(InstallRecords& records, std::vector<std::wstring>& places) {
    std::optional<std::wstring> steam =
        records.RegistryText(RegistryRoot::CurrentUser, L"Software\\Valve\\Steam", L"SteamPath");
    if (!steam || steam->empty()) {
        return;
    }
    // Steam writes its own folder with forward slashes.
    for (wchar_t& c : *steam) {
        c = c == L'/' ? L'\\' : c;
    }
    const std::optional<std::wstring> vdf =
        records.ReadTextFile(path::Join(*steam, L"steamapps\\libraryfolders.vdf"));
    std::vector<std::wstring> libraries = vdf ? SteamLibraries(*vdf) : std::vector<std::wstring>{};
    libraries.insert(libraries.begin(), *steam);
    for (const std::wstring& library : libraries) {
        for (const wchar_t* game : kSteamGameFolders) {
            places.push_back(path::Join(library, game));
        }
    }
}

std::vector<std::wstring> PlacesOfTheGame(InstallRecords& records) {
    std::vector<std::wstring> places{kDefaultGameFolder};
    for (const auto& [key, name] : kRecordedFolders) {
        std::optional<std::wstring> place =
            records.RegistryText(RegistryRoot::LocalMachine32, key, name);
        if (place && !place->empty()) {
            places.push_back(std::move(*place));
        }
    }
    AddSteamPlaces(records, places);
    return places;
}

}  // namespace

std::vector<std::wstring> SteamLibraries(std::wstring_view vdf) {
    std::vector<std::wstring> libraries;
    std::optional<std::wstring> key;  // a string that waits for its value or its block
    int depth = 0;
    std::size_t at = 0;
    while (at < vdf.size()) {
        const wchar_t c = vdf[at++];
        if (IsBlank(c)) {
            continue;
        }
        if (c == L'{' || c == L'}') {
            depth += c == L'{' ? 1 : -1;
            key.reset();
            if (depth < 0) {
                return {};
            }
            continue;
        }
        std::optional<std::wstring> text = c == L'"' ? QuotedText(vdf, at) : std::nullopt;
        if (!text) {
            return {};  // junk outside the quotes, or a quote left open
        }
        if (!key) {
            key = std::move(text);
            continue;
        }
        // The older file numbers its libraries at the top level; today's gives each a block of
        // its own with a "path".
        const bool library = (depth == 1 && IsNumber(*key)) || (depth == 2 && IsPathKey(*key));
        if (library && !text->empty()) {
            libraries.push_back(std::move(*text));
        }
        key.reset();
    }
    return depth == 0 ? libraries : std::vector<std::wstring>{};
}

std::wstring GameFolder(InstallRecords& records) {
    std::optional<std::wstring> firstExisting;
    for (const std::wstring& place : PlacesOfTheGame(records)) {
        if (!records.FolderExists(place)) {
            continue;
        }
        if (records.FileExists(path::Join(place, L"Archive.exe"))) {
            return place;
        }
        if (!firstExisting) {
            firstExisting = place;
        }
    }
    return firstExisting.value_or(kDefaultGameFolder);
}

}  // namespace tarvane
