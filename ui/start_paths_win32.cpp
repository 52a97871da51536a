#include "ui/start_paths_win32.h"

#include <windows.h>
#include <shellapi.h>

#include "base/file_attributes_win32.h"
#include "base/scoped_win32.h"
#include "ui/start_paths.h"

namespace tarvane {
namespace {

// The program's own command line split as Windows splits it. wWinMain's argument is no use here:
// an empty one would come back from CommandLineToArgvW as the program's own path.
std::vector<std::wstring> CommandLineWords() {
    int count = 0;
    const ScopedLocalMemory<LPWSTR*> words(CommandLineToArgvW(GetCommandLineW(), &count));
    if (!words.valid()) {
        return {};
    }
    return std::vector<std::wstring>(words.get(), words.get() + count);
}

std::optional<DroppedItem> ExistingItem(const std::wstring& argument) {
    const PathKind kind = KindOfPath(argument);
    if (argument.empty() || kind == PathKind::Missing) {
        return std::nullopt;
    }
    return DroppedItem{argument, kind == PathKind::Folder};
}

}  // namespace

DropResult StartPaths() { return DecideStartPaths(CommandLineWords(), ExistingItem); }

}  // namespace tarvane
