// The artwork's pixel buffer: 0x00RRGGBB pixels, rows top to bottom, with blending helpers.
#pragma once

#include <cstdint>
#include <vector>

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

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    std::uint32_t at(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, std::uint32_t pixel);  // ignored outside
    void Set(int x, int y, Rgb c) { Set(x, y, Pack(c)); }
    // Lays colour c over the pixel with opacity alpha (0..1).
    void Blend(int x, int y, Rgb c, double alpha);
    void FillRect(int left, int top, int right, int bottom, Rgb c);  // right/bottom exclusive
    // Copies src with its top-left corner at (x, y).
    void Blit(const Canvas& src, int x, int y);
    // Copies src, leaving out the pixels equal to key.
    void BlitKeyed(const Canvas& src, int x, int y, std::uint32_t key);
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }

  private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace art
