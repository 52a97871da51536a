#include "ui/path_completion.h"

namespace tarvane {
namespace {

bool IsDriveLetter(wchar_t c) { return (c | 0x20) >= L'a' && (c | 0x20) <= L'z'; }

// Interim home of the rule, until the one home of path text takes it over.
bool IsFullLocalDrivePath(std::wstring_view text, InstallRecords& records) {
    return text.size() >= 3 && IsDriveLetter(text[0]) && text[1] == L':' && text[2] == L'\\' &&
           !records.IsRemoteDrive(text[0]);
}

bool EndsWithArchiveExtension(std::wstring_view name) {
    constexpr std::wstring_view extension = L".sga";
    if (name.size() <= extension.size()) {
        return false;
    }
    const std::wstring_view end = name.substr(name.size() - extension.size());
    for (std::size_t index = 0; index < extension.size(); ++index) {
        if ((end[index] | 0x20) != extension[index]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<std::wstring> FolderToList(std::wstring_view typed, InstallRecords& records) {
    const std::size_t lastBackslash = typed.rfind(L'\\');
    if (lastBackslash == std::wstring_view::npos) {
        return std::nullopt;
    }
    const std::wstring_view folder = typed.substr(0, lastBackslash + 1);
    // A slash or a quote means a path written some other way, and wildcards would make the
    // listing's own pattern say something else.
    if (folder.find_first_of(L"/\"*?<>|") != std::wstring_view::npos ||
        !IsFullLocalDrivePath(folder, records)) {
        return std::nullopt;
    }
    return std::wstring(folder);
}

CompletionList::CompletionList(CompletionKind kind, std::wstring folder)
    : kind_(kind), folder_(std::move(folder)) {}

bool CompletionList::Take(std::wstring_view name, bool isFolder, bool hidden) {
    // Hidden entries stay out of sight, as in Explorer as it comes.
    if (!hidden && Suggests(name, isFolder)) {
        items_.push_back(folder_ + std::wstring(name));
    }
    return ++entriesRead_ < kMostEntriesListed;
}

bool CompletionList::Suggests(std::wstring_view name, bool isFolder) const {
    if (isFolder) {
        return name != L"." && name != L"..";
    }
    return kind_ == CompletionKind::FoldersAndArchives && EndsWithArchiveExtension(name);
}

}  // namespace tarvane
