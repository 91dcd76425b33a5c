// Where a device context's output lands: its surface, the shift from logical to surface
// coordinates, and the clip. Every drawing call goes through here.
#pragma once

#include <algorithm>
#include <utility>

#include "platform/gdi/gdi.hpp"

namespace gdi {

struct DrawTarget {
    Surface* surface = nullptr;
    int dx = 0;  // surface x = logical x + dx
    int dy = 0;
    const Region* clip = nullptr;  // surface coordinates; null = the whole surface
    bool monochrome = false;
    Damage* damage = nullptr;  // window DCs: notes the rectangle each drawing call touched

    bool valid() const { return surface != nullptr && !surface->empty(); }
    bool admits(int sx, int sy) const {
        return surface->contains(sx, sy) && (clip == nullptr || clip->contains(sx, sy));
    }

    // Calls fn(y, x0, x1) for every run of the surface rectangle r that output may touch, and
    // notes the runs' bounding rectangle as damage.
    template <typename Fn>
    void forEachSpan(RECT r, Fn fn) const {
        r.left = std::max(r.left, 0);
        r.top = std::max(r.top, 0);
        r.right = std::min(r.right, surface->width());
        r.bottom = std::min(r.bottom, surface->height());
        if (r.left >= r.right || r.top >= r.bottom) return;
        if (clip == nullptr) {
            for (int y = r.top; y < r.bottom; ++y) {
                fn(y, static_cast<int>(r.left), static_cast<int>(r.right));
            }
            noteDrawn(r);
            return;
        }
        RECT drawn{r.right, r.bottom, r.left, r.top};  // grows around the runs drawn
        for (int y = r.top; y < r.bottom; ++y) {
            for (const Region::Span& s : clip->row(y)) {
                const int x0 = std::max(s.x0, static_cast<int>(r.left));
                const int x1 = std::min(s.x1, static_cast<int>(r.right));
                if (x0 >= x1) continue;
                fn(y, x0, x1);
                drawn = RECT{std::min<LONG>(drawn.left, x0), std::min<LONG>(drawn.top, y),
                             std::max<LONG>(drawn.right, x1), std::max<LONG>(drawn.bottom, y + 1)};
            }
        }
        noteDrawn(drawn);
    }

    void noteDrawn(const RECT& r) const {
        if (damage != nullptr) damage->Add(r);
    }

    // The surface's rendition at its device scale (surface.hpp): null at scale 1. The drawing
    // calls that write the surface's pixels write the rendition's too.
    int scale() const { return surface->scale(); }
    Surface* fineForWriting() const { return surface->fine(); }
    const Surface* fineForReading() const { return std::as_const(*surface).fine(); }

    // Calls fn(fy, fx0, fx1) for every run of the rendition's rectangle r (its own pixels) that
    // the clip (at the rendition's scale) admits. Notes no damage: the surface's own pass does, or
    // the caller.
    template <typename Fn>
    void forEachFineSpan(RECT r, Fn fn) const {
        const Surface* fine = fineForReading();
        if (fine == nullptr) return;
        const int s = scale();
        r.left = std::max(r.left, 0);
        r.top = std::max(r.top, 0);
        r.right = std::min(r.right, fine->width());
        r.bottom = std::min(r.bottom, fine->height());
        for (int y = r.top; y < r.bottom; ++y) {
            if (clip == nullptr) {
                fn(y, static_cast<int>(r.left), static_cast<int>(r.right));
                continue;
            }
            for (const Region::Span& span : clip->row(y / s)) {
                const int x0 = std::max(span.x0 * s, static_cast<int>(r.left));
                const int x1 = std::min(span.x1 * s, static_cast<int>(r.right));
                if (x0 < x1) fn(y, x0, x1);
            }
        }
    }

    // Fills the surface rectangle r (its own pixels) with p, on the surface and its rendition.
    void fill(const RECT& r, std::uint32_t p) const {
        forEachSpan(r, [&](int row, int x0, int x1) {
            std::fill(surface->row(row) + x0, surface->row(row) + x1, p);
        });
        if (Surface* fine = fineForWriting()) {
            const int s = scale();
            forEachFineSpan(RECT{r.left * s, r.top * s, r.right * s, r.bottom * s},
                            [&](int row, int x0, int x1) {
                                std::fill(fine->row(row) + x0, fine->row(row) + x1, p);
                            });
        }
    }
};

DrawTarget TargetOf(HDC dc);

// A colour as stored on the target: monochrome targets keep only black or white.
std::uint32_t StoredPixel(const DrawTarget& t, COLORREF color);

}  // namespace gdi
