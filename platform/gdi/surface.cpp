#include "platform/gdi/surface.hpp"

#include <algorithm>
#include <cstring>
#include <utility>

Surface::Surface(int width, int height, std::uint32_t fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
    if (width_ == 0 || height_ == 0) {
        width_ = 0;
        height_ = 0;
        return;
    }
    const std::size_t count = static_cast<std::size_t>(width_) * height_;
    // Zeros are made in one sweep; a fill value given to the vector is written a pixel at a time.
    pixels_ = fill == 0 ? std::make_shared<PixelVector>(count)
                        : std::make_shared<PixelVector>(count, fill);
}

void Surface::takePrivateCopy() {
    pixels_ = pixels_ == nullptr ? std::make_shared<PixelVector>()
                                 : std::make_shared<PixelVector>(*pixels_);
}

const PixelVector& Surface::pixels() const {
    static const PixelVector none;
    return pixels_ != nullptr ? *pixels_ : none;
}

Surface* Surface::fine() {
    if (fine_ != nullptr && fine_.use_count() > 1) fine_ = std::make_shared<Surface>(*fine_);
    return fine_.get();
}

bool Surface::SetRendition(int scale, const Surface& fine) {
    if (scale <= 1 || empty() || fine.width() != width_ * scale ||
        fine.height() != height_ * scale) {
        return false;
    }
    scale_ = scale;
    fine_ = std::make_shared<Surface>(fine);
    return true;
}

void Surface::SetScale(int scale) {
    if (scale <= 1 || empty()) {
        scale_ = 1;
        fine_.reset();
        return;
    }
    scale_ = scale;
    fine_ = std::make_shared<Surface>(width_ * scale, height_ * scale);
    const std::size_t rowBytes = static_cast<std::size_t>(fine_->width()) * sizeof(std::uint32_t);
    for (int y = 0; y < height_; ++y) {
        const std::uint32_t* from = std::as_const(*this).row(y);
        std::uint32_t* first = fine_->row(y * scale);
        for (int x = 0; x < width_; ++x) std::fill_n(first + x * scale, scale, from[x]);
        for (int copy = 1; copy < scale; ++copy) {
            std::memcpy(fine_->row(y * scale + copy), first, rowBytes);
        }
    }
}
