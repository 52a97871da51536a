#pragma once
// Paths on the program's own command line, as Explorer's Open with, a drag onto the exe's icon or
// a Send To shortcut give them: they fill the text boxes as a drop outside the boxes would.
#include <optional>
#include <string>
#include <vector>

#include "ui/drop.h"

namespace tarvane {

// The file or folder an argument names; nothing when there is none.
using ExistingItemLookup = std::optional<DroppedItem> (*)(const std::wstring& argument);

// commandLine: the program's own name first, then its arguments. Arguments that name nothing (a
// switch, a missing path, junk) are passed over without a word.
DropResult DecideStartPaths(const std::vector<std::wstring>& commandLine,
                            ExistingItemLookup existingItem);

}  // namespace tarvane
