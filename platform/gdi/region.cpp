#include "platform/gdi/region.hpp"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

using Span = Region::Span;

// Appends a span, merging it with the previous one when they touch on the same row.
void AppendSpan(std::vector<Span>& out, int y, int x0, int x1) {
    if (x1 <= x0) {
        return;
    }
    if (!out.empty() && out.back().y == y && out.back().x1 >= x0) {
        out.back().x1 = std::max(out.back().x1, x1);
        return;
    }
    out.push_back({y, x0, x1});
}

// Combines two regions row by row; keep(inA, inB) decides which pixels stay.
template <typename Keep>
std::vector<Span> Combine(const std::vector<Span>& a, const std::vector<Span>& b, Keep keep) {
    std::vector<Span> out;
    out.reserve(a.size() + b.size());
    std::vector<int> edges;
    std::size_t ia = 0;
    std::size_t ib = 0;
    while (ia < a.size() || ib < b.size()) {
        int y = std::numeric_limits<int>::max();
        if (ia < a.size()) y = a[ia].y;
        if (ib < b.size()) y = std::min(y, b[ib].y);
        const std::size_t a0 = ia;
        const std::size_t b0 = ib;
        while (ia < a.size() && a[ia].y == y) ++ia;
        while (ib < b.size() && b[ib].y == y) ++ib;

        edges.clear();
        for (std::size_t i = a0; i < ia; ++i) {
            edges.push_back(a[i].x0);
            edges.push_back(a[i].x1);
        }
        for (std::size_t i = b0; i < ib; ++i) {
            edges.push_back(b[i].x0);
            edges.push_back(b[i].x1);
        }
        std::sort(edges.begin(), edges.end());
        edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

        // Walk the elementary intervals between consecutive edges; both rows are sorted and
        // non-overlapping, so a cursor into each tells whether an interval lies inside it.
        std::size_t ca = a0;
        std::size_t cb = b0;
        for (std::size_t e = 0; e + 1 < edges.size(); ++e) {
            const int x0 = edges[e];
            const int x1 = edges[e + 1];
            while (ca < ia && a[ca].x1 <= x0) ++ca;
            while (cb < ib && b[cb].x1 <= x0) ++cb;
            const bool inA = ca < ia && a[ca].x0 <= x0;
            const bool inB = cb < ib && b[cb].x0 <= x0;
            if (keep(inA, inB)) {
                AppendSpan(out, y, x0, x1);
            }
        }
    }
    return out;
}

// The spans of the row at or after y, starting the search at index from.
std::size_t RowStart(const std::vector<Span>& spans, std::size_t from, int y) {
    return static_cast<std::size_t>(
        std::lower_bound(spans.begin() + static_cast<std::ptrdiff_t>(from), spans.end(), y,
                         [](const Span& s, int row) { return s.y < row; }) -
        spans.begin());
}

std::size_t RowEnd(const std::vector<Span>& spans, std::size_t from) {
    std::size_t end = from;
    while (end < spans.size() && spans[end].y == spans[from].y) ++end;
    return end;
}

// Intersection visits only the rows both regions have, jumping over the others.
std::vector<Span> Intersect(const std::vector<Span>& a, const std::vector<Span>& b) {
    std::vector<Span> out;
    std::size_t ia = 0;
    std::size_t ib = 0;
    while (ia < a.size() && ib < b.size()) {
        if (a[ia].y < b[ib].y) {
            ia = RowStart(a, ia, b[ib].y);
            continue;
        }
        if (b[ib].y < a[ia].y) {
            ib = RowStart(b, ib, a[ia].y);
            continue;
        }
        const std::size_t ea = RowEnd(a, ia);
        const std::size_t eb = RowEnd(b, ib);
        std::size_t i = ia;
        std::size_t j = ib;
        while (i < ea && j < eb) {
            AppendSpan(out, a[i].y, std::max(a[i].x0, b[j].x0), std::min(a[i].x1, b[j].x1));
            if (a[i].x1 < b[j].x1) {
                ++i;
            } else {
                ++j;
            }
        }
        ia = ea;
        ib = eb;
    }
    return out;
}

std::int64_t FloorDiv(std::int64_t n, std::int64_t d) {
    std::int64_t q = n / d;
    if ((n % d != 0) && ((n < 0) != (d < 0))) --q;
    return q;
}

std::int64_t CeilDiv(std::int64_t n, std::int64_t d) {
    return -FloorDiv(-n, d);
}

int Limit(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, -Region::kLimit, Region::kLimit));
}

}  // namespace

Region Region::FromRect(const RECT& r) {
    Region region;
    const int left = Limit(std::min(r.left, r.right));
    const int right = Limit(std::max(r.left, r.right));
    const int top = Limit(std::min(r.top, r.bottom));
    const int bottom = Limit(std::max(r.top, r.bottom));
    if (left == right || top == bottom) {
        return region;
    }
    region.spans_.reserve(static_cast<std::size_t>(bottom - top));
    for (int y = top; y < bottom; ++y) {
        region.spans_.push_back({y, left, right});
    }
    return region;
}

// The outline follows the platform's own construction: the right and bottom edges are one pixel
// inside the given rectangle, and each corner row is inset by a quarter of an ellipse traced
// with the integer midpoint method.
Region Region::FromRoundRect(const RECT& r, int ellipseWidth, int ellipseHeight) {
    const int left = Limit(std::min(r.left, r.right));
    const int right = Limit(std::max(r.left, r.right)) - 1;
    const int top = Limit(std::min(r.top, r.bottom));
    const int bottom = Limit(std::max(r.top, r.bottom)) - 1;
    ellipseWidth = static_cast<int>(std::min<std::int64_t>(right - left, std::llabs(ellipseWidth)));
    ellipseHeight =
        static_cast<int>(std::min<std::int64_t>(bottom - top, std::llabs(ellipseHeight)));
    if (ellipseWidth < 2 || ellipseHeight < 2) {
        return FromRect({left, top, right, bottom});
    }

    // Insets of the ellipse's lower half, rows ellipseHeight / 2 .. ellipseHeight - 1.
    std::vector<int> inset(static_cast<std::size_t>(ellipseHeight), 0);
    const std::int64_t a = ellipseWidth - 1;
    const std::int64_t b = ellipseHeight - 1;
    const std::int64_t b1 = b & 1;
    std::int64_t dx = 4 * (1 - a) * b * b;
    std::int64_t dy = 4 * (b1 + 1) * a * a;
    std::int64_t err = dx + dy + b1 * a * a;
    int x = 0;
    int y = ellipseHeight / 2;
    while (x <= ellipseWidth / 2) {
        const std::int64_t e2 = 2 * err;
        if (e2 >= dx) {
            ++x;
            err += dx += 8 * b * b;
        }
        if (e2 <= dy) {
            ++y;
            err += dy += 8 * a * a;
            if (y < ellipseHeight) inset[static_cast<std::size_t>(y)] = x;
        }
    }
    for (int i = 0; i < ellipseHeight / 2; ++i) {
        inset[static_cast<std::size_t>(i)] = inset[static_cast<std::size_t>(b - i)];
    }

    Region region;
    const int half = ellipseHeight / 2;
    for (int i = 0; i < half; ++i) {
        const int in = inset[static_cast<std::size_t>(i)];
        AppendSpan(region.spans_, top + i, left + in, right - in);
    }
    // The middle row of the ellipse stretches over the straight part of the sides.
    const int midInset = inset[static_cast<std::size_t>(half)];
    for (int row = top + half; row < bottom - ellipseHeight + half + 1; ++row) {
        AppendSpan(region.spans_, row, left + midInset, right - midInset);
    }
    for (int i = half + 1; i < ellipseHeight; ++i) {
        const int in = inset[static_cast<std::size_t>(i)];
        AppendSpan(region.spans_, bottom - ellipseHeight + i, left + in, right - in);
    }
    return region;
}

// Scan conversion with the platform's rule: a pixel (x, y) is sampled at its top-left corner; an
// edge covers rows ymin <= y < ymax; on each row the crossings are paired (alternate rule) and a
// pair [xa, xb) admits the pixels with ceil(xa) <= x < ceil(xb).
Region Region::FromPolygon(std::span<const POINT> points) {
    Region region;
    if (points.size() < 3) {
        return region;
    }
    struct Edge {
        std::int64_t x0, y0, x1, y1;  // y0 < y1
    };
    std::vector<Edge> edges;
    edges.reserve(points.size());
    int minY = std::numeric_limits<int>::max();
    int maxY = std::numeric_limits<int>::min();
    // Far-away vertices are pulled in so that the edge arithmetic cannot overflow.
    constexpr std::int64_t kFar = std::int64_t{1} << 24;
    auto pulled = [&](POINT p) {
        return POINT{static_cast<LONG>(std::clamp<std::int64_t>(p.x, -kFar, kFar)),
                     static_cast<LONG>(std::clamp<std::int64_t>(p.y, -kFar, kFar))};
    };
    for (std::size_t i = 0; i < points.size(); ++i) {
        const POINT p = pulled(points[i]);
        const POINT q = pulled(points[(i + 1) % points.size()]);
        if (p.y == q.y) continue;
        if (p.y < q.y) {
            edges.push_back({p.x, p.y, q.x, q.y});
        } else {
            edges.push_back({q.x, q.y, p.x, p.y});
        }
        minY = std::min({minY, p.y, q.y});
        maxY = std::max({maxY, p.y, q.y});
    }
    if (edges.empty()) {
        return region;
    }
    std::sort(edges.begin(), edges.end(), [](const Edge& l, const Edge& r) { return l.y0 < r.y0; });

    std::vector<const Edge*> active;
    std::vector<int> crossings;
    std::size_t next = 0;
    for (int y = Limit(minY); y < Limit(maxY); ++y) {
        while (next < edges.size() && edges[next].y0 <= y) {
            active.push_back(&edges[next]);
            ++next;
        }
        std::erase_if(active, [y](const Edge* e) { return e->y1 <= y; });
        crossings.clear();
        for (const Edge* e : active) {
            const std::int64_t dy = e->y1 - e->y0;
            const std::int64_t num = e->x0 * dy + (y - e->y0) * (e->x1 - e->x0);
            crossings.push_back(Limit(CeilDiv(num, dy)));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            AppendSpan(region.spans_, y, crossings[i], crossings[i + 1]);
        }
    }
    return region;
}

bool Region::contains(int x, int y) const {
    auto it = std::lower_bound(spans_.begin(), spans_.end(), y,
                               [](const Span& s, int row) { return s.y < row; });
    for (; it != spans_.end() && it->y == y; ++it) {
        if (x < it->x0) return false;
        if (x < it->x1) return true;
    }
    return false;
}

RECT Region::bounds() const {
    if (spans_.empty()) {
        return {};
    }
    RECT r{spans_.front().x0, spans_.front().y, spans_.front().x1, spans_.back().y + 1};
    for (const Span& s : spans_) {
        r.left = std::min(r.left, s.x0);
        r.right = std::max(r.right, s.x1);
    }
    return r;
}

Region Region::intersected(const Region& other) const {
    Region r;
    r.spans_ = Intersect(spans_, other.spans_);
    return r;
}

Region Region::united(const Region& other) const {
    Region r;
    r.spans_ = Combine(spans_, other.spans_, [](bool a, bool b) { return a || b; });
    return r;
}

Region Region::subtracted(const Region& other) const {
    Region r;
    r.spans_ = Combine(spans_, other.spans_, [](bool a, bool b) { return a && !b; });
    return r;
}

void Region::offset(int dx, int dy) {
    for (Span& s : spans_) {
        s.y += dy;
        s.x0 += dx;
        s.x1 += dx;
    }
}

std::span<const Region::Span> Region::row(int y) const {
    const auto first = std::lower_bound(spans_.begin(), spans_.end(), y,
                                        [](const Span& s, int r) { return s.y < r; });
    auto last = first;
    while (last != spans_.end() && last->y == y) ++last;
    return {first, last};
}
