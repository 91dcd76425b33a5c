// Writing a canvas as an uncompressed 24-bit BMP file.
#pragma once

#include <string>

#include "tools/artgen/canvas.hpp"

namespace art {

bool WriteBmp24(const std::string& path, const Canvas& canvas);

}  // namespace art
