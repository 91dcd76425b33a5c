// BMP pictures: a strict decoder for the program's artwork (24 and 32 bits per pixel, uncompressed,
// bottom-up or top-down) and a 24-bit writer.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/gdi/surface.hpp"

// Decodes a BMP file. Anything truncated, inconsistent or of another format gives nothing; the
// decoder never reads outside the given bytes.
std::optional<Surface> DecodeBmp(std::span<const std::uint8_t> bytes);

// A 24-bit bottom-up BMP file of the surface.
std::vector<std::uint8_t> EncodeBmp(const Surface& surface);
bool WriteBmpFile(const Surface& surface, const std::string& path);

// Whole-file helpers shared by the picture writers.
bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path);
