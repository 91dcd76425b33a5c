// Helpers of the drawing layer's tests: owned memory contexts over fresh bitmaps.
#pragma once

#include <string>

#include "platform/gdi/gdi.hpp"

// A memory context with its own bitmap selected; both are released at the end of the scope.
class MemoryCanvas {
  public:
    MemoryCanvas(int width, int height, COLORREF fill, bool monochrome = false)
        : dc_(CreateCompatibleDC(nullptr)),
          bitmap_(monochrome ? CreateBitmap(width, height, 1, 1, nullptr)
                             : CreateCompatibleBitmap(nullptr, width, height)) {
        previous_ = SelectObject(dc_, bitmap_);
        const RECT all{0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(fill);
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;
    ~MemoryCanvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    const Surface& surface() const { return bitmap_->surface; }
    COLORREF at(int x, int y) const { return ColorrefFromPixel(bitmap_->surface.at(x, y)); }

  private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_ = nullptr;
};

// The smallest rectangle holding every pixel that differs from `background`; empty when none.
inline RECT InkBounds(const Surface& s, std::uint32_t background) {
    RECT r{s.width(), s.height(), 0, 0};
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            if (s.at(x, y) == background) continue;
            r.left = std::min<LONG>(r.left, x);
            r.top = std::min<LONG>(r.top, y);
            r.right = std::max<LONG>(r.right, x + 1);
            r.bottom = std::max<LONG>(r.bottom, y + 1);
        }
    }
    if (r.right <= r.left) return {};
    return r;
}
