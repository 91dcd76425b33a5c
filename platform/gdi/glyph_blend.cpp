// Blending a line of glyphs into a surface in a text colour.
#include <algorithm>

#include "platform/gdi/draw_target.hpp"
#include "platform/gdi/text.hpp"

namespace {

// x / 255 rounded to nearest, exact for 0 <= x <= 255 * 255.
constexpr std::uint32_t Div255(std::uint32_t x) {
    const std::uint32_t t = x + 128;
    return (t + (t >> 8)) >> 8;
}
static_assert(Div255(255 * 255) == 255 && Div255(127) == 0 && Div255(128) == 1);

}  // namespace

namespace gdi {
namespace {

// Blends one row of a glyph's coverage (cov[0] under column gx) over the columns [x0, x1).
void BlendRow(const DrawTarget& target, std::uint32_t* out, const std::uint8_t* cov, int gx, int x0,
              int x1, std::uint32_t color) {
    const std::uint32_t cr = (color >> 16) & 0xFF;
    const std::uint32_t cg = (color >> 8) & 0xFF;
    const std::uint32_t cb = color & 0xFF;
    for (int px = x0; px < x1; ++px) {
        const std::uint32_t a = cov[px - gx];
        if (a == 0) continue;
        if (target.monochrome) {
            if (a >= 128) out[px] = StoredPixel(target, ColorrefFromPixel(color));
            continue;
        }
        if (a == 255) {
            out[px] = color;
            continue;
        }
        const std::uint32_t d = out[px];
        const std::uint32_t r = Div255(cr * a + ((d >> 16) & 0xFF) * (255 - a));
        const std::uint32_t gg = Div255(cg * a + ((d >> 8) & 0xFF) * (255 - a));
        const std::uint32_t b = Div255(cb * a + (d & 0xFF) * (255 - a));
        out[px] = (r << 16) | (gg << 8) | b;
    }
}

int FloorDiv(int value, int divisor) {
    const int quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

}  // namespace

void DrawGlyphRun(const DrawTarget& target, const FontFace& face, const FontFace* fineFace, int x,
                  int y, std::wstring_view text, std::uint32_t color, const RECT& limit) {
    const int baseline = y + face.ascent();
    int pen = x;
    for (const wchar_t ch : text) {
        const Glyph& g = face.glyph(static_cast<char32_t>(ch));
        const int gx = pen + g.left;
        const int gy = baseline - g.top;
        pen += g.advance;
        if (g.width == 0 || g.height == 0) continue;
        const RECT box{std::max<LONG>(gx, limit.left), std::max<LONG>(gy, limit.top),
                       std::min<LONG>(gx + g.width, limit.right),
                       std::min<LONG>(gy + g.height, limit.bottom)};
        target.forEachSpan(box, [&](int row, int x0, int x1) {
            BlendRow(target, target.surface->row(row),
                     &g.coverage[static_cast<std::size_t>(row - gy) * g.width], gx, x0, x1, color);
        });
    }
    // The rendition: the finer face's glyphs, each at the place its character has in the line
    // above (scaled), so that the text keeps its layout.
    Surface* fine = target.fineForWriting();
    if (fine == nullptr || fineFace == nullptr) return;
    const int k = target.scale();
    const RECT fineLimit{limit.left * k, limit.top * k, limit.right * k, limit.bottom * k};
    pen = x;
    for (const wchar_t ch : text) {
        const Glyph& fg = fineFace->glyph(static_cast<char32_t>(ch));
        const int gx = pen * k + fg.left;
        const int gy = baseline * k - fg.top;
        pen += face.glyph(static_cast<char32_t>(ch)).advance;
        if (fg.width == 0 || fg.height == 0) continue;
        const RECT box{std::max<LONG>(gx, fineLimit.left), std::max<LONG>(gy, fineLimit.top),
                       std::min<LONG>(gx + fg.width, fineLimit.right),
                       std::min<LONG>(gy + fg.height, fineLimit.bottom)};
        if (box.left >= box.right || box.top >= box.bottom) continue;
        target.forEachFineSpan(box, [&](int row, int x0, int x1) {
            BlendRow(target, fine->row(row),
                     &fg.coverage[static_cast<std::size_t>(row - gy) * fg.width], gx, x0, x1,
                     color);
        });
        // A finer glyph may reach past the pixels its coarse one covers.
        target.noteDrawn(RECT{FloorDiv(box.left, k), FloorDiv(box.top, k),
                              FloorDiv(box.right + k - 1, k), FloorDiv(box.bottom + k - 1, k)});
    }
}

}  // namespace gdi
