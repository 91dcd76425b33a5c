// Icons: a picture and the pixels of it that are drawn (the rest is transparent).
#pragma once

#include <vector>

#include "platform/gdi/gdi.hpp"

struct IconObject {
    Surface image;
    std::vector<bool> opaque;  // row by row, one entry per pixel of image
};

// The colour that marks transparent pixels in the icon files (magenta).
inline constexpr std::uint32_t kIconTransparentPixel = 0xFF00FF;
