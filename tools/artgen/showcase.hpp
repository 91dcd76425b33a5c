// The picture inside the main window's framed area: two lit fans, an LED strip and memory
// modules, the kinds of devices the controller lights.
#pragma once

#include "tools/artgen/canvas.hpp"
#include "tools/artgen/layout.hpp"

namespace art {

void DrawShowcase(Canvas& c, const Box& area);

}  // namespace art
