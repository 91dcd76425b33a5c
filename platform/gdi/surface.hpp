// A 32-bit pixel surface: rows top to bottom, each pixel 0x00RRGGBB.
//
// Copies share their pixels until one of them is written to (copy on write): a bitmap loaded
// from the resources shares the decoded picture instead of copying it. Anything that may write
// (the non-const row, set and pixels) first takes a private copy of pixels that are shared, so a
// pointer from a non-const row() must not be kept across a copy of the surface.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/gdi/pixel_allocator.hpp"

class Surface {
  public:
    Surface() = default;
    Surface(int width, int height, std::uint32_t fill = 0);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }

    std::uint32_t* row(int y) { return pixels().data() + static_cast<std::size_t>(y) * width_; }
    const std::uint32_t* row(int y) const {
        return pixels().data() + static_cast<std::size_t>(y) * width_;
    }
    std::uint32_t at(int x, int y) const { return row(y)[x]; }
    void set(int x, int y, std::uint32_t v) { row(y)[x] = v; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    PixelVector& pixels() {
        if (pixels_ == nullptr || pixels_.use_count() > 1) takePrivateCopy();
        return *pixels_;
    }
    const PixelVector& pixels() const;
    // Whether this surface and `other` read the same pixels in memory (a copy not yet written to).
    bool sharesPixelsWith(const Surface& other) const {
        return pixels_ != nullptr && pixels_ == other.pixels_;
    }

    // A surface drawn for a screen of a device scale above 1 also keeps its rendition at that
    // scale: scale x scale device pixels for each of its own, where text is drawn at the device's
    // resolution. The drawing calls write both; the surface's own pixels stay what they are at
    // scale 1 (read back by GetPixel and pictures), the screen shows the rendition.
    int scale() const { return scale_; }
    const Surface* fine() const { return fine_.get(); }
    Surface* fine();  // null at scale 1; copy on write, as the pixels
    // Gives the surface a rendition at `scale` (its pixels enlarged), or none at scale 1.
    void SetScale(int scale);
    // Gives the surface `fine` as its rendition at `scale` (artwork drawn at that scale), sharing
    // its pixels until one of them is written to. False, and nothing changes, unless `fine` is
    // exactly scale times as wide and as high as the surface and the scale above 1.
    bool SetRendition(int scale, const Surface& fine);

  private:
    void takePrivateCopy();

    int width_ = 0;
    int height_ = 0;
    std::shared_ptr<PixelVector> pixels_;  // null while empty
    int scale_ = 1;
    std::shared_ptr<Surface> fine_;  // null at scale 1
};

// Conversions between a surface pixel (0x00RRGGBB) and a COLORREF (0x00BBGGRR).
constexpr std::uint32_t PixelFromColorref(std::uint32_t c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr std::uint32_t ColorrefFromPixel(std::uint32_t p) {
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}
