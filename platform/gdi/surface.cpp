#include "platform/gdi/surface.hpp"

#include <algorithm>

Surface::Surface(int width, int height, std::uint32_t fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
    if (width_ == 0 || height_ == 0) {
        width_ = 0;
        height_ = 0;
        return;
    }
    pixels_ = std::make_shared<PixelVector>(static_cast<std::size_t>(width_) * height_, fill);
}

void Surface::takePrivateCopy() {
    pixels_ = pixels_ == nullptr ? std::make_shared<PixelVector>()
                                 : std::make_shared<PixelVector>(*pixels_);
}

const PixelVector& Surface::pixels() const {
    static const PixelVector none;
    return pixels_ != nullptr ? *pixels_ : none;
}
