#include "png_reader.hpp"

#include <png.h>

#include <cstdint>
#include <vector>

std::optional<Surface> ReadPng(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0) {
        return std::nullopt;
    }
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> bytes(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr) == 0) {
        png_image_free(&image);
        return std::nullopt;
    }
    Surface picture(static_cast<int>(image.width), static_cast<int>(image.height));
    std::size_t i = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x, i += 3) {
            picture.set(x, y,
                        (std::uint32_t{bytes[i]} << 16) | (std::uint32_t{bytes[i + 1]} << 8) |
                            bytes[i + 2]);
        }
    }
    return picture;
}
