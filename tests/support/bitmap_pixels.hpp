// The pixels of a bitmap (0x00RRGGBB, rows top to bottom), for the tests that compare what a
// window shows with the artwork it was drawn from.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/afxgdi.hpp"
#include "platform/gdi/surface.hpp"

// Empty when there is no bitmap.
inline Surface BitmapPixels(HBITMAP bitmap) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) return Surface{};
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(info.bmWidth) *
                                   static_cast<std::size_t>(info.bmHeight) * 4);
    GetBitmapBits(bitmap, static_cast<LONG>(bits.size()), bits.data());
    Surface pixels(info.bmWidth, info.bmHeight);
    std::size_t i = 0;
    for (int y = 0; y < info.bmHeight; ++y) {
        for (int x = 0; x < info.bmWidth; ++x, i += 4) {
            pixels.set(
                x, y,
                (std::uint32_t{bits[i + 2]} << 16) | (std::uint32_t{bits[i + 1]} << 8) | bits[i]);
        }
    }
    return pixels;
}

// The bitmap resource's pixels; empty when there is none.
inline Surface ResourcePixels(UINT resourceId) {
    CBitmap bitmap;
    if (!bitmap.LoadBitmapW(resourceId)) return Surface{};
    return BitmapPixels(bitmap);
}
