#include "controls/bitmap_region.hpp"

#include <cstdlib>
#include <exception>

namespace {

constexpr int kBytesPerPixel = 4;

COLORREF PixelAt(std::span<const std::uint8_t> bits, int width, int x, int y) {
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                           static_cast<std::size_t>(x)) *
                          kBytesPerPixel;
    return RGB(bits[i + 2], bits[i + 1], bits[i]);
}

}  // namespace

bool IsNearKeyColor(COLORREF pixel, COLORREF keyColor) {
    return std::abs(GetRValue(pixel) - GetRValue(keyColor)) <= 2 &&
           std::abs(GetGValue(pixel) - GetGValue(keyColor)) <= 2 &&
           std::abs(GetBValue(pixel) - GetBValue(keyColor)) <= 2;
}

std::vector<POINT> OutlineVertices(std::span<const std::uint8_t> bits, int width, int height,
                                   COLORREF keyColor, int leftInset, int rightInset) {
    std::vector<POINT> vertices(static_cast<std::size_t>(2 * height));
    std::vector<bool> opaqueRow(static_cast<std::size_t>(height), false);
    const auto left = [&](int y) -> POINT& { return vertices[static_cast<std::size_t>(y)]; };
    const auto right = [&](int y) -> POINT& {
        return vertices[static_cast<std::size_t>(2 * height - 1 - y)];
    };

    int firstOpaque = -1;
    for (int y = 0; y < height; ++y) {
        int xl = 0;
        while (xl < width && IsNearKeyColor(PixelAt(bits, width, xl, y), keyColor)) ++xl;
        if (xl == width) continue;
        int xr = width - 1;
        while (IsNearKeyColor(PixelAt(bits, width, xr, y), keyColor)) --xr;
        left(y) = {xl + leftInset, y};
        right(y) = {xr - rightInset, y};
        opaqueRow[static_cast<std::size_t>(y)] = true;
        if (firstOpaque < 0) firstOpaque = y;
    }
    if (firstOpaque < 0) {
        // Nothing opaque: every vertex on the left border, a polygon without area.
        for (int y = 0; y < height; ++y) left(y) = right(y) = {0, y};
        return vertices;
    }
    // Rows without an opaque pixel take the outline of their neighbour, at their own height.
    for (int y = 0; y < height; ++y) {
        if (opaqueRow[static_cast<std::size_t>(y)]) continue;
        const int from = y < firstOpaque ? firstOpaque : y - 1;
        left(y) = {left(from).x, y};
        right(y) = {right(from).x, y};
    }
    return vertices;
}

CBmpRgn::~CBmpRgn() {
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (ownsRegion_) DeleteObject(region);
}

void CBmpRgn::ShapeWindow() {
    if (window == nullptr || bitmap == nullptr) return;
    BITMAP info;
    GetObjectW(bitmap, sizeof(info), &info);
    const int width = info.bmWidth;
    const int height = info.bmHeight;
    if (width <= 0 || height <= 0) return;

    std::vector<std::uint8_t> bits;
    std::vector<POINT> vertices;
    try {
        bits.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) *
                    kBytesPerPixel);
        GetBitmapBits(bitmap, static_cast<LONG>(bits.size()), bits.data());
        vertices = OutlineVertices(bits, width, height, keyColor, leftInset, rightInset);
    } catch (const std::exception&) {
        return;  // no memory for the pixels or the outline: the window stays as it is
    }

    if (ownsRegion_) DeleteObject(region);
    region = CreateRectRgn(0, 0, width, height);
    ownsRegion_ = true;

    WINDOWPLACEMENT placement;
    GetWindowPlacement(window, &placement);
    SetWindowPos(window, nullptr, placement.rcNormalPosition.left, placement.rcNormalPosition.top,
                 width, height, SWP_NOZORDER);

    HRGN polygon = CreatePolygonRgn(vertices.data(), static_cast<int>(vertices.size()), ALTERNATE);
    CombineRgn(region, region, polygon, RGN_AND);
    DeleteObject(polygon);

    SetWindowRgn(window, region, TRUE);
    ownsRegion_ = false;
}
