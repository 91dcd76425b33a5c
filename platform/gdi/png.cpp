#include "platform/gdi/png.hpp"

#include <png.h>

#include "platform/gdi/bmp.hpp"

namespace {

// Frees libpng's read or write state on every path.
struct PngImage {
    png_image image{};
    PngImage() { image.version = PNG_IMAGE_VERSION; }
    PngImage(const PngImage&) = delete;
    PngImage& operator=(const PngImage&) = delete;
    ~PngImage() { png_image_free(&image); }
};

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodePng(const Surface& surface) {
    if (surface.empty()) return std::nullopt;
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(surface.width()) * surface.height() * 3);
    std::size_t i = 0;
    for (const std::uint32_t p : surface.pixels()) {
        rgb[i++] = static_cast<std::uint8_t>(p >> 16);
        rgb[i++] = static_cast<std::uint8_t>(p >> 8);
        rgb[i++] = static_cast<std::uint8_t>(p);
    }
    PngImage png;
    png.image.width = static_cast<png_uint_32>(surface.width());
    png.image.height = static_cast<png_uint_32>(surface.height());
    png.image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    if (png_image_write_to_memory(&png.image, nullptr, &size, 0, rgb.data(), 0, nullptr) == 0) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> out(size);
    if (png_image_write_to_memory(&png.image, out.data(), &size, 0, rgb.data(), 0, nullptr) == 0) {
        return std::nullopt;
    }
    out.resize(size);
    return out;
}

bool WritePngFile(const Surface& surface, const std::string& path) {
    const auto bytes = EncodePng(surface);
    return bytes && WriteWholeFile(path, *bytes);
}

std::optional<Surface> DecodePng(std::span<const std::uint8_t> bytes) {
    PngImage png;
    if (png_image_begin_read_from_memory(&png.image, bytes.data(), bytes.size()) == 0) {
        return std::nullopt;
    }
    png.image.format = PNG_FORMAT_RGB;
    if (png.image.width == 0 || png.image.height == 0 || png.image.width > 32768 ||
        png.image.height > 32768) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(png.image));
    if (png_image_finish_read(&png.image, nullptr, rgb.data(), 0, nullptr) == 0) {
        return std::nullopt;
    }
    Surface surface(static_cast<int>(png.image.width), static_cast<int>(png.image.height));
    std::size_t i = 0;
    for (std::uint32_t& p : surface.pixels()) {
        p = (static_cast<std::uint32_t>(rgb[i]) << 16) |
            (static_cast<std::uint32_t>(rgb[i + 1]) << 8) | rgb[i + 2];
        i += 3;
    }
    return surface;
}
