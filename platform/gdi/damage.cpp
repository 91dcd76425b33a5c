#include "platform/gdi/damage.hpp"

#include <algorithm>
#include <limits>

namespace {

long long Area(const RECT& r) {
    return static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
}

RECT Union(const RECT& a, const RECT& b) {
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

long long OverlapArea(const RECT& a, const RECT& b) {
    const long long w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const long long h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

// Pixels the union of a and b covers beyond the pixels of a and b themselves.
long long Waste(const RECT& a, const RECT& b) {
    return Area(Union(a, b)) - (Area(a) + Area(b) - OverlapArea(a, b));
}

bool Contains(const RECT& outer, const RECT& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

}  // namespace

void Damage::Add(const RECT& r) {
    if (r.left >= r.right || r.top >= r.bottom) return;
    RECT added = r;
    // Swallow every kept rectangle that the new one contains or that merges with it for free.
    for (bool merged = true; merged;) {
        merged = false;
        for (auto it = rects_.begin(); it != rects_.end(); ++it) {
            if (Contains(*it, added)) return;
            if (Contains(added, *it) || Waste(*it, added) <= 0) {
                added = Union(*it, added);
                rects_.erase(it);
                merged = true;
                break;
            }
        }
    }
    rects_.push_back(added);
    if (rects_.size() <= kMaxRects) return;
    std::size_t bestA = 0;
    std::size_t bestB = 1;
    long long best = std::numeric_limits<long long>::max();
    for (std::size_t a = 0; a < rects_.size(); ++a) {
        for (std::size_t b = a + 1; b < rects_.size(); ++b) {
            const long long waste = Waste(rects_[a], rects_[b]);
            if (waste < best) {
                best = waste;
                bestA = a;
                bestB = b;
            }
        }
    }
    rects_[bestA] = Union(rects_[bestA], rects_[bestB]);
    rects_.erase(rects_.begin() + static_cast<std::ptrdiff_t>(bestB));
}

std::vector<RECT> Damage::Take() {
    std::vector<RECT> taken;
    taken.swap(rects_);
    return taken;
}

long long PixelCount(const std::vector<RECT>& rects) {
    long long n = 0;
    for (const RECT& r : rects) n += Area(r);
    return n;
}
