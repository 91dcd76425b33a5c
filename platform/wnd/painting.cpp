// Painting: update regions, WM_PAINT when the queue is empty (parents before children),
// WM_ERASEBKGND, paint and window device contexts, the frame of captioned windows, and handing the
// backend the parts drawn since the last present (the damage its window DCs noted).
#include <algorithm>

#include "platform/wnd/control_drawing.hpp"
#include "platform/wnd/wnd_state.hpp"

namespace wnd {

namespace {

// Finds, parents before children and back to front among siblings, the first shown window that
// waits for WM_PAINT.
HWND FindPaintable(HWND w) {
    if (!w->visible || w->minimised) return nullptr;
    if (!w->updateRegion.empty()) return w;
    for (auto it = w->children.rbegin(); it != w->children.rend(); ++it) {
        if (HWND found = FindPaintable(*it)) return found;
    }
    return nullptr;
}

}  // namespace

void PresentPending() {
    const std::vector<HWND>& all = S().topLevels;
    if (std::none_of(all.begin(), all.end(),
                     [](HWND t) { return t->damage && !t->damage->empty(); }))
        return;
    const std::vector<HWND> tops = all;
    for (HWND t : tops) {
        if (Find(t) == nullptr || !t->damage || t->damage->empty()) continue;
        const std::vector<RECT> damage = t->damage->Take();
        if (platform::IsShownOnScreen(t)) B().Present(t, damage);
    }
}

void InvalidateClient(HWND hwnd, const Region& area, bool erase) {
    WindowObject* w = Find(hwnd);
    if (w == nullptr) return;
    const Region clipped = area.intersected(Region::FromRect(ClientRectOf(*w)));
    if (clipped.empty()) return;
    w->updateRegion = w->updateRegion.united(clipped);
    S().paintMayBeDue = true;
    if (erase) w->eraseRequested = true;
    if ((w->style & WS_CLIPCHILDREN) != 0 || w->children.empty()) return;
    // Without WS_CLIPCHILDREN the parent's painting covers its children, so they paint again.
    const RECT box = clipped.bounds();
    const bool rectangle = IsRectangle(clipped);
    for (WindowObject* child : w->children) {
        if (!child->visible) continue;
        const RECT overlap = IntersectRects(box, child->rect);
        if (overlap.left >= overlap.right) continue;
        Region under = ShapeInParentClient(*child).intersected(rectangle ? Region::FromRect(overlap)
                                                                         : clipped);
        if (under.empty()) continue;
        under.offset(-child->rect.left, -child->rect.top);
        InvalidateClient(child, under, erase);
    }
}

void InvalidateWhole(HWND hwnd, bool erase) {
    WindowObject* w = Find(hwnd);
    if (w == nullptr) return;
    if (!w->isChild()) {
        w->frameDirty = true;
        S().paintMayBeDue = true;
    }
    InvalidateClient(hwnd, Region::FromRect(ClientRectOf(*w)), erase);
    if ((w->style & WS_CLIPCHILDREN) != 0) {
        for (WindowObject* child : w->children) {
            if (child->visible) InvalidateWhole(child, erase);
        }
    }
}

void InvalidateUnder(HWND child) {
    WindowObject* c = Find(child);
    if (c == nullptr || !c->isChild() || c->parent == nullptr) return;
    InvalidateClient(c->parent, ShapeInParentClient(*c), true);
}

void PaintNonClient(HWND topLevel) {
    WindowObject* w = Find(topLevel);
    if (w == nullptr || !w->frameDirty || w->surface == nullptr) return;
    w->frameDirty = false;
    const Insets in = NonClientInsets(*w);
    if (in.left == 0 && in.top == 0 && in.right == 0 && in.bottom == 0) return;
    Region frame = platform::WindowShape(topLevel).subtracted(
        Region::FromRect(RECT{in.left, in.top, w->width() - in.right, w->height() - in.bottom}));
    HDC dc = GdiCreateSurfaceDC(w->surface.get(), POINT{0, 0}, frame, w->damage);
    const RECT whole{0, 0, w->width(), w->height()};
    FrameSolid(dc, whole, kFrameColor);
    if ((w->style & WS_CAPTION) == WS_CAPTION) {
        const RECT bar{kFrameWidth, kFrameWidth, w->width() - kFrameWidth, in.top};
        FillSolid(dc, bar, kCaptionColor);
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, RGB(255, 255, 255));
        RECT title{bar.left + 8, bar.top, bar.right - kCaptionHeight, bar.bottom};
        ::DrawTextW(dc, w->text.c_str(), static_cast<int>(w->text.size()), &title,
                    DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        if ((w->style & WS_SYSMENU) != 0) {
            // The close box: a cross in the caption's right end.
            const int cx = bar.right - kCaptionHeight / 2;
            const int cy = (bar.top + bar.bottom) / 2;
            HPEN pen = ::CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
            const HGDIOBJ old = ::SelectObject(dc, pen);
            for (int d = 0; d < 2; ++d) {
                ::MoveToEx(dc, cx - 5 + d, cy - 5, nullptr);
                ::LineTo(dc, cx + 6 + d, cy + 6);
                ::MoveToEx(dc, cx + 5 - d, cy - 5, nullptr);
                ::LineTo(dc, cx - 6 - d, cy + 6);
            }
            ::SelectObject(dc, old);
            ::DeleteObject(pen);
        }
    }
    ::DeleteDC(dc);
}

bool PaintNext() {
    if (!S().paintMayBeDue) return false;
    const std::vector<HWND> tops = S().topLevels;
    for (HWND t : tops) {
        if (Find(t) == nullptr || !t->visible || t->minimised) continue;
        if (t->frameDirty) {
            PaintNonClient(t);
            return true;
        }
        HWND target = FindPaintable(t);
        if (target == nullptr) continue;
        target->validatedDuringPaint = false;
        MSG msg;
        msg.hwnd = target;
        msg.message = WM_PAINT;
        msg.time = B().Now();
        msg.pt = S().cursor;
        ::DispatchMessageW(&msg);
        // A window that swallows WM_PAINT without painting would be asked again forever.
        if (Find(target) != nullptr && !target->validatedDuringPaint) {
            target->updateRegion = Region{};
            target->eraseRequested = false;
        }
        return true;
    }
    S().paintMayBeDue = false;
    return false;
}

}  // namespace wnd

using namespace wnd;

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    WindowObject* w = Find(hwnd);
    if (w == nullptr) return FALSE;
    const RECT area = rect != nullptr ? *rect : ClientRectOf(*w);
    InvalidateClient(hwnd, Region::FromRect(area), erase != FALSE);
    return TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
    WindowObject* w = Find(hwnd);
    if (w == nullptr) return FALSE;
    if (!w->updateRegion.empty() && platform::IsShownOnScreen(hwnd)) {
        w->validatedDuringPaint = false;
        Send(hwnd, WM_PAINT, 0, 0);
        if (Find(hwnd) != nullptr && !w->validatedDuringPaint) w->updateRegion = Region{};
    }
    PresentPending();
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase) {
    WindowObject* w = Find(hwnd);
    if (w == nullptr) return FALSE;
    const RECT box = w->updateRegion.bounds();
    if (rect != nullptr) *rect = box;
    if (erase != FALSE && w->eraseRequested && !w->updateRegion.empty()) {
        w->eraseRequested = false;
        HDC dc = ::GetDC(hwnd);
        Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        ::ReleaseDC(hwnd, dc);
    }
    return w->updateRegion.empty() ? FALSE : TRUE;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint) {
    WindowObject* w = Find(hwnd);
    HWND top = TopLevelOf(hwnd);
    if (w == nullptr || top == nullptr || top->surface == nullptr || paint == nullptr)
        return nullptr;
    const POINT origin = ClientOriginInSurface(hwnd);
    Region update = w->updateRegion;
    const bool erase = w->eraseRequested;
    w->updateRegion = Region{};
    w->eraseRequested = false;
    w->validatedDuringPaint = true;
    paint->rcPaint = update.bounds();
    update.offset(origin.x, origin.y);
    Region clip = VisibleClientRegion(hwnd).intersected(update);
    HDC dc = GdiCreateSurfaceDC(top->surface.get(), origin, std::move(clip), top->damage);
    paint->hdc = dc;
    paint->fErase = TRUE;
    if (erase) {
        paint->fErase =
            Send(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) != 0 ? FALSE : TRUE;
    }
    return dc;
}

BOOL EndPaint(HWND /*hwnd*/, const PAINTSTRUCT* paint) {
    if (paint == nullptr || paint->hdc == nullptr) return FALSE;
    ::DeleteDC(paint->hdc);
    return TRUE;
}

HDC GetDC(HWND hwnd) {
    HWND top = TopLevelOf(hwnd);
    if (Find(hwnd) == nullptr || top == nullptr || top->surface == nullptr) return nullptr;
    return GdiCreateSurfaceDC(top->surface.get(), ClientOriginInSurface(hwnd),
                              VisibleClientRegion(hwnd), top->damage);
}

int ReleaseDC(HWND /*hwnd*/, HDC dc) {
    if (dc == nullptr) return 0;
    return ::DeleteDC(dc) != FALSE ? 1 : 0;
}
