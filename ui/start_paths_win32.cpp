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

std::optional<DroppedItem> ExistingItem(const std::wstring& argument) {
    const DWORD attributes = GetFileAttributesW(argument.c_str());
    if (argument.empty() || attributes == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    return DroppedItem{argument, (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0};
}

}  // namespace

DropResult StartPaths() { return DecideStartPaths(CommandLineWords(), ExistingItem); }

}  // namespace tarvane
