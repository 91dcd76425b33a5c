// The bitmap and icon files compiled into the executable, by resource ID. The tables are
// generated at build time from res/bitmaps/<ID>.bmp and res/icons/<ID>.bmp (library vr_resources).
#pragma once

#include <cstddef>
#include <span>

struct EmbeddedResource {
    unsigned id;
    const unsigned char* data;
    std::size_t size;
};

std::span<const EmbeddedResource> EmbeddedBitmaps();
std::span<const EmbeddedResource> EmbeddedIcons();
