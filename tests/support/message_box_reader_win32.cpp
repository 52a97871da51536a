#include "support/message_box_reader_win32.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "support/window_driving_win32.h"

namespace tarvane::testing {
namespace {

bool IsIconStatic(HWND control) {
    return ClassNameOf(control) == L"Static" &&
           (GetWindowLongPtrW(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

using Pixels = std::vector<std::uint32_t>;

// A 32-bit top-down bitmap that a device context can draw into.
class PixelCanvas {
  public:
    PixelCanvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~PixelCanvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    HDC Dc() const { return dc_; }
    Pixels Read() const {
        GdiFlush();
        const auto* first = static_cast<const std::uint32_t*>(bits_);
        Pixels pixels(first, first + static_cast<std::size_t>(width_) * height_);
        for (std::uint32_t& pixel : pixels) {
            pixel &= 0xFFFFFF;
        }
        return pixels;
    }

  private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
};

Pixels ScreenPixels(const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    PixelCanvas canvas(width, height);
    HDC screen = GetDC(nullptr);
    BitBlt(canvas.Dc(), 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return canvas.Read();
}

// The system icon as the icon control would draw it, on the background that the screen shows.
Pixels DrawnIcon(const wchar_t* systemIcon, int width, int height, std::uint32_t background) {
    PixelCanvas canvas(width, height);
    const COLORREF colour =
        RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF);
    HBRUSH brush = CreateSolidBrush(colour);
    const RECT all{0, 0, width, height};
    FillRect(canvas.Dc(), &all, brush);
    DeleteObject(brush);
    auto icon =
        static_cast<HICON>(LoadImageW(nullptr, systemIcon, IMAGE_ICON, width, height, LR_SHARED));
    DrawIconEx(canvas.Dc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    return canvas.Read();
}

std::size_t DifferingPixels(const Pixels& a, const Pixels& b) {
    std::size_t differing = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        differing += a[i] != b[i] ? 1 : 0;
    }
    return differing;
}

BoxIcon RecogniseIcon(HWND iconControl) {
    struct Candidate {
        const wchar_t* systemIcon;
        BoxIcon icon;
    };
    const std::array<Candidate, 4> candidates{{{IDI_HAND, BoxIcon::Error},
                                               {IDI_QUESTION, BoxIcon::Question},
                                               {IDI_EXCLAMATION, BoxIcon::Warning},
                                               {IDI_ASTERISK, BoxIcon::Information}}};
    RECT area{};
    GetWindowRect(iconControl, &area);
    const Pixels seen = ScreenPixels(area);
    if (seen.empty()) {
        return BoxIcon::Unrecognised;
    }
    // The icon's corner is transparent, so it shows the box's own background.
    for (const Candidate& candidate : candidates) {
        const Pixels drawn = DrawnIcon(candidate.systemIcon, area.right - area.left,
                                       area.bottom - area.top, seen.front());
        if (DifferingPixels(seen, drawn) == 0) {
            return candidate.icon;
        }
    }
    return BoxIcon::Unrecognised;
}

BoxIcon IconShownBy(HWND box) {
    for (HWND child : ChildWindows(box)) {
        // A box without an icon may keep its icon control, shown but empty.
        if (IsIconStatic(child) && IsWindowVisible(child) &&
            SendMessageW(child, STM_GETICON, 0, 0) != 0) {
            BoxIcon icon = BoxIcon::Unrecognised;
            // The box may not have painted itself yet.
            WaitUntil([&] { return (icon = RecogniseIcon(child)) != BoxIcon::Unrecognised; });
            return icon;
        }
    }
    return BoxIcon::None;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, BoxIcon icon) {
    switch (icon) {
        case BoxIcon::None:
            return out << "no icon";
        case BoxIcon::Error:
            return out << "error icon";
        case BoxIcon::Question:
            return out << "question icon";
        case BoxIcon::Warning:
            return out << "warning icon";
        case BoxIcon::Information:
            return out << "information icon";
        case BoxIcon::Unrecognised:
            break;
    }
    return out << "unrecognised icon";
}

MessageBoxSeen ReadMessageBox(HWND box) {
    MessageBoxSeen seen;
    seen.handle = box;
    seen.title = WindowText(box);
    std::vector<HWND> buttons;
    for (HWND child : ChildWindows(box)) {
        if (!IsWindowVisible(child)) {
            continue;
        }
        const std::wstring kind = ClassNameOf(child);
        if (kind == L"Button") {
            buttons.push_back(child);
        } else if (kind == L"Static" && !IsIconStatic(child) && seen.text.empty()) {
            seen.text = WindowText(child);
        }
    }
    std::sort(buttons.begin(), buttons.end(),
              [](HWND a, HWND b) { return RectInParent(a).left < RectInParent(b).left; });
    for (HWND button : buttons) {
        seen.buttons.push_back(WithoutAccessKeys(WindowText(button)));
    }
    seen.icon = IconShownBy(box);
    return seen;
}

}  // namespace tarvane::testing
