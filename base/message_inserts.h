#pragma once
// The system's error texts come with their inserts (%1, %2, ...) left in: they are read with
// inserts ignored, since handing Windows fewer values than a text names reads past them.
#include <string>
#include <string_view>

namespace tarvane {

// Puts the one value the program knows, the path concerned, where %1 stands; an insert the
// program has no value for (%2 to %99) is left out. An insert's format (%1!s!) goes with it.
// Text that is not an insert, a lone % or one in the path itself, stays as it is.
std::wstring FillInserts(std::wstring_view text, std::wstring_view path);

}  // namespace tarvane
