#pragma once
// Files and folders dropped onto the main window: which dropped path goes into which text box.
#include <optional>
#include <string>
#include <vector>

namespace tarvane {

// One dropped item as the shell reports it.
struct DroppedItem {
    std::wstring path;
    bool isFolder = false;
};

// Where in the window the drop landed.
enum class DropPlace { ArchiveBox, OutputBox, Elsewhere };

// The new text of each box; a box without one keeps what it holds.
struct DropResult {
    std::optional<std::wstring> archive;
    std::optional<std::wstring> output;

    bool operator==(const DropResult&) const = default;
};

// On a text box, the first dropped item goes there whatever it is, as if typed. Anywhere else the
// first file goes to the archive box and the first folder to the output box. An item without a
// path (one the shell could not name) is passed over.
DropResult DecideDrop(const std::vector<DroppedItem>& items, DropPlace place);

}  // namespace tarvane
