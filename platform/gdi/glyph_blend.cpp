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

void DrawGlyphRun(const DrawTarget& target, const FontFace& face, int x, int y,
                  std::wstring_view text, std::uint32_t color, const RECT& limit) {
    const int baseline = y + face.ascent();
    const std::uint32_t cr = (color >> 16) & 0xFF;
    const std::uint32_t cg = (color >> 8) & 0xFF;
    const std::uint32_t cb = color & 0xFF;
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
            const std::uint8_t* cov = &g.coverage[static_cast<std::size_t>(row - gy) * g.width];
            std::uint32_t* out = target.surface->row(row);
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
        });
    }
}

}  // namespace gdi
