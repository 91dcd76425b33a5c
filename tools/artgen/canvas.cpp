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

Canvas::Canvas(int width, int height, Rgb fill) : surface_(width, height, Pack(fill)) {}

void Canvas::Set(int x, int y, std::uint32_t pixel) {
    if (contains(x, y)) surface_.set(x, y, pixel);
}

void Canvas::Blend(int x, int y, Rgb c, double alpha) {
    if (!contains(x, y) || alpha <= 0) return;
    surface_.set(x, y, alpha >= 1 ? Pack(c) : Pack(Mix(Unpack(surface_.at(x, y)), c, alpha)));
}

void Canvas::FillRect(int left, int top, int right, int bottom, Rgb c) {
    const std::uint32_t p = Pack(c);
    for (int y = std::max(top, 0); y < std::min(bottom, height()); ++y)
        for (int x = std::max(left, 0); x < std::min(right, width()); ++x) surface_.set(x, y, p);
}

void Canvas::Blit(const Canvas& src, int x, int y) {
    for (int sy = 0; sy < src.height(); ++sy)
        for (int sx = 0; sx < src.width(); ++sx) Set(x + sx, y + sy, src.at(sx, sy));
}

void Canvas::BlitKeyed(const Canvas& src, int x, int y, std::uint32_t key) {
    for (int sy = 0; sy < src.height(); ++sy)
        for (int sx = 0; sx < src.width(); ++sx)
            if (src.at(sx, sy) != key) Set(x + sx, y + sy, src.at(sx, sy));
}

}  // namespace art
