#include "tools/artgen/palette.hpp"
#include "tools/artgen/pieces.hpp"
#include "tools/artgen/shapes.hpp"

namespace art {

Canvas DrawEffectIcon(int effect, Look look, int width) {
    const Rgb face = look == Look::Selected ? Rgb{30, 90, 140}
                     : look == Look::Greyed ? Rgb{50, 55, 60}
                                            : Rgb{20, 44, 66};
    Canvas icon(width, 59, kPanel);
    Fill(
        icon, [width](double x, double y) { return SdRoundRect(x, y, 1, 1, width - 1, 58, 8); },
        face);
    Fill(
        icon, [effect](double x, double y) { return SdCircle(x, y, 30, 29, 4 + effect % 8); },
        kText);
    return icon;
}

}  // namespace art
