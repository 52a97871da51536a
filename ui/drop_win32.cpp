#include "ui/drop_win32.h"

#include "base/file_attributes_win32.h"
#include "base/late_functions_win32.h"
#include "ui/window_description.h"

namespace tarvane {
namespace {

constexpr UINT kCopyGlobalData = 0x0049;  // WM_COPYGLOBALDATA, which a drop uses on its way
constexpr DWORD kAllowMessage = 1;        // MSGFLT_ALLOW
constexpr DWORD kAddMessage = 1;          // MSGFLT_ADD

std::wstring DroppedPath(HDROP drop, UINT index) {
    std::wstring path(DragQueryFileW(drop, index, nullptr, 0) + 1, L'\0');
    path.resize(DragQueryFileW(drop, index, path.data(), static_cast<UINT>(path.size())));
    return path;
}

bool Contains(HWND window, HWND child, POINT point) {
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    return PtInRect(&place, point) != 0;
}

}  // namespace

void AcceptDrops(HWND window) {
    DragAcceptFiles(window, TRUE);
    // Windows Vista and later keep messages from less privileged programs away from an elevated
    // one: Windows 7 lets a window choose, Vista only the whole process. Both are resolved at run
    // time, since older systems have no such filter and no such functions. Only what a drop needs
    // is let through: every other message stays as closed to them as Windows keeps it.
    const UINT messages[] = {WM_DROPFILES, kCopyGlobalData};
    if (const auto perWindow = FindChangeWindowMessageFilterEx()) {
        for (const UINT message : messages) {
            perWindow(window, message, kAllowMessage, nullptr);
        }
    } else if (const auto perProcess = FindChangeWindowMessageFilter()) {
        for (const UINT message : messages) {
            perProcess(message, kAddMessage);
        }
    }
}

std::vector<DroppedItem> DroppedItems(HDROP drop) {
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    std::vector<DroppedItem> items;
    items.reserve(count);
    for (UINT index = 0; index < count; ++index) {
        std::wstring path = DroppedPath(drop, index);
        const bool folder = !path.empty() && IsFolder(path);
        items.push_back({std::move(path), folder});
    }
    return items;
}

DropPlace DropPlaceIn(HWND window, HDROP drop) {
    POINT point{};
    // A drop on the title bar or the menu bar is not in the client area, where the boxes are.
    if (!DragQueryPoint(drop, &point)) {
        return DropPlace::Elsewhere;
    }
    if (Contains(window, GetDlgItem(window, kTxtSGAPath), point)) {
        return DropPlace::ArchiveBox;
    }
    if (Contains(window, GetDlgItem(window, kTxtSGBOut), point)) {
        return DropPlace::OutputBox;
    }
    return DropPlace::Elsewhere;
}

}  // namespace tarvane
