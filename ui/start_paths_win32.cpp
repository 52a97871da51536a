#include "ui/start_paths_win32.h"

#include <windows.h>
#include <shellapi.h>

#include "ui/start_paths.h"

namespace tarvane {
namespace {

// The program's own command line split as Windows splits it. wWinMain's argument is no use here:
// an empty one would come back from CommandLineToArgvW as the program's own path.
std::vector<std::wstring> CommandLineWords() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (words == nullptr) {
        return {};
    }
    std::vector<std::wstring> split(words, words + count);
    LocalFree(words);
    return split;
}

// A relative path is made whole now, while it still means what the user meant: the file dialogs
// may change the current folder later.
std::optional<DroppedItem> ExistingItem(const std::wstring& argument) {
    const DWORD chars = GetFullPathNameW(argument.c_str(), 0, nullptr, nullptr);
    if (chars == 0) {
        return std::nullopt;
    }
    std::wstring path(chars, L'\0');
    const DWORD written = GetFullPathNameW(argument.c_str(), chars, path.data(), nullptr);
    if (written == 0 || written >= chars) {
        return std::nullopt;
    }
    path.resize(written);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    return DroppedItem{path, (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0};
}

}  // namespace

DropResult StartPaths() { return DecideStartPaths(CommandLineWords(), ExistingItem); }

}  // namespace tarvane
