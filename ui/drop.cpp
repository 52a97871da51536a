#include "ui/drop.h"

#include <algorithm>

namespace tarvane {
namespace {

template <typename Wanted>
std::optional<std::wstring> FirstPath(const std::vector<DroppedItem>& items, Wanted wanted) {
    const auto found = std::find_if(items.begin(), items.end(), [&](const DroppedItem& item) {
        return !item.path.empty() && wanted(item);
    });
    if (found == items.end()) {
        return std::nullopt;
    }
    return found->path;
}

}  // namespace

DropResult DecideDrop(const std::vector<DroppedItem>& items, DropPlace place) {
    const auto any = [](const DroppedItem&) { return true; };
    switch (place) {
        case DropPlace::ArchiveBox:
            return {FirstPath(items, any), std::nullopt};
        case DropPlace::OutputBox:
            return {std::nullopt, FirstPath(items, any)};
        case DropPlace::Elsewhere:
            break;
    }
    return {FirstPath(items, [](const DroppedItem& item) { return !item.isFolder; }),
            FirstPath(items, [](const DroppedItem& item) { return item.isFolder; })};
}

}  // namespace tarvane
