// Bitmaps and icons from the program's resources.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "platform/gdi/gdi.hpp"

// The decoded pixels of bitmap resource id (cached per ID); null when there is no such resource
// or its file cannot be decoded.
std::shared_ptr<const Surface> BitmapResourcePixels(UINT id);

// The device scale of the screen the windows are shown on (1 to 4): a bitmap loaded at a scale
// above 1 gets its rendition at that scale from the artwork drawn at it (the resource's PNG
// rendition, decoded on first use), when the program has one. The window layer sets it as it gives
// a window's surface its scale.
void SetBitmapScale(int scale);
// The decoded rendition of bitmap resource id at scale (2 to 4), cached; null when there is none
// or it is not exactly scale times the bitmap's size.
std::shared_ptr<const Surface> BitmapRenditionPixels(UINT id, int scale);

// Test seam: while set, these BMP files stand in for the embedded bitmap resources (by ID), and
// they have no renditions. An empty map returns to the embedded ones. Clears the decoded caches
// either way.
void SetBitmapResourcesForTesting(std::map<UINT, std::vector<std::uint8_t>> files);
