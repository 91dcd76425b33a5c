// The program's icon: a lit ring around a V on a dark rounded square. Every size is drawn from
// the same design with strokes kept at least a pixel or two wide in the small sizes and, from
// 48 pixels on, a lit rim and a glow on the V that the small sizes have no room for.
#include "tools/artgen/app_icon.hpp"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/artgen/kit.hpp"
#include "tools/artgen/pieces.hpp"

namespace art {
namespace {

constexpr Rgb kTileColour{10, 24, 44};

// The rounded square the icon fills, in pixels of a size-by-size picture.
double SdTile(double x, double y, int size) {
    const double scale = size / 32.0;
    return SdRoundRect(x, y, 0.5, 0.5, size - 0.5, size - 0.5, 7 * scale);
}

// The opaque colour of every pixel: drawn over the tile's own dark colour so that edge pixels
// blend into it, and the tile's outline then comes from the opacity alone.
Canvas PaintIcon(int size) {
    const double s = size / 32.0;
    const double mid = size / 2.0;
    Canvas c(size, size, kTileColour);
    const auto tile = [size](double x, double y) { return SdTile(x, y, size); };
    Fill(c, tile, Vertical(0, size, {22, 52, 92}, {8, 20, 38}));
    if (size >= 48) Stroke(c, tile, s * 0.75, Rgb{70, 120, 180}, 0.45);
    const double ringWidth = std::max(2 * s, 1.0);
    const auto ring = [mid, s, ringWidth](double x, double y) {
        return SdRing(x, y, mid, mid, 10.5 * s, ringWidth);
    };
    Glow(c, ring, std::max(3 * s, 1.5), {0, 170, 255}, 0.5);
    Fill(c, ring, [mid](double x, double y) {
        return HueColor(std::atan2(y - mid, x - mid) * 180 / std::numbers::pi + 180);
    });
    const double stroke = std::max(1.6 * s, 0.9);
    const auto vee = [s, stroke](double x, double y) {
        return std::min(SdSegment(x, y, {11 * s, 11.5 * s}, {16 * s, 21 * s}, stroke),
                        SdSegment(x, y, {21 * s, 11.5 * s}, {16 * s, 21 * s}, stroke));
    };
    if (size >= 48) Glow(c, vee, 2.5 * s, {120, 210, 255}, 0.35);
    Fill(c, vee, Rgb{230, 248, 255});
    return c;
}

}  // namespace

Canvas DrawAppIcon() {
    constexpr int kSize = 32;
    Canvas c = PaintIcon(kSize);
    constexpr std::uint32_t kKey = 0xFF00FF;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (SdTile(x + 0.5, y + 0.5, kSize) > 0.3) {
                c.Set(x, y, kKey);
            } else if (c.at(x, y) == kKey) {
                c.Set(x, y, Rgb{254, 0, 255});  // the ring's magenta, which would be a hole
            }
        }
    }
    return c;
}

IconPicture DrawDesktopIcon(int size) {
    IconPicture icon{PaintIcon(size), {}};
    icon.alpha.reserve(static_cast<std::size_t>(size) * size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double coverage = std::clamp(0.5 - SdTile(x + 0.5, y + 0.5, size), 0.0, 1.0);
            icon.alpha.push_back(static_cast<std::uint8_t>(std::lround(coverage * 255)));
        }
    }
    return icon;
}

bool WriteIconPng(const IconPicture& icon, const std::string& path) {
    const Surface& surface = icon.colour.surface();
    std::vector<std::uint8_t> rgba;
    rgba.reserve(icon.alpha.size() * 4);
    std::size_t i = 0;
    for (const std::uint32_t p : surface.pixels()) {
        rgba.push_back(static_cast<std::uint8_t>(p >> 16));
        rgba.push_back(static_cast<std::uint8_t>(p >> 8));
        rgba.push_back(static_cast<std::uint8_t>(p));
        rgba.push_back(icon.alpha.at(i++));
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(surface.width());
    image.height = static_cast<png_uint_32>(surface.height());
    image.format = PNG_FORMAT_RGBA;
    const bool written =
        png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return written;
}

}  // namespace art
