#include "ui/start_paths.h"

namespace tarvane {

DropResult DecideStartPaths(const std::vector<std::wstring>& commandLine,
                            ExistingItemLookup existingItem) {
    std::vector<DroppedItem> items;
    for (std::size_t index = 1; index < commandLine.size(); ++index) {
        if (std::optional<DroppedItem> item = existingItem(commandLine[index])) {
            items.push_back(std::move(*item));
        }
    }
    return DecideDrop(items, DropPlace::Elsewhere);
}

}  // namespace tarvane
