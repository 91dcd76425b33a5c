#include "tools/artgen/palette.hpp"
#include "tools/artgen/pieces.hpp"
#include "tools/artgen/shapes.hpp"

namespace art {

Canvas DrawAppIcon() {
    Canvas c(32, 32, Rgb{255, 0, 255});
    Fill(
        c, [](double x, double y) { return SdCircle(x, y, 16, 16, 14); }, kAccent);
    return c;
}

}  // namespace art
