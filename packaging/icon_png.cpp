// vr-icon-png: turns the program's icon bitmap into the PNG that the desktop shows. The colour of
// the top-left pixel marks the transparent corners of the picture.
//
//   vr-icon-png ICON.bmp OUT.png
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "platform/gdi/bmp.hpp"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// An 8-bit RGBA PNG of the surface with every pixel of the key colour transparent.
bool WriteKeyedPng(const Surface& picture, std::uint32_t key, const char* path) {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "wb"));
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    std::vector<png_byte> row(static_cast<std::size_t>(picture.width()) * 4);
    // libpng reports errors by a long jump back here.
    if (setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width()),
                 static_cast<png_uint_32>(picture.height()), 8, PNG_COLOR_TYPE_RGB_ALPHA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const std::uint32_t pixel = picture.at(x, y);
            png_byte* out = &row[static_cast<std::size_t>(x) * 4];
            out[0] = static_cast<png_byte>(pixel >> 16);
            out[1] = static_cast<png_byte>(pixel >> 8);
            out[2] = static_cast<png_byte>(pixel);
            out[3] = pixel == key ? 0 : 255;
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: vr-icon-png ICON.bmp OUT.png\n");
        return 2;
    }
    const auto bytes = ReadWholeFile(argv[1]);
    const auto picture = bytes ? DecodeBmp(*bytes) : std::nullopt;
    if (!picture || picture->empty()) {
        std::fprintf(stderr, "vr-icon-png: %s is not a bitmap this program can read\n", argv[1]);
        return 1;
    }
    if (!WriteKeyedPng(*picture, picture->at(0, 0), argv[2])) {
        std::fprintf(stderr, "vr-icon-png: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
