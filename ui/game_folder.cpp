#include "ui/game_folder.h"

#include <algorithm>

namespace tarvane {
namespace {

constexpr wchar_t kUninstallKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Steam App ";
// Company of Heroes Relaunch first, then the Legacy Edition.
constexpr const wchar_t* kSteamApps[] = {L"228200", L"4560"};
constexpr const wchar_t* kSteamGameFolders[] = {L"steamapps\\common\\Company of Heroes Relaunch",
                                                L"steamapps\\common\\Company of Heroes"};

struct Token {
    enum class Kind { Text, Open, Close } kind;
    std::wstring text;
};

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

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

// Keys, values and braces in order; comments and blanks left out. Nothing when a string is cut
// short.
std::optional<std::vector<Token>> Tokens(std::wstring_view vdf) {
    std::vector<Token> tokens;
    std::size_t at = 0;
    while (at < vdf.size()) {
        const wchar_t c = vdf[at];
        if (IsBlank(c)) {
            ++at;
        } else if (vdf.substr(at, 2) == L"//") {
            at = std::min(vdf.find(L'\n', at), vdf.size());
        } else if (c == L'{' || c == L'}') {
            tokens.push_back({c == L'{' ? Token::Kind::Open : Token::Kind::Close, L""});
            ++at;
        } else if (c == L'"') {
            ++at;
            std::optional<std::wstring> text = QuotedText(vdf, at);
            if (!text) {
                return std::nullopt;
            }
            tokens.push_back({Token::Kind::Text, std::move(*text)});
        } else {
            const std::size_t start = at;
            while (at < vdf.size() && !IsBlank(vdf[at]) && vdf[at] != L'"' && vdf[at] != L'{' &&
                   vdf[at] != L'}') {
                ++at;
            }
            tokens.push_back({Token::Kind::Text, std::wstring(vdf.substr(start, at - start))});
        }
    }
    return tokens;
}

bool IsNumber(const std::wstring& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

bool IsPathKey(const std::wstring& key) {
    return key.size() == 4 && std::equal(key.begin(), key.end(), L"path", [](wchar_t a, wchar_t b) {
               return (a >= L'A' && a <= L'Z' ? a + (L'a' - L'A') : a) == b;
           });
}

std::wstring JoinPath(std::wstring folder, const std::wstring& name) {
    if (!folder.empty() && folder.back() != L'\\') {
        folder += L'\\';
    }
    return folder + name;
}

// Steam's own folder (which the older library file does not list) and every library beside it.
std::vector<std::wstring> SteamLibrariesOn(InstallRecords& records) {
    std::optional<std::wstring> steam =
        records.RegistryText(RegistryRoot::CurrentUser, L"Software\\Valve\\Steam", L"SteamPath");
    if (!steam || steam->empty()) {
        return {};
    }
    // Steam writes its own folder with forward slashes.
    std::replace(steam->begin(), steam->end(), L'/', L'\\');
    std::vector<std::wstring> libraries{*steam};
    if (const auto vdf = records.ReadTextFile(JoinPath(*steam, L"steamapps\\libraryfolders.vdf"))) {
        const std::vector<std::wstring> listed = SteamLibraries(*vdf);
        libraries.insert(libraries.end(), listed.begin(), listed.end());
    }
    return libraries;
}

std::vector<std::wstring> PlacesOfTheGame(InstallRecords& records) {
    std::vector<std::wstring> places{kDefaultGameFolder};
    const auto addRecorded = [&](const std::wstring& key, const wchar_t* name) {
        std::optional<std::wstring> place =
            records.RegistryText(RegistryRoot::LocalMachine32, key, name);
        if (place && !place->empty()) {
            places.push_back(std::move(*place));
        }
    };
    addRecorded(L"SOFTWARE\\THQ\\Company of Heroes", L"InstallDir");
    for (const wchar_t* app : kSteamApps) {
        addRecorded(kUninstallKey + std::wstring(app), L"InstallLocation");
    }
    for (const std::wstring& library : SteamLibrariesOn(records)) {
        for (const wchar_t* game : kSteamGameFolders) {
            places.push_back(JoinPath(library, game));
        }
    }
    return places;
}

}  // namespace

std::vector<std::wstring> SteamLibraries(std::wstring_view vdf) {
    const std::optional<std::vector<Token>> tokens = Tokens(vdf);
    if (!tokens) {
        return {};
    }
    std::vector<std::wstring> libraries;
    int depth = 0;
    for (std::size_t at = 0; at < tokens->size(); ++at) {
        const Token& token = (*tokens)[at];
        if (token.kind != Token::Kind::Text) {
            depth += token.kind == Token::Kind::Open ? 1 : -1;
            if (depth < 0) {
                return {};
            }
            continue;
        }
        const bool pair = at + 1 < tokens->size() && (*tokens)[at + 1].kind == Token::Kind::Text;
        if (!pair) {
            continue;  // a key whose value is a block
        }
        const std::wstring& value = (*tokens)[++at].text;
        // The older file numbers its libraries at the top level; today's gives each a block of
        // its own with a "path".
        const bool library =
            (depth == 1 && IsNumber(token.text)) || (depth == 2 && IsPathKey(token.text));
        if (library && !value.empty()) {
            libraries.push_back(value);
        }
    }
    return depth == 0 ? libraries : std::vector<std::wstring>{};
}

std::wstring GameFolder(InstallRecords& records) {
    std::optional<std::wstring> firstExisting;
    for (const std::wstring& place : PlacesOfTheGame(records)) {
        if (!records.FolderExists(place)) {
            continue;
        }
        if (records.FileExists(JoinPath(place, L"Archive.exe"))) {
            return place;
        }
        if (!firstExisting) {
            firstExisting = place;
        }
    }
    return firstExisting.value_or(kDefaultGameFolder);
}

}  // namespace tarvane
