#pragma once
// Suggestions while a path is typed into SGA In or SGB Out: which typed text gets them, which
// folder is listed for it, and which entries of that folder become suggestions. The autocomplete
// object matches the whole typed text against each suggestion, so every suggestion starts with
// the text up to its last backslash exactly as typed.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/game_folder.h"

namespace tarvane {

enum class CompletionKind {
    FoldersAndArchives,  // SGA In: folders and .sga files
    FoldersOnly,         // SGB Out
};

// Entries read from one folder for one listing at most: every key press that reaches a new folder
// lists it, and a folder of 100,000 files must not stall typing. The first ones that the file
// system gives are taken; the rest are never read.
inline constexpr std::size_t kMostEntriesListed = 1000;

// The folder that suggestions for typed text come from: the text up to and including its last
// backslash. Only a full path on a local drive letter, written with backslashes, gets suggestions,
// as with the pickers' first folders, so that typing never waits on a network: none for a share,
// a network drive, a relative path, forward slashes, quotes or wildcards. Unlike the pickers, the
// text is taken exactly as typed: every suggestion must begin with it.
std::optional<std::wstring> FolderToList(std::wstring_view typed, InstallRecords& records);

// The suggestions of one listing of folder, made from its entries as they are read.
class CompletionList {
  public:
    CompletionList(CompletionKind kind, std::wstring folder);

    // One entry of the folder. False once no more entries are wanted.
    bool Take(std::wstring_view name, bool isFolder, bool hidden);
    const std::vector<std::wstring>& Items() const { return items_; }

  private:
    bool Suggests(std::wstring_view name, bool isFolder) const;

    CompletionKind kind_;
    std::wstring folder_;
    std::size_t entriesRead_ = 0;
    std::vector<std::wstring> items_;
};

}  // namespace tarvane
