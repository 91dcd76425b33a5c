#include "tools/artgen/palette.hpp"
#include "tools/artgen/pieces.hpp"
#include "tools/artgen/shapes.hpp"

namespace art {

Canvas DrawColorTrack(Rgb color) {
    Canvas c(132, 12, kPanel);
    Fill(
        c, [](double x, double y) { return SdRoundRect(x, y, 1, 4.5, 131, 7.5, 1.5); }, color);
    return c;
}

Canvas DrawColorThumb(Rgb color) {
    Canvas c(3, 12, kThumbKey);
    c.FillRect(0, 1, 3, 11, color);
    return c;
}

Canvas DrawQuantityTrack(bool filled) {
    Canvas c(243, 16, kPanel);
    Fill(
        c, [](double x, double y) { return SdRoundRect(x, y, 1, 5, 242, 11, 3); },
        filled ? kAccent : kPlate);
    return c;
}

Canvas DrawQuantityThumb() {
    Canvas c(9, 16, kAccent);
    c.Set(0, 0, kQuantityThumbKey);
    return c;
}

}  // namespace art
