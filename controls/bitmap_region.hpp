// Shapes a window after a bitmap: the window takes the bitmap's size and a region that follows
// the outline of the bitmap's opaque pixels row by row, so the key-coloured ends of each row are
// cut out of the window (neither drawn nor hit).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/wnd/wnd.hpp"

// Whether a pixel counts as the key colour: every component within 2 of the key's.
bool IsNearKeyColor(COLORREF pixel, COLORREF keyColor);

// The outline polygon of a bitmap of width x height pixels, given as GetBitmapBits rows (blue,
// green, red, unused per pixel). Vertex y (0 <= y < height) is the first opaque pixel of row y
// shifted right by leftInset; vertex 2 * height - 1 - y the last opaque pixel shifted left by
// rightInset. A row without an opaque pixel repeats the vertices of the nearest opaque row above
// it (below it for leading rows); a bitmap without any opaque pixel gives vertices that enclose
// nothing.
std::vector<POINT> OutlineVertices(std::span<const std::uint8_t> bits, int width, int height,
                                   COLORREF keyColor, int leftInset, int rightInset);

class CBmpRgn {
  public:
    CBmpRgn() = default;
    CBmpRgn(const CBmpRgn&) = delete;
    CBmpRgn& operator=(const CBmpRgn&) = delete;
    virtual ~CBmpRgn();  // releases `bitmap`, and `region` unless a window took it

    // Resizes `window` to the bitmap at its normal-position top-left corner and gives it the
    // outline region. Does nothing without a window, a bitmap, or with an empty bitmap.
    void ShapeWindow();

    HWND window = nullptr;     // not owned
    HBITMAP bitmap = nullptr;  // owned: handed over by the caller
    HRGN region = nullptr;     // built by ShapeWindow; the window's once applied
    COLORREF keyColor = 0xFFFFFF;
    int leftInset = 0;
    int rightInset = 0;

  private:
    bool ownsRegion_ = false;
};
