// Reading the committed reference pictures (PNG) of the window tests.
#pragma once

#include <optional>
#include <string>

#include "platform/gdi/surface.hpp"

// The picture as a surface (pixels 0x00RRGGBB), or nothing when the file cannot be read.
std::optional<Surface> ReadPng(const std::string& path);
