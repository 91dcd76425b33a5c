#include "platform/gdi/surface.hpp"

#include <algorithm>

Surface::Surface(int width, int height, std::uint32_t fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
    if (width_ == 0 || height_ == 0) {
        width_ = 0;
        height_ = 0;
    }
    pixels_.assign(static_cast<std::size_t>(width_) * height_, fill);
}
