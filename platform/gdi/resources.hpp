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

// Test seam: while set, these BMP files stand in for the embedded bitmap resources (by ID).
// An empty map returns to the embedded ones. Clears the decoded cache either way.
void SetBitmapResourcesForTesting(std::map<UINT, std::vector<std::uint8_t>> files);
