// The program's icon for the desktop: drawn at each size it is installed in, with an alpha
// channel (the window's own icon, bitmap 128, is the 32-pixel drawing with a magenta key).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/artgen/canvas.hpp"

namespace art {

// The sizes of the hicolor theme the icon is installed in.
inline constexpr std::array<int, 7> kDesktopIconSizes{16, 24, 32, 48, 64, 128, 256};

// Colour and opacity (0 transparent .. 255 opaque, one byte per pixel, rows top to bottom).
struct IconPicture {
    Canvas colour;
    std::vector<std::uint8_t> alpha;
};

IconPicture DrawDesktopIcon(int size);
// An 8-bit RGBA PNG file of the picture.
bool WriteIconPng(const IconPicture& icon, const std::string& path);

}  // namespace art
