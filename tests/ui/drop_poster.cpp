// Loaded into Tarvane's process by the UI driver to deliver drops as the shell does: a drop handle
// is a global memory handle that the receiving process frees with DragFinish, so it must be made
// by GlobalAlloc in that process. Nothing here stands in for any part of Tarvane.
#include <cstring>

#include "ui/drop_request.h"

// Runs as a remote thread: posts WM_DROPFILES with a new drop handle holding the request's
// DROPFILES block. 0 when posted; otherwise nothing was posted and nothing is left allocated.
extern "C" __declspec(dllexport) DWORD WINAPI PostDrop(void* parameter) {
    const auto* request = static_cast<const tarvane::testing::DropRequest*>(parameter);
    HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE, request->bytes);
    if (drop == nullptr) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    std::memcpy(GlobalLock(drop), request + 1, request->bytes);
    GlobalUnlock(drop);
    if (!PostMessageW(request->window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0)) {
        GlobalFree(drop);
        return ERROR_INVALID_WINDOW_HANDLE;
    }
    return 0;
}
