#include "ui/path_completion.h"

#include "base/path_text.h"

namespace tarvane {
namespace {

bool EndsWithArchiveExtension(std::wstring_view name) {
    constexpr std::wstring_view extension = L".sga";
    if (name.size() < extension.size()) {
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
    if (!path::IsFullDrivePath(folder) || records.IsRemoteDrive(folder[0])) {
        return std::nullopt;
    }
    return std::wstring(folder);
}

CompletionList::CompletionList(CompletionKind kind, std::wstring folder)
    : kind_(kind), folder_(std::move(folder)) {}

bool CompletionList::Take(std::wstring_view name, bool isFolder, bool hidden) {
    // Hidden entries stay out of sight, as in Explorer as it comes.
    if (!hidden && Suggests(name, isFolder)) {
        std::wstring item = folder_;
        item.append(name.data(), name.size());
        items_.push_back(std::move(item));
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
