// Pen lines: one pixel wide (or a square pen for wider ones), the last pixel left out.
#include <cstdlib>

#include "platform/gdi/draw_target.hpp"

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
    auto plot = [&](int px, int py) {
        const RECT r{px + t.dx - (w - 1) / 2, py + t.dy - (w - 1) / 2, px + t.dx + w / 2 + 1,
                     py + t.dy + w / 2 + 1};
        t.fill(r, p);
    };

    // Bresenham's walk from the start towards the end, stopping one pixel short of it.
    const int dx = std::abs(x - from.x);
    const int dy = -std::abs(y - from.y);
    const int stepX = from.x < x ? 1 : -1;
    const int stepY = from.y < y ? 1 : -1;
    int err = dx + dy;
    int cx = from.x;
    int cy = from.y;
    while (cx != x || cy != y) {
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
    return TRUE;
}
