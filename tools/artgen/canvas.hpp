// The artwork's pixel buffer: a drawing-layer surface (0x00RRGGBB pixels, rows top to bottom)
// with the blending helpers the pictures are drawn with.
//
// A canvas is drawn at a scale: each of the picture's own pixels is scale x scale pixels of its
// surface, the device pixels. Pictures are described in their own pixels at every scale (the
// shapes, the text, the pixel calls); shapes and text are sampled at the device pixels, so that a
// picture at scale 2 is as sharp as at 1, and the pixel calls (Set, Blend, FillRect) write the
// whole block of each pixel. At scale 1 device and picture pixels are the same.
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
    Canvas(int width, int height, Rgb fill, int scale = 1);

    // The picture's own size, and the device pixels per side of each of its pixels.
    int width() const { return width_; }
    int height() const { return height_; }
    int scale() const { return scale_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // The pixel (x, y) of the picture: the top-left device pixel of its block.
    std::uint32_t at(int x, int y) const { return surface_.at(x * scale_, y * scale_); }
    void Set(int x, int y, std::uint32_t pixel);  // ignored outside
    void Set(int x, int y, Rgb c) { Set(x, y, Pack(c)); }
    // Lays colour c over the pixel with opacity alpha (0..1).
    void Blend(int x, int y, Rgb c, double alpha);
    void FillRect(int left, int top, int right, int bottom, Rgb c);  // right/bottom exclusive
    // Copies src (drawn at the same scale) with its top-left corner at (x, y).
    void Blit(const Canvas& src, int x, int y);
    // Copies src, leaving out the pixels equal to key.
    void BlitKeyed(const Canvas& src, int x, int y, std::uint32_t key);

    // The device pixels: (x, y) from (0, 0) to (deviceWidth(), deviceHeight()).
    int deviceWidth() const { return surface_.width(); }
    int deviceHeight() const { return surface_.height(); }
    std::uint32_t device(int x, int y) const { return surface_.at(x, y); }
    void SetDevice(int x, int y, std::uint32_t pixel);  // ignored outside
    void BlendDevice(int x, int y, Rgb c, double alpha);
    // The centre of device pixel x (or y) in the picture's coordinates.
    double Centre(int deviceCoordinate) const { return (deviceCoordinate + 0.5) / scale_; }

    const Surface& surface() const { return surface_; }

  private:
    int width_;
    int height_;
    int scale_;
    Surface surface_;
};

}  // namespace art
