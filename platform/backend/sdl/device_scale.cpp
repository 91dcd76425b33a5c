#include "platform/backend/sdl/device_scale.hpp"

#include <algorithm>
#include <cstring>

namespace platform::sdl {
namespace {

int FloorDiv(int value, int divisor) {
    const int quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

int CeilDiv(int value, int divisor) {
    return -FloorDiv(-value, divisor);
}

}  // namespace

DeviceScale::DeviceScale(int factor) : factor_(std::max(1, factor)) {}

RECT DeviceScale::ToDevice(const RECT& logical) const {
    return RECT{ToDevice(logical.left), ToDevice(logical.top), ToDevice(logical.right),
                ToDevice(logical.bottom)};
}

std::vector<ShapeRect> DeviceScale::ToDevice(std::vector<ShapeRect> shape) const {
    for (ShapeRect& r : shape) {
        r = ShapeRect{ToDevice(r.x), ToDevice(r.y), ToDevice(r.width), ToDevice(r.height)};
    }
    return shape;
}

int DeviceScale::ToLogical(int device) const {
    return FloorDiv(device, factor_);
}

POINT DeviceScale::ToLogical(POINT device) const {
    return POINT{ToLogical(device.x), ToLogical(device.y)};
}

RECT DeviceScale::LogicalCover(const ShapeRect& device) const {
    return RECT{ToLogical(device.x), ToLogical(device.y), CeilDiv(device.x + device.width, factor_),
                CeilDiv(device.y + device.height, factor_)};
}

void CopyScaled(const Surface& source, const RECT& area, int factor, std::uint32_t* target,
                std::ptrdiff_t targetPitch) {
    const int width = area.right - area.left;
    const std::size_t rowBytes =
        static_cast<std::size_t>(width) * static_cast<std::size_t>(factor) * sizeof(std::uint32_t);
    auto* row = reinterpret_cast<std::uint8_t*>(target);
    for (int y = area.top; y < area.bottom; ++y) {
        const std::uint32_t* from = source.row(y) + area.left;
        auto* first = reinterpret_cast<std::uint32_t*>(row);
        for (int x = 0; x < width; ++x) {
            std::fill_n(first + static_cast<std::ptrdiff_t>(x) * factor, factor, from[x]);
        }
        row += targetPitch;
        // The other device rows of this logical row are the same.
        for (int copy = 1; copy < factor; ++copy) {
            std::memcpy(row, first, rowBytes);
            row += targetPitch;
        }
    }
}

}  // namespace platform::sdl
