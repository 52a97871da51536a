#pragma once
// What the UI driver hands to drop_poster.dll inside Tarvane's process to deliver one drop.
#include <windows.h>

namespace tarvane::testing {

// Followed in memory by the drop's DROPFILES block, `bytes` long.
struct DropRequest {
    HWND window;
    SIZE_T bytes;
};

}  // namespace tarvane::testing
