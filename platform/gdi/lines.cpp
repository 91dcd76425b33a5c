// Pen lines: one pixel wide (or a square pen for wider ones), the last pixel left out. On a
// surface with a rendition at a device scale the rendition gets the same line drawn with the pen
// scaled: walked at the device's pixels, scale pixels across for each pixel of the pen's width.
#include <cstdlib>

#include "platform/gdi/draw_target.hpp"

namespace {

// Calls plot(x, y) for each point of Bresenham's walk from (x0, y0) towards (x1, y1), stopping
// one point short of it.
template <typename Plot>
void Walk(int x0, int y0, int x1, int y1, Plot plot) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int cx = x0;
    int cy = y0;
    while (cx != x1 || cy != y1) {
        plot(cx, cy);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            cx += stepX;
        }
        if (e2 <= dx) {
            err += dx;
            cy += stepY;
        }
    }
}

}  // namespace

BOOL MoveToEx(HDC dc, int x, int y, POINT* previous) {
    if (dc == nullptr) return FALSE;
    if (previous != nullptr) *previous = dc->penPosition;
    dc->penPosition = {x, y};
    return TRUE;
}

BOOL LineTo(HDC dc, int x, int y) {
    if (dc == nullptr) return FALSE;
    const POINT from = dc->penPosition;
    dc->penPosition = {x, y};
    const gdi::DrawTarget t = gdi::TargetOf(dc);
    const PenObject* pen = dc->pen;
    if (!t.valid() || pen == nullptr || pen->style == PS_NULL) return TRUE;

    const std::uint32_t p = gdi::StoredPixel(t, pen->color);
    const int w = pen->width;
    const int before = (w - 1) / 2;  // the pen's pixels before the point, and w / 2 after it
    Walk(from.x, from.y, x, y, [&](int px, int py) {
        const RECT r{px + t.dx - before, py + t.dy - before, px + t.dx + w / 2 + 1,
                     py + t.dy + w / 2 + 1};
        t.forEachSpan(r, [&](int row, int x0, int x1) {
            std::fill(t.surface->row(row) + x0, t.surface->row(row) + x1, p);
        });
    });

    Surface* fine = t.fineForWriting();
    if (fine == nullptr) return TRUE;
    // The walk from the start's block to the end's at the device's pixels, from each block's
    // first pixel in the direction the line goes. Each point takes the pen's width times the
    // scale across the line (from the block's edge) and along it one pixel, widened by the pen's
    // width less one pixel's worth, so that a line along a row or a column covers the blocks of
    // its pixels at scale 1 exactly.
    const int k = t.scale();
    const bool alongX = std::abs(x - from.x) >= std::abs(y - from.y);
    const int ox = x < from.x ? k - 1 : 0;
    const int oy = y < from.y ? k - 1 : 0;
    const int acrossFrom = -before * k - (alongX ? oy : ox);
    const int acrossTo = (w / 2 + 1) * k - (alongX ? oy : ox);
    const int alongFrom = -before * k;
    const int alongTo = (w / 2) * k + 1;
    Walk((from.x + t.dx) * k + ox, (from.y + t.dy) * k + oy, (x + t.dx) * k + ox,
         (y + t.dy) * k + oy, [&](int fx, int fy) {
             const RECT r =
                 alongX ? RECT{fx + alongFrom, fy + acrossFrom, fx + alongTo, fy + acrossTo}
                        : RECT{fx + acrossFrom, fy + alongFrom, fx + acrossTo, fy + alongTo};
             t.forEachFineSpan(r, [&](int row, int x0, int x1) {
                 std::fill(fine->row(row) + x0, fine->row(row) + x1, p);
                 // The device's walk may pass blocks whose pixel the walk at scale 1 left alone.
                 t.noteDrawn(RECT{x0 / k, row / k, (x1 + k - 1) / k, row / k + 1});
             });
         });
    return TRUE;
}
