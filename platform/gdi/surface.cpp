#include "platform/gdi/surface.hpp"

#include <algorithm>

Surface::Surface(int width, int height, std::uint32_t fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
    if (width_ == 0 || height_ == 0) {
        width_ = 0;
        height_ = 0;
        return;
    }
    pixels_ = std::make_shared<std::vector<std::uint32_t>>(
        static_cast<std::size_t>(width_) * height_, fill);
}

void Surface::takePrivateCopy() {
    pixels_ = pixels_ == nullptr ? std::make_shared<std::vector<std::uint32_t>>()
                                 : std::make_shared<std::vector<std::uint32_t>>(*pixels_);
}

const std::vector<std::uint32_t>& Surface::pixels() const {
    static const std::vector<std::uint32_t> none;
    return pixels_ != nullptr ? *pixels_ : none;
}
