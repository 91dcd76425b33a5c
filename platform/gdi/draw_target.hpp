// Where a device context's output lands: its surface, the shift from logical to surface
// coordinates, and the clip. Every drawing call goes through here.
#pragma once

#include <algorithm>

#include "platform/gdi/gdi.hpp"

namespace gdi {

struct DrawTarget {
    Surface* surface = nullptr;
    int dx = 0;  // surface x = logical x + dx
    int dy = 0;
    const Region* clip = nullptr;  // surface coordinates; null = the whole surface
    bool monochrome = false;

    bool valid() const { return surface != nullptr && !surface->empty(); }
    bool admits(int sx, int sy) const {
        return surface->contains(sx, sy) && (clip == nullptr || clip->contains(sx, sy));
    }

    // Calls fn(y, x0, x1) for every run of the surface rectangle r that output may touch.
    template <typename Fn>
    void forEachSpan(RECT r, Fn fn) const {
        r.left = std::max(r.left, 0);
        r.top = std::max(r.top, 0);
        r.right = std::min(r.right, surface->width());
        r.bottom = std::min(r.bottom, surface->height());
        if (r.left >= r.right || r.top >= r.bottom) return;
        for (int y = r.top; y < r.bottom; ++y) {
            if (clip == nullptr) {
                fn(y, static_cast<int>(r.left), static_cast<int>(r.right));
                continue;
            }
            for (const Region::Span& s : clip->row(y)) {
                const int x0 = std::max(s.x0, static_cast<int>(r.left));
                const int x1 = std::min(s.x1, static_cast<int>(r.right));
                if (x0 < x1) fn(y, x0, x1);
            }
        }
    }
};

DrawTarget TargetOf(HDC dc);

// A colour as stored on the target: monochrome targets keep only black or white.
std::uint32_t StoredPixel(const DrawTarget& t, COLORREF color);

}  // namespace gdi
