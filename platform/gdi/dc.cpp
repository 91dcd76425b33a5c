// Device contexts: creation, selection and attributes.
#include <memory>

#include "platform/gdi/draw_target.hpp"
#include "platform/gdi/object_table.hpp"

namespace gdi {

DrawTarget TargetOf(HDC dc) {
    DrawTarget t;
    if (dc == nullptr) return t;
    if (dc->isMemory) {
        if (dc->bitmap == nullptr) return t;
        t.surface = &dc->bitmap->surface;
        t.monochrome = dc->bitmap->monochrome;
    } else {
        t.surface = dc->target;
    }
    t.dx = dc->deviceOrigin.x - dc->windowOrg.x;
    t.dy = dc->deviceOrigin.y - dc->windowOrg.y;
    if (dc->clip) t.clip = &*dc->clip;
    t.damage = dc->damage.get();
    return t;
}

std::uint32_t StoredPixel(const DrawTarget& t, COLORREF color) {
    if (!t.monochrome) return PixelFromColorref(color);
    const int sum = GetRValue(color) + GetGValue(color) + GetBValue(color);
    return sum >= 3 * 128 ? 0xFFFFFFu : 0u;
}

}  // namespace gdi

namespace {

std::unique_ptr<DcObject> NewDc() {
    auto dc = std::make_unique<DcObject>();
    dc->font = gdi::StockSystemFont();
    dc->pen = gdi::StockBlackPen();
    dc->brush = gdi::StockWhiteBrush();
    return dc;
}

// Moves a selection slot from one object to another, keeping the selection counts.
template <typename T>
HGDIOBJ Swap(T*& slot, T* object) {
    T* previous = slot;
    gdi::NoteSelected(object);
    slot = object;
    gdi::NoteDeselected(previous);
    return previous;
}

}  // namespace

HDC CreateCompatibleDC(HDC /*dc*/) {
    auto dc = NewDc();
    dc->isMemory = true;
    dc->bitmap = gdi::StockBitmap();
    return gdi::Adopt(std::move(dc));
}

HDC GdiCreateSurfaceDC(Surface* target, POINT deviceOrigin, std::optional<Region> clip,
                       std::shared_ptr<Damage> damage) {
    auto dc = NewDc();
    dc->target = target;
    dc->deviceOrigin = deviceOrigin;
    dc->clip = std::move(clip);
    dc->damage = std::move(damage);
    return gdi::Adopt(std::move(dc));
}

BOOL DeleteDC(HDC dc) {
    if (dc == nullptr || !gdi::IsLive(dc)) return FALSE;
    gdi::NoteDeselected(dc->bitmap);
    gdi::NoteDeselected(dc->font);
    gdi::NoteDeselected(dc->pen);
    gdi::NoteDeselected(dc->brush);
    dc->bitmap = nullptr;
    dc->font = nullptr;
    dc->pen = nullptr;
    dc->brush = nullptr;
    return gdi::Release(dc) ? TRUE : FALSE;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    if (dc == nullptr || object == nullptr) return nullptr;
    if (!gdi::IsLive(object) && !gdi::IsStock(object)) return nullptr;
    if (auto* bitmap = dynamic_cast<BitmapObject*>(object)) {
        if (!dc->isMemory) return nullptr;  // only memory contexts hold bitmaps
        return Swap(dc->bitmap, bitmap);
    }
    if (auto* font = dynamic_cast<FontObject*>(object)) return Swap(dc->font, font);
    if (auto* pen = dynamic_cast<PenObject*>(object)) return Swap(dc->pen, pen);
    if (auto* brush = dynamic_cast<BrushObject*>(object)) return Swap(dc->brush, brush);
    return nullptr;
}

namespace {

// Sets one of the DC's colours (the unused top byte dropped); the previous colour, or
// CLR_INVALID without a DC.
COLORREF ExchangeColour(HDC dc, COLORREF DcObject::*field, COLORREF color) {
    if (dc == nullptr) return CLR_INVALID;
    const COLORREF old = dc->*field;
    dc->*field = color & 0x00FFFFFF;
    return old;
}

}  // namespace

COLORREF SetBkColor(HDC dc, COLORREF color) {
    return ExchangeColour(dc, &DcObject::bkColor, color);
}
COLORREF GetBkColor(HDC dc) {
    return dc != nullptr ? dc->bkColor : CLR_INVALID;
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
    return ExchangeColour(dc, &DcObject::textColor, color);
}
COLORREF GetTextColor(HDC dc) {
    return dc != nullptr ? dc->textColor : CLR_INVALID;
}

int SetBkMode(HDC dc, int mode) {
    if (dc == nullptr || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    const int old = dc->bkMode;
    dc->bkMode = mode;
    return old;
}
int GetBkMode(HDC dc) {
    return dc != nullptr ? dc->bkMode : 0;
}

int SetStretchBltMode(HDC dc, int mode) {
    if (dc == nullptr || mode < BLACKONWHITE || mode > HALFTONE) return 0;
    const int old = dc->stretchMode;
    dc->stretchMode = mode;
    return old;
}

// Only the text mapping mode exists: one logical unit is one pixel.
int SetMapMode(HDC dc, int mode) {
    if (dc == nullptr || mode != MM_TEXT) return 0;
    const int old = dc->mapMode;
    dc->mapMode = mode;
    return old;
}
int GetMapMode(HDC dc) {
    return dc != nullptr ? dc->mapMode : 0;
}

BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* previous) {
    if (dc == nullptr) return FALSE;
    if (previous != nullptr) *previous = dc->windowOrg;
    dc->windowOrg = {x, y};
    return TRUE;
}

// In the text mapping mode the extents are fixed at 1 x 1 and cannot be changed.
BOOL SetWindowExtEx(HDC dc, int /*x*/, int /*y*/, SIZE* previous) {
    if (dc == nullptr) return FALSE;
    if (previous != nullptr) *previous = {1, 1};
    return TRUE;
}
BOOL GetWindowExtEx(HDC dc, SIZE* extent) {
    if (dc == nullptr || extent == nullptr) return FALSE;
    *extent = {1, 1};
    return TRUE;
}
BOOL SetViewportExtEx(HDC dc, int x, int y, SIZE* previous) {
    return SetWindowExtEx(dc, x, y, previous);
}
BOOL GetViewportExtEx(HDC dc, SIZE* extent) {
    return GetWindowExtEx(dc, extent);
}

BOOL LPtoDP(HDC dc, POINT* points, int count) {
    if (dc == nullptr || (points == nullptr && count > 0)) return FALSE;
    for (int i = 0; i < count; ++i) {
        points[i].x -= dc->windowOrg.x;
        points[i].y -= dc->windowOrg.y;
    }
    return TRUE;
}

BOOL DPtoLP(HDC dc, POINT* points, int count) {
    if (dc == nullptr || (points == nullptr && count > 0)) return FALSE;
    for (int i = 0; i < count; ++i) {
        points[i].x += dc->windowOrg.x;
        points[i].y += dc->windowOrg.y;
    }
    return TRUE;
}
