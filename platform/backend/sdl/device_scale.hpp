// The window layer's pixels and the screen's: the window layer places and draws everything in its
// own (logical) pixels; on screen each of them is a factor x factor block of device pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/backend/sdl/shape_rect.hpp"
#include "platform/gdi/surface.hpp"
#include "platform/wintypes.hpp"

namespace platform::sdl {

class DeviceScale {
  public:
    explicit DeviceScale(int factor = 1);  // factor >= 1

    int factor() const { return factor_; }

    int ToDevice(int logical) const { return logical * factor_; }
    RECT ToDevice(const RECT& logical) const;
    // A window shape's rectangles at device size: the same shape, each pixel a block.
    std::vector<ShapeRect> ToDevice(std::vector<ShapeRect> shape) const;

    // The logical pixel a device coordinate falls in (rounding down, negative ones too).
    int ToLogical(int device) const;
    POINT ToLogical(POINT device) const;
    // The logical rectangle that covers every device pixel of `device`.
    RECT LogicalCover(const ShapeRect& device) const;

  private:
    int factor_;
};

// Copies the rectangle `area` of `source` (inside it) to a 32-bit device surface, nearest
// neighbour: each pixel becomes a factor x factor block. `target` is the device pixel of the
// area's top-left corner; `targetPitch` the bytes from one device row to the next.
void CopyScaled(const Surface& source, const RECT& area, int factor, std::uint32_t* target,
                std::ptrdiff_t targetPitch);

}  // namespace platform::sdl
