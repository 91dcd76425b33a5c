// A window region as the rectangles that shape a desktop window.
#pragma once

#include <vector>

#include "platform/backend/sdl/shape_rect.hpp"
#include "platform/gdi/region.hpp"

namespace platform::sdl {

// The shape's pixels inside a width x height window as rectangles in bands: rows with the same
// spans are merged into one band, bands run top to bottom and the rectangles of a band left to
// right (the X SHAPE extension's YX-banded order).
std::vector<ShapeRect> ShapeBands(const Region& shape, int width, int height);

}  // namespace platform::sdl
