// Rectangle helpers.
#include <algorithm>

#include "platform/gdi/gdi.hpp"

BOOL SetRect(RECT* r, int left, int top, int right, int bottom) {
    if (r == nullptr) return FALSE;
    *r = {left, top, right, bottom};
    return TRUE;
}

BOOL PtInRect(const RECT* r, POINT p) {
    return r != nullptr && p.x >= r->left && p.x < r->right && p.y >= r->top && p.y < r->bottom;
}

BOOL IsRectEmpty(const RECT* r) {
    return r == nullptr || r->right <= r->left || r->bottom <= r->top;
}

BOOL IntersectRect(RECT* out, const RECT* a, const RECT* b) {
    if (out == nullptr || a == nullptr || b == nullptr) return FALSE;
    const RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
                 std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(&r)) {
        *out = {};
        return FALSE;
    }
    *out = r;
    return TRUE;
}

BOOL OffsetRect(RECT* r, int dx, int dy) {
    if (r == nullptr) return FALSE;
    r->left += dx;
    r->right += dx;
    r->top += dy;
    r->bottom += dy;
    return TRUE;
}
