// Reads the committed 24-bit BMP files of res/bitmaps for the art checks.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

struct ArtImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows top to bottom

    std::uint32_t at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

inline std::uint32_t ReadLe(const std::vector<std::uint8_t>& d, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | d[at + static_cast<std::size_t>(i)];
    return v;
}

// An uncompressed bottom-up or top-down 24-bit BMP; none for anything else.
inline std::optional<ArtImage> ReadBmp24(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> d((std::istreambuf_iterator<char>(file)),
                                      std::istreambuf_iterator<char>());
    if (d.size() < 54 || d[0] != 'B' || d[1] != 'M') return std::nullopt;
    ArtImage image;
    const std::uint32_t offset = ReadLe(d, 10, 4);
    image.width = static_cast<std::int32_t>(ReadLe(d, 18, 4));
    const auto rawHeight = static_cast<std::int32_t>(ReadLe(d, 22, 4));
    image.bitsPerPixel = static_cast<int>(ReadLe(d, 28, 2));
    const std::uint32_t compression = ReadLe(d, 30, 4);
    const bool bottomUp = rawHeight > 0;
    image.height = bottomUp ? rawHeight : -rawHeight;
    if (image.width <= 0 || image.height <= 0 || image.bitsPerPixel != 24 || compression != 0)
        return std::nullopt;
    const std::size_t stride = (static_cast<std::size_t>(image.width) * 3 + 3) & ~std::size_t{3};
    if (d.size() < offset + stride * static_cast<std::size_t>(image.height)) return std::nullopt;
    image.pixels.resize(static_cast<std::size_t>(image.width) *
                        static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y) {
        const int fileRow = bottomUp ? image.height - 1 - y : y;
        const std::size_t row = offset + stride * static_cast<std::size_t>(fileRow);
        for (int x = 0; x < image.width; ++x)
            image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                         static_cast<std::size_t>(x)] =
                ReadLe(d, row + 3 * static_cast<std::size_t>(x), 3);
    }
    return image;
}
