#include "tools/artgen/canvas.hpp"

#include <algorithm>
#include <cmath>

namespace art {

namespace {
std::uint32_t Channel(double v) {
    return static_cast<std::uint32_t>(std::clamp(std::lround(v), 0L, 255L));
}
}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scale(Rgb c, double factor) {
    return {c.r * factor, c.g * factor, c.b * factor};
}

std::uint32_t Pack(Rgb c) {
    return (Channel(c.r) << 16) | (Channel(c.g) << 8) | Channel(c.b);
}

Rgb Unpack(std::uint32_t p) {
    return {static_cast<double>((p >> 16) & 0xFF), static_cast<double>((p >> 8) & 0xFF),
            static_cast<double>(p & 0xFF)};
}

Canvas::Canvas(int width, int height, Rgb fill, int scale)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      scale_(std::max(scale, 1)),
      surface_(width_ * scale_, height_ * scale_, Pack(fill)) {}

void Canvas::SetDevice(int x, int y, std::uint32_t pixel) {
    if (surface_.contains(x, y)) surface_.set(x, y, pixel);
}

void Canvas::BlendDevice(int x, int y, Rgb c, double alpha) {
    if (!surface_.contains(x, y) || alpha <= 0) return;
    surface_.set(x, y, alpha >= 1 ? Pack(c) : Pack(Mix(Unpack(surface_.at(x, y)), c, alpha)));
}

void Canvas::Set(int x, int y, std::uint32_t pixel) {
    if (!contains(x, y)) return;
    for (int dy = 0; dy < scale_; ++dy)
        for (int dx = 0; dx < scale_; ++dx) surface_.set(x * scale_ + dx, y * scale_ + dy, pixel);
}

void Canvas::Blend(int x, int y, Rgb c, double alpha) {
    if (!contains(x, y) || alpha <= 0) return;
    for (int dy = 0; dy < scale_; ++dy)
        for (int dx = 0; dx < scale_; ++dx) BlendDevice(x * scale_ + dx, y * scale_ + dy, c, alpha);
}

void Canvas::FillRect(int left, int top, int right, int bottom, Rgb c) {
    const std::uint32_t p = Pack(c);
    const int s = scale_;
    for (int y = std::max(top, 0) * s; y < std::min(bottom, height_) * s; ++y)
        for (int x = std::max(left, 0) * s; x < std::min(right, width_) * s; ++x)
            surface_.set(x, y, p);
}

void Canvas::Blit(const Canvas& src, int x, int y) {
    for (int sy = 0; sy < src.deviceHeight(); ++sy)
        for (int sx = 0; sx < src.deviceWidth(); ++sx)
            SetDevice(x * scale_ + sx, y * scale_ + sy, src.device(sx, sy));
}

void Canvas::BlitKeyed(const Canvas& src, int x, int y, std::uint32_t key) {
    for (int sy = 0; sy < src.deviceHeight(); ++sy)
        for (int sx = 0; sx < src.deviceWidth(); ++sx)
            if (src.device(sx, sy) != key)
                SetDevice(x * scale_ + sx, y * scale_ + sy, src.device(sx, sy));
}

}  // namespace art
