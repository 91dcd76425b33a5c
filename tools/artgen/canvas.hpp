// The artwork's pixel buffer: a drawing-layer surface (0x00RRGGBB pixels, rows top to bottom)
// with the blending helpers the pictures are drawn with.
#pragma once

#include <cstdint>

#include "platform/gdi/surface.hpp"

namespace art {

// A colour with components 0..255 (fractions allowed while mixing).
struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

Rgb Mix(Rgb a, Rgb b, double t);  // a at t = 0, b at t = 1
Rgb Scale(Rgb c, double factor);
std::uint32_t Pack(Rgb c);  // rounds and clamps to 0x00RRGGBB
Rgb Unpack(std::uint32_t p);

class Canvas {
  public:
    Canvas(int width, int height, Rgb fill);

    int width() const { return surface_.width(); }
    int height() const { return surface_.height(); }
    bool contains(int x, int y) const { return surface_.contains(x, y); }

    std::uint32_t at(int x, int y) const { return surface_.at(x, y); }
    void Set(int x, int y, std::uint32_t pixel);  // ignored outside
    void Set(int x, int y, Rgb c) { Set(x, y, Pack(c)); }
    // Lays colour c over the pixel with opacity alpha (0..1).
    void Blend(int x, int y, Rgb c, double alpha);
    void FillRect(int left, int top, int right, int bottom, Rgb c);  // right/bottom exclusive
    // Copies src with its top-left corner at (x, y).
    void Blit(const Canvas& src, int x, int y);
    // Copies src, leaving out the pixels equal to key.
    void BlitKeyed(const Canvas& src, int x, int y, std::uint32_t key);

    const Surface& surface() const { return surface_; }

  private:
    Surface surface_;
};

}  // namespace art
