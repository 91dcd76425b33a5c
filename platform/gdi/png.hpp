// PNG pictures through libpng: writing window pictures, and reading them back for comparisons.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/gdi/surface.hpp"

std::optional<std::vector<std::uint8_t>> EncodePng(const Surface& surface);  // 8-bit RGB
bool WritePngFile(const Surface& surface, const std::string& path);
std::optional<Surface> DecodePng(std::span<const std::uint8_t> bytes);  // any PNG; alpha dropped
