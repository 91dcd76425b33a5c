// A rectangle of a window's shape, in window coordinates. (Kept apart from the window layer's
// Region, whose name Xlib also uses.)
#pragma once

namespace platform::sdl {

struct ShapeRect {
    int x;
    int y;
    int width;
    int height;
    friend bool operator==(const ShapeRect&, const ShapeRect&) = default;
};

}  // namespace platform::sdl
