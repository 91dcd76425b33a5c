// The program's icon (128): a lit ring around a V on a dark rounded square; magenta is the
// transparent colour around it.
#include <cmath>
#include <numbers>

#include "tools/artgen/kit.hpp"
#include "tools/artgen/palette.hpp"
#include "tools/artgen/pieces.hpp"

namespace art {

Canvas DrawAppIcon() {
    // Drawn over the tile's own dark colour so that edge pixels blend into it, never into the
    // transparent magenta.
    Canvas c(32, 32, Rgb{10, 24, 44});
    const auto tile = [](double x, double y) { return SdRoundRect(x, y, 0.5, 0.5, 31.5, 31.5, 7); };
    Fill(c, tile, Vertical(0, 32, {22, 52, 92}, {8, 20, 38}));
    const auto ring = [](double x, double y) { return SdRing(x, y, 16, 16, 10.5, 2); };
    Glow(c, ring, 3, {0, 170, 255}, 0.5);
    Fill(c, ring, [](double x, double y) {
        return HueColor(std::atan2(y - 16, x - 16) * 180 / std::numbers::pi + 180);
    });
    Fill(
        c,
        [](double x, double y) {
            return std::min(SdSegment(x, y, {11, 11.5}, {16, 21}, 1.6),
                            SdSegment(x, y, {21, 11.5}, {16, 21}, 1.6));
        },
        Rgb{230, 248, 255});
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (tile(x + 0.5, y + 0.5) > 0.3) c.Set(x, y, Rgb{255, 0, 255});
    return c;
}

}  // namespace art
