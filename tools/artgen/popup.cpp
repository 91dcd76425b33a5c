#include "tools/artgen/palette.hpp"
#include "tools/artgen/pieces.hpp"
#include "tools/artgen/shapes.hpp"

namespace art {

Canvas DrawPopupSkin(bool chinese) {
    Canvas c(340, 195, kWhite);
    Fill(
        c, [](double x, double y) { return SdRoundRect(x, y, 0, 0, 340, 195, 12); }, kPanel);
    if (chinese)
        c.FillRect(205, 62, 240, 86, Rgb{230, 238, 245});
    else
        c.FillRect(235, 62, 265, 86, Rgb{230, 238, 245});
    return c;
}

Canvas DrawPopupButton(bool ok, bool hot) {
    Canvas c(114, 32, kPanel);
    Fill(
        c, [](double x, double y) { return SdRoundRect(x, y, 1, 1, 113, 31, 8); },
        hot ? kAccent : (ok ? Rgb{0, 90, 150} : kPlate));
    return c;
}

}  // namespace art
