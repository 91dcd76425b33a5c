// Effect buttons (bitmaps 131 to 195): a tile with the effect's pictogram, in three looks.
#include "tools/artgen/kit.hpp"
#include "tools/artgen/layout.hpp"
#include "tools/artgen/palette.hpp"
#include "tools/artgen/pen.hpp"
#include "tools/artgen/pieces.hpp"

namespace art {

Canvas DrawEffectIcon(int effect, Look look, int width, int scale) {
    const int column = (effect - 1) % 8;
    Canvas c = Crop(MainSkin(scale), kEffectColumnX + 63 * column, kEffectRowY[(effect - 1) / 8],
                    width, 59);
    const double w = width;
    const auto tile = [w](double x, double y) { return SdRoundRect(x, y, 1, 1, w - 1, 58, 9); };
    switch (look) {
        case Look::Selected:
            Fill(c, tile, Vertical(1, 58, {12, 70, 120}, {6, 34, 66}));
            Fill(c, tile, Radial(w / 2, 29, 30, {0, 120, 200}, {0, 40, 90}), 0.35);
            // A light band inside the frame, then the bright frame itself.
            Stroke(
                c,
                [w](double x, double y) { return SdRoundRect(x, y, 2.5, 2.5, w - 2.5, 56.5, 7.5); },
                3, kAccent, 0.25);
            Stroke(c, tile, 2, {60, 214, 255});
            break;
        case Look::Unselected:
            PaintFace(c, tile, 1, 58, {{26, 48, 74}, {15, 30, 50}, 1, {52, 86, 120}});
            break;
        case Look::Greyed:
            PaintFace(c, tile, 1, 58, {{32, 36, 42}, {22, 25, 30}, 1, {56, 60, 68}});
            break;
    }
    // Sheen on the upper part of the tile.
    Fill(
        c, [w](double x, double y) { return SdRoundRect(x, y, 3, 3, w - 3, 24, 7); },
        Vertical(3, 24, {255, 255, 255}, {255, 255, 255}), look == Look::Selected ? 0.06 : 0.035);
    Pen pen(c, look, w / 2, 29.5);
    DrawPictogram(effect, pen);
    return c;
}

}  // namespace art
