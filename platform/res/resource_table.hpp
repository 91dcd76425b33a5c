// The bitmap and icon files compiled into the executable, by resource ID. The tables are
// generated at build time from res/bitmaps/<ID>.bmp, res/bitmaps/<scale>x/<ID>.png and
// res/icons/<ID>.bmp (library vr_resources).
#pragma once

#include <cstddef>
#include <span>

struct EmbeddedResource {
    unsigned id;
    const unsigned char* data;
    std::size_t size;
};

std::span<const EmbeddedResource> EmbeddedBitmaps();
// The bitmaps drawn at scale 2, 3 or 4 (PNG files, res/bitmaps/<scale>x/<ID>.png).
std::span<const EmbeddedResource> EmbeddedBitmaps2x();
std::span<const EmbeddedResource> EmbeddedBitmaps3x();
std::span<const EmbeddedResource> EmbeddedBitmaps4x();
std::span<const EmbeddedResource> EmbeddedIcons();
