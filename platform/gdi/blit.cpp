// Block transfers, fills and single pixels.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <span>
#include <utility>
#include <vector>

#include "platform/gdi/draw_target.hpp"

namespace {

// How source pixels change on their way to the destination.
struct Conversion {
    enum Kind { None, MonoToColor, ColorToMono } kind = None;
    std::uint32_t one = 0;   // mono to colour: what a white (1) source pixel becomes
    std::uint32_t zero = 0;  // mono to colour: what a black (0) source pixel becomes
    std::uint32_t key = 0;   // colour to mono: the source pixel that becomes white

    std::uint32_t operator()(std::uint32_t p) const {
        switch (kind) {
            case MonoToColor:
                return p != 0 ? one : zero;
            case ColorToMono:
                return p == key ? 0xFFFFFFu : 0u;
            case None:
                break;
        }
        return p;
    }
};

// A monochrome source meets a colour destination: 1 bits take the destination's background
// colour and 0 bits its text colour. A colour source meets a monochrome destination: pixels of
// the source context's background colour become 1 (white), all others 0.
Conversion ConversionFor(HDC dst, const gdi::DrawTarget& d, HDC src, const gdi::DrawTarget& s) {
    Conversion c;
    if (s.monochrome && !d.monochrome) {
        c.kind = Conversion::MonoToColor;
        c.one = PixelFromColorref(dst->bkColor);
        c.zero = PixelFromColorref(dst->textColor);
    } else if (!s.monochrome && d.monochrome) {
        c.kind = Conversion::ColorToMono;
        c.key = PixelFromColorref(src->bkColor);
    }
    return c;
}

bool KnownRop(DWORD rop) {
    return rop == SRCCOPY || rop == SRCAND || rop == SRCPAINT;
}

std::uint32_t Apply(DWORD rop, std::uint32_t dst, std::uint32_t src) {
    switch (rop) {
        case SRCAND:
            return dst & src;
        case SRCPAINT:
            return dst | src;
        default:
            return src;
    }
}

// Writes a row of source pixels (already converted) onto the destination run.
void WriteRun(std::uint32_t* out, const std::uint32_t* in, int n, DWORD rop) {
    if (rop == SRCCOPY) {
        std::memmove(out, in, static_cast<std::size_t>(n) * sizeof(std::uint32_t));
        return;
    }
    for (int i = 0; i < n; ++i) out[i] = Apply(rop, out[i], in[i]) & 0x00FFFFFFu;
}

// Weights of the source samples that make each destination sample, kept in one flat list.
struct Tap {
    int index;
    float weight;
};
struct Taps {
    std::vector<std::size_t> first{0};  // taps of sample i: [first[i], first[i + 1])
    std::vector<Tap> list;
    int lowest = 0;  // the range of source indices used
    int highest = 0;

    void add(int index, float weight) {
        if (list.empty()) {
            lowest = index;
            highest = index;
        }
        lowest = std::min(lowest, index);
        highest = std::max(highest, index);
        list.push_back({index, weight});
    }
    void next() { first.push_back(list.size()); }
    std::span<const Tap> of(int i) const {
        const auto k = static_cast<std::size_t>(i);
        return {list.data() + first[k], list.data() + first[k + 1]};
    }
};

// One direction of a stretch: dstLen destination samples over srcLen source samples from
// srcStart (srcLimit samples exist), of which only [from, to) are computed.
struct Axis {
    int dstLen;
    int srcStart;
    int srcLen;
    int srcLimit;
    int from;
    int to;
};

// Averages the covered source pixels when shrinking, interpolates linearly when enlarging;
// source indices are clamped to the source's own pixels. Taps are numbered from axis.from.
Taps HalftoneTaps(const Axis& axis) {
    Taps taps;
    const int dstLen = axis.dstLen;
    const int srcLen = axis.srcLen;
    const double scale = static_cast<double>(srcLen) / dstLen;
    auto clampIndex = [&](int i) { return std::clamp(axis.srcStart + i, 0, axis.srcLimit - 1); };
    for (int i = axis.from; i < axis.to; ++i) {
        if (srcLen > dstLen) {
            const double a = i * scale;
            const double b = (i + 1) * scale;
            for (int k = static_cast<int>(std::floor(a)); k < static_cast<int>(std::ceil(b)); ++k) {
                const double cover = std::min<double>(b, k + 1) - std::max<double>(a, k);
                if (cover > 0) taps.add(clampIndex(k), static_cast<float>(cover / scale));
            }
        } else {
            const double c = (i + 0.5) * scale - 0.5;
            const int k = static_cast<int>(std::floor(c));
            const float f = static_cast<float>(c - k);
            taps.add(clampIndex(std::max(k, 0)), 1.0f - f);
            taps.add(clampIndex(std::min(k + 1, srcLen - 1)), f);
        }
        taps.next();
    }
    return taps;
}

// Picks the source pixel under each destination pixel's centre.
Taps NearestTaps(const Axis& axis) {
    Taps taps;
    for (int i = axis.from; i < axis.to; ++i) {
        const auto k = static_cast<int>((static_cast<std::int64_t>(2 * i + 1) * axis.srcLen) /
                                        (2 * static_cast<std::int64_t>(axis.dstLen)));
        taps.add(std::clamp(axis.srcStart + k, 0, axis.srcLimit - 1), 1.0f);
        taps.next();
    }
    return taps;
}

std::uint8_t Channel(float v) {
    return static_cast<std::uint8_t>(std::clamp(v + 0.5f, 0.0f, 255.0f));
}

// Resamples the computed part of a stretch into a block of (x.to - x.from) x (y.to - y.from)
// pixels, converting source pixels first.
std::vector<std::uint32_t> Resample(const Surface& src, const Axis& x, const Axis& y, bool halftone,
                                    const Conversion& convert) {
    const Taps xs = halftone ? HalftoneTaps(x) : NearestTaps(x);
    const Taps ys = halftone ? HalftoneTaps(y) : NearestTaps(y);
    const int w = x.to - x.from;
    const int h = y.to - y.from;
    std::vector<std::uint32_t> out(static_cast<std::size_t>(w) * h);
    if (!halftone) {
        for (int j = 0; j < h; ++j) {
            const std::uint32_t* row = src.row(ys.of(j)[0].index);
            for (int i = 0; i < w; ++i) {
                out[static_cast<std::size_t>(j) * w + i] = convert(row[xs.of(i)[0].index]);
            }
        }
        return out;
    }
    // Each source row the vertical taps use is converted once into channel values, then
    // filtered horizontally; the vertical pass combines those rows.
    const int cols = xs.highest - xs.lowest + 1;
    const int rows = ys.highest - ys.lowest + 1;
    std::vector<float> line(static_cast<std::size_t>(cols) * 3);
    std::vector<float> mid(static_cast<std::size_t>(rows) * w * 3);
    for (int r = 0; r < rows; ++r) {
        const std::uint32_t* row = src.row(ys.lowest + r) + xs.lowest;
        for (int c = 0; c < cols; ++c) {
            const std::uint32_t p = convert(row[c]);
            line[static_cast<std::size_t>(c) * 3] = static_cast<float>((p >> 16) & 0xFF);
            line[static_cast<std::size_t>(c) * 3 + 1] = static_cast<float>((p >> 8) & 0xFF);
            line[static_cast<std::size_t>(c) * 3 + 2] = static_cast<float>(p & 0xFF);
        }
        float* m = &mid[static_cast<std::size_t>(r) * w * 3];
        for (int i = 0; i < w; ++i, m += 3) {
            float acc[3] = {0, 0, 0};
            for (const Tap& tap : xs.of(i)) {
                const float* v = &line[static_cast<std::size_t>(tap.index - xs.lowest) * 3];
                acc[0] += tap.weight * v[0];
                acc[1] += tap.weight * v[1];
                acc[2] += tap.weight * v[2];
            }
            m[0] = acc[0];
            m[1] = acc[1];
            m[2] = acc[2];
        }
    }
    std::vector<float> acc(static_cast<std::size_t>(w) * 3);
    for (int j = 0; j < h; ++j) {
        std::fill(acc.begin(), acc.end(), 0.0f);
        for (const Tap& tap : ys.of(j)) {
            const float* m = &mid[static_cast<std::size_t>(tap.index - ys.lowest) * w * 3];
            for (std::size_t k = 0; k < acc.size(); ++k) acc[k] += tap.weight * m[k];
        }
        std::uint32_t* o = &out[static_cast<std::size_t>(j) * w];
        for (int i = 0; i < w; ++i) {
            const float* a = &acc[static_cast<std::size_t>(i) * 3];
            o[i] = (static_cast<std::uint32_t>(Channel(a[0])) << 16) |
                   (static_cast<std::uint32_t>(Channel(a[1])) << 8) | Channel(a[2]);
        }
    }
    return out;
}

// The rendition's part of a transfer to the surface rectangle r (destination pixels; offX, offY
// from there to the source's): from the source's rendition at the same scale, pixel for pixel,
// else each source pixel enlarged to a block.
void BlitFine(Surface& fine, const gdi::DrawTarget& d, const gdi::DrawTarget& s, const RECT& r,
              int offX, int offY, const Conversion& convert, DWORD rop) {
    const int k = d.scale();
    const Surface* from = s.scale() == k ? s.fineForReading() : nullptr;
    const RECT area{r.left * k, r.top * k, r.right * k, r.bottom * k};
    // A transfer within one surface reads from a copy, as the surface's own pass does.
    Surface copy;
    int fromX = offX * k;
    int fromY = offY * k;
    if (from == &fine) {
        const RECT source{std::max<LONG>(area.left + fromX, 0), std::max<LONG>(area.top + fromY, 0),
                          std::min<LONG>(area.right + fromX, fine.width()),
                          std::min<LONG>(area.bottom + fromY, fine.height())};
        if (source.left >= source.right || source.top >= source.bottom) return;
        copy = Surface(source.right - source.left, source.bottom - source.top);
        for (int row = source.top; row < source.bottom; ++row) {
            std::memcpy(copy.row(row - source.top), fine.row(row) + source.left,
                        static_cast<std::size_t>(copy.width()) * sizeof(std::uint32_t));
        }
        from = &copy;
        fromX -= source.left;
        fromY -= source.top;
    }
    const bool plain = convert.kind == Conversion::None;
    std::vector<std::uint32_t> run;
    // Without a rendition to copy: the whole blocks of the area on the rendition.
    const RECT columns{std::max<LONG>(area.left, 0), 0, std::min<LONG>(area.right, fine.width()),
                       0};
    std::vector<std::uint32_t> enlarged(
        from == nullptr ? static_cast<std::size_t>(std::max<LONG>(columns.right - columns.left, 0))
                        : 0);
    int enlargedRow = -1;
    d.forEachFineSpan(area, [&](int row, int x0, int x1) {
        std::uint32_t* out = fine.row(row) + x0;
        if (from != nullptr) {
            const std::uint32_t* in = from->row(row + fromY) + x0 + fromX;
            if (!plain) {
                run.resize(static_cast<std::size_t>(x1 - x0));
                for (int i = 0; i < x1 - x0; ++i) run[static_cast<std::size_t>(i)] = convert(in[i]);
                in = run.data();
            }
            WriteRun(out, in, x1 - x0, rop);
            return;
        }
        // The source row enlarged once for the k rows of its blocks.
        if (row / k != enlargedRow) {
            enlargedRow = row / k;
            const std::uint32_t* in = std::as_const(*s.surface).row(enlargedRow + offY) + offX;
            std::uint32_t* o = enlarged.data();
            for (int x = columns.left / k; x < columns.right / k; ++x) {
                o = std::fill_n(o, k, convert(in[x]));
            }
        }
        WriteRun(out, enlarged.data() + (x0 - columns.left), x1 - x0, rop);
    });
}

}  // namespace

BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, DWORD rop) {
    const gdi::DrawTarget d = gdi::TargetOf(dst);
    const gdi::DrawTarget s = gdi::TargetOf(src);
    if (!KnownRop(rop) || !d.valid() || !s.valid()) return FALSE;
    if (width <= 0 || height <= 0) return TRUE;

    // Surface coordinates; the offset maps a destination pixel to its source pixel.
    RECT r{x + d.dx, y + d.dy, x + d.dx + width, y + d.dy + height};
    const int offX = (sx + s.dx) - r.left;
    const int offY = (sy + s.dy) - r.top;
    // Only pixels that exist in the source are transferred.
    r.left = std::max<LONG>(r.left, -offX);
    r.top = std::max<LONG>(r.top, -offY);
    r.right = std::min<LONG>(r.right, s.surface->width() - offX);
    r.bottom = std::min<LONG>(r.bottom, s.surface->height() - offY);
    if (r.left >= r.right || r.top >= r.bottom) return TRUE;

    const Conversion convert = ConversionFor(dst, d, src, s);
    // A transfer within one surface reads from a copy, so overlapping areas stay intact.
    Surface copy;
    const Surface* from = s.surface;
    int fromX = offX;
    int fromY = offY;
    if (s.surface == d.surface) {
        copy = Surface(r.right - r.left, r.bottom - r.top);
        for (int row = r.top; row < r.bottom; ++row) {
            std::memcpy(copy.row(row - r.top), s.surface->row(row + offY) + r.left + offX,
                        static_cast<std::size_t>(copy.width()) * sizeof(std::uint32_t));
        }
        from = &copy;
        fromX = -r.left;
        fromY = -r.top;
    }

    std::vector<std::uint32_t> converted;
    d.forEachSpan(r, [&](int row, int x0, int x1) {
        const std::uint32_t* in = from->row(row + fromY) + x0 + fromX;
        std::uint32_t* out = d.surface->row(row) + x0;
        if (convert.kind != Conversion::None) {
            converted.resize(static_cast<std::size_t>(x1 - x0));
            for (int i = 0; i < x1 - x0; ++i)
                converted[static_cast<std::size_t>(i)] = convert(in[i]);
            in = converted.data();
        }
        WriteRun(out, in, x1 - x0, rop);
    });
    if (Surface* fine = d.fineForWriting()) {
        BlitFine(*fine, d, s, r, offX, offY, convert, rop);
    }
    return TRUE;
}

BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int sx, int sy, int sw,
                int sh, DWORD rop) {
    if (width == sw && height == sh) return BitBlt(dst, x, y, width, height, src, sx, sy, rop);
    const gdi::DrawTarget d = gdi::TargetOf(dst);
    const gdi::DrawTarget s = gdi::TargetOf(src);
    if (!KnownRop(rop) || !d.valid() || !s.valid()) return FALSE;
    if (width <= 0 || height <= 0 || sw <= 0 || sh <= 0) return FALSE;  // mirroring is not provided

    // Only the part of the destination on the surface is computed.
    const RECT r{x + d.dx, y + d.dy, x + d.dx + width, y + d.dy + height};
    const RECT visible{std::max<LONG>(r.left, 0), std::max<LONG>(r.top, 0),
                       std::min<LONG>(r.right, d.surface->width()),
                       std::min<LONG>(r.bottom, d.surface->height())};
    if (visible.left >= visible.right || visible.top >= visible.bottom) return TRUE;
    const Axis xAxis{
        width, sx + s.dx, sw, s.surface->width(), visible.left - r.left, visible.right - r.left};
    const Axis yAxis{
        height, sy + s.dy, sh, s.surface->height(), visible.top - r.top, visible.bottom - r.top};

    const bool halftone = dst->stretchMode == HALFTONE;
    const Conversion toColor =
        s.monochrome && !d.monochrome ? ConversionFor(dst, d, src, s) : Conversion{};
    std::vector<std::uint32_t> block = Resample(*s.surface, xAxis, yAxis, halftone, toColor);
    if (!s.monochrome && d.monochrome) {
        const Conversion toMono = ConversionFor(dst, d, src, s);
        for (std::uint32_t& p : block) p = toMono(p);
    }
    const int blockWidth = visible.right - visible.left;
    d.forEachSpan(visible, [&](int row, int x0, int x1) {
        const std::uint32_t* in =
            &block[static_cast<std::size_t>(row - visible.top) * blockWidth + (x0 - visible.left)];
        WriteRun(d.surface->row(row) + x0, in, x1 - x0, rop);
    });
    // The rendition: the same stretch at the device's resolution, from the source's rendition at
    // the same scale or else from its pixels.
    if (Surface* fine = d.fineForWriting()) {
        const int k = d.scale();
        const Surface* fineSource = s.scale() == k ? s.fineForReading() : nullptr;
        const Surface& from = fineSource != nullptr ? *fineSource : *s.surface;
        const int ks = fineSource != nullptr ? k : 1;
        const RECT area{visible.left * k, visible.top * k, visible.right * k, visible.bottom * k};
        const Axis xFine{width * k,
                         (sx + s.dx) * ks,
                         sw * ks,
                         from.width(),
                         (visible.left - r.left) * k,
                         (visible.right - r.left) * k};
        const Axis yFine{height * k,    (sy + s.dy) * ks,          sh * ks,
                         from.height(), (visible.top - r.top) * k, (visible.bottom - r.top) * k};
        std::vector<std::uint32_t> fineBlock = Resample(from, xFine, yFine, halftone, toColor);
        if (!s.monochrome && d.monochrome) {
            const Conversion toMono = ConversionFor(dst, d, src, s);
            for (std::uint32_t& p : fineBlock) p = toMono(p);
        }
        const int fineWidth = area.right - area.left;
        d.forEachFineSpan(area, [&](int row, int x0, int x1) {
            const std::uint32_t* in =
                &fineBlock[static_cast<std::size_t>(row - area.top) * fineWidth + (x0 - area.left)];
            WriteRun(fine->row(row) + x0, in, x1 - x0, rop);
        });
    }
    return TRUE;
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    const gdi::DrawTarget t = gdi::TargetOf(dc);
    if (!t.valid() || rect == nullptr || brush == nullptr) return 0;
    const std::uint32_t p = gdi::StoredPixel(t, brush->color);
    t.fill(RECT{rect->left + t.dx, rect->top + t.dy, rect->right + t.dx, rect->bottom + t.dy}, p);
    return 1;
}

COLORREF GetPixel(HDC dc, int x, int y) {
    const gdi::DrawTarget t = gdi::TargetOf(dc);
    if (!t.valid() || !t.admits(x + t.dx, y + t.dy)) return CLR_INVALID;
    return ColorrefFromPixel(t.surface->at(x + t.dx, y + t.dy));
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
    const gdi::DrawTarget t = gdi::TargetOf(dc);
    if (!t.valid() || !t.admits(x + t.dx, y + t.dy)) return CLR_INVALID;
    const std::uint32_t p = gdi::StoredPixel(t, color);
    t.fill(RECT{x + t.dx, y + t.dy, x + t.dx + 1, y + t.dy + 1}, p);
    return ColorrefFromPixel(p);
}
