#include "tools/artgen/palette.hpp"
#include "tools/artgen/pieces.hpp"
#include "tools/artgen/shapes.hpp"

namespace art {

Canvas DrawSkin() {
    Canvas skin(800, 540, kPanel);
    skin.FillRect(585, 273, 645, 330, kWhite);
    return skin;
}

}  // namespace art
