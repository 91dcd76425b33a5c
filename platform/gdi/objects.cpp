// Creation and inspection of bitmaps, brushes and pens.
#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>

#include "platform/gdi/draw_target.hpp"
#include "platform/gdi/object_table.hpp"

namespace {

// Rows of a monochrome bitmap's bits are padded to 16 bits, as the platform stores them.
int MonoRowBytes(int width) {
    return ((width + 15) / 16) * 2;
}

// The largest bitmap made: 32767 pixels a side and 64 M pixels (256 MB) in all; larger
// requests fail as on the platform instead of exhausting memory.
constexpr int kMaxSide = 32767;
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

bool SizeAllowed(int width, int height) {
    return width <= kMaxSide && height <= kMaxSide &&
           static_cast<std::int64_t>(width) * height <= kMaxPixels;
}

// A row of 32-bit pixels as blue, green, red and a zero byte each.
void CopyRowBits(const std::uint32_t* row, std::uint8_t* out, std::size_t count) {
    for (std::size_t x = 0; x < count; ++x, out += 4) {
        const std::uint32_t p = row[x] & 0x00FFFFFFu;
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(out, &p, 4);  // one store a pixel
        } else {
            out[0] = static_cast<std::uint8_t>(p);
            out[1] = static_cast<std::uint8_t>(p >> 8);
            out[2] = static_cast<std::uint8_t>(p >> 16);
            out[3] = 0;
        }
    }
}

HBITMAP NewBitmap(int width, int height, bool monochrome) {
    if (!SizeAllowed(width, height)) return nullptr;
    auto bitmap = std::make_unique<BitmapObject>();
    bitmap->surface = Surface(width, height, 0);
    bitmap->monochrome = monochrome;
    return gdi::Adopt(std::move(bitmap));
}

}  // namespace

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
    if (width < 0 || height < 0) return nullptr;
    // A zero-sized request gives the 1 x 1 monochrome bitmap, as on the platform.
    if (width == 0 || height == 0) return NewBitmap(1, 1, true);
    // A memory context is as deep as its selected bitmap (monochrome while it holds the stock one).
    const bool mono =
        dc != nullptr && dc->isMemory && dc->bitmap != nullptr && dc->bitmap->monochrome;
    HBITMAP bitmap = NewBitmap(width, height, mono);
    // A bitmap made for drawing into a surface with a rendition at a device scale has one too.
    const gdi::DrawTarget target = gdi::TargetOf(dc);
    if (bitmap != nullptr && !mono && target.valid()) bitmap->surface.SetScale(target.scale());
    return bitmap;
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    if (width <= 0 || height <= 0 || planes != 1) return nullptr;
    if (bitsPerPixel != 1 && bitsPerPixel != 24 && bitsPerPixel != 32) return nullptr;
    HBITMAP bitmap = NewBitmap(width, height, bitsPerPixel == 1);
    if (bitmap == nullptr || bits == nullptr) return bitmap;
    const auto* src = static_cast<const std::uint8_t*>(bits);
    Surface& s = bitmap->surface;
    if (bitsPerPixel == 1) {
        const int stride = MonoRowBytes(width);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const bool set = (src[y * stride + x / 8] >> (7 - x % 8)) & 1;
                s.set(x, y, set ? 0xFFFFFFu : 0u);
            }
        }
        return bitmap;
    }
    const int bytesPerPixel = static_cast<int>(bitsPerPixel / 8);
    // Rows are padded to 16 bits.
    const int stride = ((width * bytesPerPixel + 1) / 2) * 2;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* p = src + static_cast<std::size_t>(y) * stride;
        for (int x = 0; x < width; ++x, p += bytesPerPixel) {
            s.set(x, y,
                  static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                      (static_cast<std::uint32_t>(p[2]) << 16));
        }
    }
    return bitmap;
}

HBRUSH CreateSolidBrush(COLORREF color) {
    auto brush = std::make_unique<BrushObject>();
    brush->color = color & 0x00FFFFFF;
    return gdi::Adopt(std::move(brush));
}

HPEN CreatePen(int style, int width, COLORREF color) {
    auto pen = std::make_unique<PenObject>();
    pen->style = style;
    pen->width = std::max(width, 1);
    pen->color = color & 0x00FFFFFF;
    return gdi::Adopt(std::move(pen));
}

int GetObjectW(HGDIOBJ object, int size, void* out) {
    if (object == nullptr || (!gdi::IsLive(object) && !gdi::IsStock(object))) return 0;
    if (const auto* bitmap = dynamic_cast<const BitmapObject*>(object)) {
        BITMAP info;
        info.bmWidth = bitmap->surface.width();
        info.bmHeight = bitmap->surface.height();
        info.bmPlanes = 1;
        info.bmBitsPixel = bitmap->monochrome ? 1 : 32;
        info.bmWidthBytes = bitmap->monochrome ? MonoRowBytes(info.bmWidth) : info.bmWidth * 4;
        if (out == nullptr) return sizeof(BITMAP);
        const int n = std::min(size, static_cast<int>(sizeof(BITMAP)));
        if (n <= 0) return 0;
        std::memcpy(out, &info, static_cast<std::size_t>(n));
        return n;
    }
    if (const auto* font = dynamic_cast<const FontObject*>(object)) {
        if (out == nullptr) return sizeof(LOGFONTW);
        const int n = std::min(size, static_cast<int>(sizeof(LOGFONTW)));
        if (n <= 0) return 0;
        std::memcpy(out, &font->logFont, static_cast<std::size_t>(n));
        return n;
    }
    return 0;
}

LONG GetBitmapBits(HBITMAP bitmap, LONG size, void* bits) {
    if (bitmap == nullptr || bits == nullptr || size <= 0 ||
        (!gdi::IsLive(bitmap) && !gdi::IsStock(bitmap))) {
        return 0;
    }
    const Surface& s = bitmap->surface;
    auto* out = static_cast<std::uint8_t*>(bits);
    const std::size_t limit = static_cast<std::size_t>(size);
    std::size_t n = 0;
    if (bitmap->monochrome) {
        const int stride = MonoRowBytes(s.width());
        for (int y = 0; y < s.height(); ++y) {
            for (int b = 0; b < stride; ++b) {
                if (n == limit) return static_cast<LONG>(n);
                std::uint8_t byte = 0;
                for (int bit = 0; bit < 8; ++bit) {
                    const int x = b * 8 + bit;
                    if (x < s.width() && s.at(x, y) != 0)
                        byte |= static_cast<std::uint8_t>(0x80 >> bit);
                }
                out[n++] = byte;
            }
        }
        return static_cast<LONG>(n);
    }
    // Blue, green, red and a zero byte a pixel, row after row; the last pixel may be cut short.
    const std::size_t width = static_cast<std::size_t>(s.width());
    for (int y = 0; y < s.height() && n < limit; ++y) {
        const std::uint32_t* row = s.row(y);
        const std::size_t whole = std::min(width, (limit - n) / 4);
        CopyRowBits(row, out + n, whole);
        n += whole * 4;
        if (whole < width) {
            const std::uint32_t p = row[whole];
            for (int byte = 0; n < limit; ++byte) {
                out[n++] = static_cast<std::uint8_t>(byte < 3 ? p >> (8 * byte) : 0);
            }
        }
    }
    return static_cast<LONG>(n);
}
