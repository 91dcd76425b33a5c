// The window tree: creation and destruction, attributes, geometry and the queries a backend makes.
#include <algorithm>

#include "platform/context.hpp"
#include "platform/gdi/resources.hpp"
#include "platform/wnd/afxwin.hpp"
#include "platform/wnd/wnd_state.hpp"

namespace wnd {

State::State() {
    B();
}

State::~State() {
    while (!topLevels.empty()) {
        HWND top = topLevels.front();
        ::DestroyWindow(top);
        if (!topLevels.empty() && topLevels.front() == top) topLevels.erase(topLevels.begin());
    }
}

State& S() {
    return platform::Context::Current().Part<State>();
}

platform::Backend& B() {
    return platform::ActiveBackend();
}

WindowObject* Find(HWND hwnd) {
    if (hwnd == nullptr) return nullptr;
    auto& windows = S().windows;
    return windows.contains(hwnd) ? hwnd : nullptr;
}

HWND TopLevelOf(HWND hwnd) {
    return FirstUpToTop(hwnd, [](const WindowObject& w) { return !w.isChild() || !w.parent; });
}

bool IsInside(HWND window, HWND ancestor) {
    return FirstUpToTop(window, [ancestor](const WindowObject& w) { return &w == ancestor; }) !=
           nullptr;
}

Insets NonClientInsets(const WindowObject& w) {
    Insets in;
    if (w.isChild()) return in;
    if ((w.style & WS_CAPTION) == WS_CAPTION) {
        in = {kFrameWidth, kFrameWidth + kCaptionHeight, kFrameWidth, kFrameWidth};
    } else if ((w.style & WS_BORDER) != 0 || (w.style & WS_DLGFRAME) != 0) {
        in = {kFrameWidth, kFrameWidth, kFrameWidth, kFrameWidth};
    }
    return in;
}

RECT ClientRectOf(const WindowObject& w) {
    const Insets in = NonClientInsets(w);
    return RECT{0, 0, std::max(0, w.width() - in.left - in.right),
                std::max(0, w.height() - in.top - in.bottom)};
}

POINT WindowOriginInSurface(HWND hwnd) {
    const WindowObject* w = Find(hwnd);
    if (w == nullptr || !w->isChild()) return POINT{0, 0};
    const POINT p = ClientOriginInSurface(w->parent);
    return POINT{p.x + w->rect.left, p.y + w->rect.top};
}

POINT ClientOriginInSurface(HWND hwnd) {
    const WindowObject* w = Find(hwnd);
    if (w == nullptr) return POINT{0, 0};
    const POINT p = WindowOriginInSurface(hwnd);
    const Insets in = NonClientInsets(*w);
    return POINT{p.x + in.left, p.y + in.top};
}

POINT ClientOriginOnScreen(HWND hwnd) {
    const WindowObject* top = Find(TopLevelOf(hwnd));
    if (top == nullptr) return POINT{0, 0};
    const POINT p = ClientOriginInSurface(hwnd);
    return POINT{top->rect.left + p.x, top->rect.top + p.y};
}

Region ShapeInParentClient(const WindowObject& child) {
    Region shape = Region::FromRect(RECT{0, 0, child.width(), child.height()});
    if (child.region) shape = shape.intersected(*child.region);
    shape.offset(child.rect.left, child.rect.top);
    return shape;
}

namespace {

// The window's shape (rectangle cut by its region) in surface coordinates.
Region ShapeInSurface(HWND hwnd) {
    const WindowObject* w = Find(hwnd);
    Region shape = Region::FromRect(RECT{0, 0, w->width(), w->height()});
    if (w->region) shape = shape.intersected(*w->region);
    const POINT o = WindowOriginInSurface(hwnd);
    shape.offset(o.x, o.y);
    return shape;
}

bool IsShown(const WindowObject& w) {
    return w.visible && !w.minimised;
}

}  // namespace

RECT IntersectRects(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.left >= r.right || r.top >= r.bottom) r = RECT{};
    return r;
}

bool IsRectangle(const Region& region) {
    const RECT b = region.bounds();
    const auto& spans = region.spans();
    if (spans.size() != static_cast<std::size_t>(b.bottom - b.top)) return false;
    return std::all_of(spans.begin(), spans.end(),
                       [&](const Region::Span& s) { return s.x0 == b.left && s.x1 == b.right; });
}

Region VisibleClientRegion(HWND hwnd) {
    WindowObject* w = Find(hwnd);
    if (w == nullptr || !platform::IsShownOnScreen(hwnd)) return Region{};
    // Rectangles first (the window's and its ancestors' client areas), then the window regions
    // of the chain, so that the region operations work on the small area that is left.
    const auto clientInSurface = [](HWND h) {
        RECT c = ClientRectOf(*h);
        const POINT o = ClientOriginInSurface(h);
        return RECT{c.left + o.x, c.top + o.y, c.right + o.x, c.bottom + o.y};
    };
    RECT box = clientInSurface(hwnd);
    for (WindowObject* c = w; c->isChild() && c->parent != nullptr; c = c->parent) {
        box = IntersectRects(box, clientInSurface(c->parent));
    }
    Region r = Region::FromRect(box);
    for (WindowObject* c = w; c != nullptr && !r.empty(); c = c->isChild() ? c->parent : nullptr) {
        if (c->region) {
            Region shape = *c->region;
            const POINT o = WindowOriginInSurface(c);
            shape.offset(o.x, o.y);
            r = r.intersected(shape);
        }
    }
    if ((w->style & WS_CLIPCHILDREN) != 0) {
        for (WindowObject* child : w->children) {
            if (child->visible) r = r.subtracted(ShapeInSurface(child));
        }
    }
    return r;
}

}  // namespace wnd

using namespace wnd;

namespace platform {

std::vector<HWND> TopLevelWindows() {
    return S().topLevels;
}

bool IsTopLevel(HWND hwnd) {
    const WindowObject* w = Find(hwnd);
    return w != nullptr && !w->isChild();
}

bool IsShownOnScreen(HWND hwnd) {
    return Find(hwnd) != nullptr &&
           FirstUpToTop(hwnd, [](const WindowObject& w) { return !IsShown(w); }) == nullptr;
}

RECT WindowScreenRect(HWND hwnd) {
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    return r;
}

Surface* WindowSurface(HWND hwnd) {
    WindowObject* w = Find(hwnd);
    return w != nullptr ? w->surface.get() : nullptr;
}

Region WindowShape(HWND hwnd) {
    const WindowObject* w = Find(hwnd);
    if (w == nullptr) return Region{};
    Region shape = Region::FromRect(RECT{0, 0, w->width(), w->height()});
    if (w->region) shape = shape.intersected(*w->region);
    return shape;
}

std::wstring WindowCaption(HWND hwnd) {
    const WindowObject* w = Find(hwnd);
    return w != nullptr ? w->text : std::wstring{};
}

}  // namespace platform

namespace {

void ResizeSurface(WindowObject& w) {
    if (w.isChild()) return;
    const int width = std::max(0, w.width());
    const int height = std::max(0, w.height());
    if (w.surface && w.surface->width() == width && w.surface->height() == height) return;
    w.surface = std::make_unique<Surface>(width, height, 0xFFFFFF);
    const int scale = B().SurfaceScale();
    w.surface->SetScale(scale);
    SetBitmapScale(scale);  // the bitmaps drawn into it come with their artwork at that scale
    if (!w.damage) w.damage = std::make_shared<Damage>();
}

// Places a new top-level window in front of the others of its kind (topmost ones stay first).
void InsertTopLevel(HWND hwnd) {
    auto& tops = S().topLevels;
    const bool topmost = (hwnd->exStyle & WS_EX_TOPMOST) != 0;
    auto at = tops.begin();
    if (!topmost) {
        at = std::find_if(tops.begin(), tops.end(),
                          [](HWND t) { return (t->exStyle & WS_EX_TOPMOST) == 0; });
    }
    tops.insert(at, hwnd);
}

void DestroyTree(HWND hwnd, std::vector<HWND>& order) {
    order.push_back(hwnd);
    const std::vector<WindowObject*> children = hwnd->children;
    for (WindowObject* child : children) DestroyTree(child, order);
}

}  // namespace

HWND GetDesktopWindow() {
    auto& desktop = S().desktop;
    if (!desktop) {
        desktop = std::make_unique<WindowObject>();
        desktop->className = L"#32769";
        const SIZE screen = B().ScreenSize();
        desktop->rect = RECT{0, 0, screen.cx, screen.cy};
        desktop->visible = true;
    }
    return desktop.get();
}

HWND CreateWindowExW(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                     int x, int y, int width, int height, HWND parent, UINT_PTR id, CWnd* object) {
    RegisterBuiltinClasses();
    const WindowClass* cls = FindClass(className != nullptr ? className : L"");
    if (cls == nullptr) return nullptr;
    if (parent != nullptr && Find(parent) == nullptr) return nullptr;
    const bool child = (style & WS_CHILD) != 0;
    if (child && parent == nullptr) return nullptr;

    auto owned = std::make_unique<WindowObject>();
    HWND hwnd = owned.get();
    hwnd->className = cls->name;
    hwnd->windowClass = cls;
    hwnd->style = style & ~WS_VISIBLE;
    hwnd->exStyle = exStyle;
    hwnd->id = child ? id : 0;
    hwnd->rect = RECT{x, y, x + std::max(0, width), y + std::max(0, height)};
    hwnd->normalRect = hwnd->rect;
    hwnd->enabled = (style & WS_DISABLED) == 0;
    hwnd->minimised = false;
    if (text != nullptr) hwnd->text = text;
    S().windows.emplace(hwnd, std::move(owned));
    if (child) {
        hwnd->parent = parent;
        parent->children.push_back(hwnd);  // new children go to the bottom of the z-order
    } else {
        hwnd->owner = TopLevelOf(parent);
        ResizeSurface(*hwnd);
        hwnd->frameDirty = true;
        S().paintMayBeDue = true;
        InsertTopLevel(hwnd);
    }
    if (object != nullptr) {
        object->m_hWnd = hwnd;
        hwnd->object = object;
    }
    if (!child) B().TopLevelCreated(hwnd);

    CREATESTRUCTW create;
    create.hwndParent = parent;
    create.id = id;
    create.x = x;
    create.y = y;
    create.cx = width;
    create.cy = height;
    create.style = style;
    create.lpszName = text;
    create.lpszClass = className;
    create.dwExStyle = exStyle;
    if (Send(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        ::DestroyWindow(hwnd);
        return nullptr;
    }
    if (Find(hwnd) == nullptr) return nullptr;
    if ((style & WS_VISIBLE) != 0) ::ShowWindow(hwnd, SW_SHOWNA);
    return hwnd;
}

BOOL DestroyWindow(HWND hwnd) {
    if (Find(hwnd) == nullptr) return FALSE;
    State& s = S();
    // Owned top-level windows go first, as on Windows.
    if (!hwnd->isChild()) {
        const std::vector<HWND> tops = s.topLevels;
        for (HWND t : tops) {
            if (Find(t) != nullptr && t->owner == hwnd) ::DestroyWindow(t);
        }
    }
    if (hwnd->isChild() && hwnd->visible) InvalidateUnder(hwnd);
    std::vector<HWND> order;
    DestroyTree(hwnd, order);
    for (HWND w : order) {
        if (Find(w) != nullptr) Send(w, WM_DESTROY, 0, 0);
    }
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if (Find(*it) != nullptr) Send(*it, WM_NCDESTROY, 0, 0);
    }
    if (Find(hwnd) == nullptr) return TRUE;  // destroyed from within its own messages
    if (hwnd->isChild() && hwnd->parent != nullptr) {
        auto& siblings = hwnd->parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), hwnd), siblings.end());
    }
    const bool topLevel = !hwnd->isChild();
    if (topLevel) {
        auto& tops = s.topLevels;
        tops.erase(std::remove(tops.begin(), tops.end(), hwnd), tops.end());
        B().TopLevelDestroyed(hwnd);
    }
    const bool heldCapture =
        std::any_of(order.begin(), order.end(), [&](HWND w) { return w == s.capture; });
    for (HWND w : order) {
        if (Find(w) == nullptr) continue;
        if (w->object != nullptr && w->object->m_hWnd == w) w->object->m_hWnd = nullptr;
        w->object = nullptr;
        RemoveWindowTimers(w);
        PurgeMessages(w);
        if (s.capture == w) s.capture = nullptr;
        if (s.focus == w) s.focus = nullptr;
        if (s.activeMenu == w) s.activeMenu = nullptr;
        if (s.move && s.move->window == w) s.move.reset();
    }
    for (HWND w : order) {
        const auto node = s.windows.find(w);
        if (node == s.windows.end()) continue;
        std::unique_ptr<WindowObject> record = std::move(node->second);
        s.windows.erase(node);
        *record = WindowObject{};  // frees what the window held; the address stays taken
        s.retired.push_back(std::move(record));
    }
    if (heldCapture) FollowCaptureRelease();
    return TRUE;
}

BOOL IsWindow(HWND hwnd) {
    return Find(hwnd) != nullptr ? TRUE : FALSE;
}

HWND GetParent(HWND hwnd) {
    const WindowObject* w = Find(hwnd);
    if (w == nullptr) return nullptr;
    return w->isChild() ? w->parent : w->owner;
}

HWND GetAncestorTopLevel(HWND hwnd) {
    return TopLevelOf(hwnd);
}

HWND GetDlgItem(HWND parent, int id) {
    const WindowObject* p = Find(parent);
    if (p == nullptr) return nullptr;
    for (WindowObject* c : p->children) {
        if (static_cast<int>(static_cast<WORD>(c->id)) == static_cast<int>(static_cast<WORD>(id))) {
            return c;
        }
    }
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
    const WindowObject* w = Find(hwnd);
    return w != nullptr && w->isChild() ? static_cast<int>(w->id) : 0;
}

LONG GetWindowLongW(HWND hwnd, int index) {
    const WindowObject* w = Find(hwnd);
    if (w == nullptr) return 0;
    switch (index) {
        case GWL_STYLE: {
            DWORD style = w->style & ~(WS_VISIBLE | WS_DISABLED | WS_MINIMIZE);
            if (w->visible) style |= WS_VISIBLE;
            if (!w->enabled) style |= WS_DISABLED;
            if (w->minimised) style |= WS_MINIMIZE;
            return static_cast<LONG>(style);
        }
        case GWL_EXSTYLE:
            return static_cast<LONG>(w->exStyle);
        case GWL_ID:
            return static_cast<LONG>(w->id);
        default:
            return 0;
    }
}

std::wstring GetClassNameW(HWND hwnd) {
    const WindowObject* w = Find(hwnd);
    return w != nullptr ? w->className : std::wstring{};
}

BOOL SetWindowTextW(HWND hwnd, const wchar_t* text) {
    if (Find(hwnd) == nullptr) return FALSE;
    return Send(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0 ? TRUE : FALSE;
}

int GetWindowTextW(HWND hwnd, wchar_t* buffer, int maxCount) {
    const WindowObject* w = Find(hwnd);
    if (w == nullptr || buffer == nullptr || maxCount <= 0) return 0;
    const int n = std::min(static_cast<int>(w->text.size()), maxCount - 1);
    std::copy_n(w->text.begin(), n, buffer);
    buffer[n] = L'\0';
    return n;
}

int GetWindowTextLengthW(HWND hwnd) {
    const WindowObject* w = Find(hwnd);
    return w != nullptr ? static_cast<int>(w->text.size()) : 0;
}

BOOL ShowWindow(HWND hwnd, int command) {
    WindowObject* w = Find(hwnd);
    if (w == nullptr) return FALSE;
    const BOOL wasVisible = w->visible ? TRUE : FALSE;
    const bool wasShown = platform::IsShownOnScreen(hwnd);
    const bool wasMinimised = w->minimised;
    bool visible = w->visible;
    bool minimised = w->minimised;
    switch (command) {
        case SW_HIDE:
            visible = false;
            break;
        case SW_SHOWMINIMIZED:
        case SW_MINIMIZE:
            visible = true;
            minimised = !w->isChild();
            break;
        case SW_RESTORE:
        case SW_SHOWNORMAL:
            visible = true;
            minimised = false;
            break;
        default:  // SW_SHOW, SW_SHOWNA, SW_SHOWNOACTIVATE
            visible = true;
            break;
    }
    if (visible == w->visible && minimised == w->minimised) return wasVisible;
    if (visible != w->visible) Send(hwnd, WM_SHOWWINDOW, visible ? TRUE : FALSE, 0);
    if (Find(hwnd) == nullptr) return wasVisible;
    if (w->isChild() && wasShown && !visible) InvalidateUnder(hwnd);
    if (minimised && !w->minimised) w->normalRect = w->rect;
    w->visible = visible;
    w->minimised = minimised;
    S().paintMayBeDue = true;
    if (!visible || minimised) {
        State& s = S();
        // A hidden window gives up the mouse and the keyboard.
        if (IsInside(s.capture, hwnd)) ::ReleaseCapture();
        if (IsInside(s.focus, hwnd)) s.focus = nullptr;
    }
    if (platform::IsShownOnScreen(hwnd) && !wasShown) {
        InvalidateWhole(hwnd, true);
        // Every pixel of a top-level window that appears is new on screen.
        if (!w->isChild()) w->damage->Add(RECT{0, 0, w->width(), w->height()});
    }
    if (!w->isChild()) {
        if (wasMinimised && !minimised) InvalidateWhole(hwnd, true);
        B().TopLevelChanged(hwnd);
        if (command == SW_MINIMIZE || command == SW_SHOWMINIMIZED || command == SW_RESTORE) {
            Send(hwnd, WM_SIZE, minimised ? 1 : 0,
                 MAKELPARAM(static_cast<WORD>(ClientRectOf(*w).right),
                            static_cast<WORD>(ClientRectOf(*w).bottom)));
        }
    }
    return wasVisible;
}

BOOL IsWindowVisible(HWND hwnd) {
    const bool hidden = FirstUpToTop(hwnd, [](const WindowObject& w) { return !w.visible; });
    return Find(hwnd) != nullptr && !hidden ? TRUE : FALSE;
}

BOOL IsIconic(HWND hwnd) {
    const WindowObject* w = Find(hwnd);
    return w != nullptr && w->minimised ? TRUE : FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    WindowObject* w = Find(hwnd);
    if (w == nullptr) return FALSE;
    const BOOL wasDisabled = w->enabled ? FALSE : TRUE;
    const bool on = enable != FALSE;
    if (w->enabled == on) return wasDisabled;
    State& s = S();
    if (!on) {
        // As on Windows: the window's own mode (a press, a drag) ends first; then neither it nor
        // any window inside it keeps the mouse, since a disabled window takes no input.
        Send(hwnd, WM_CANCELMODE, 0, 0);
        if (Find(hwnd) == nullptr) return wasDisabled;
    }
    w->enabled = on;
    if (!on) {
        if (IsInside(s.capture, hwnd)) ::ReleaseCapture();
        if (s.focus == hwnd) s.focus = nullptr;
    }
    Send(hwnd, WM_ENABLE, on ? TRUE : FALSE, 0);
    if (Find(hwnd) != nullptr && !w->isChild()) B().TopLevelChanged(hwnd);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
    const WindowObject* w = Find(hwnd);
    return w != nullptr && w->enabled ? TRUE : FALSE;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    WindowObject* w = Find(hwnd);
    if (w == nullptr) return FALSE;
    RECT r = w->rect;
    if ((flags & SWP_NOMOVE) == 0) {
        r = RECT{x, y, x + (r.right - r.left), y + (r.bottom - r.top)};
    }
    if ((flags & SWP_NOSIZE) == 0) {
        r.right = r.left + std::max(0, width);
        r.bottom = r.top + std::max(0, height);
    }
    const bool moved = r.left != w->rect.left || r.top != w->rect.top;
    const bool sized = (r.right - r.left) != w->width() || (r.bottom - r.top) != w->height();
    if ((flags & SWP_NOZORDER) == 0 && insertAfter == nullptr) {
        // HWND_TOP: to the front of its siblings.
        if (w->isChild()) {
            auto& siblings = w->parent->children;
            const auto at = std::find(siblings.begin(), siblings.end(), hwnd);
            if (at != siblings.end()) std::rotate(siblings.begin(), at, at + 1);
        } else {
            auto& tops = S().topLevels;
            tops.erase(std::remove(tops.begin(), tops.end(), hwnd), tops.end());
            InsertTopLevel(hwnd);
        }
    }
    if (moved || sized) {
        const bool shown = platform::IsShownOnScreen(hwnd);
        if (w->isChild() && shown) InvalidateUnder(hwnd);
        w->rect = r;
        if (!w->minimised) w->normalRect = r;
        if (!w->isChild()) {
            ResizeSurface(*w);
            if (sized) InvalidateWhole(hwnd, true);
            B().TopLevelChanged(hwnd);
        } else if (shown) {
            InvalidateWhole(hwnd, true);
        }
        if (moved) Send(hwnd, WM_MOVE, 0, 0);
        if (sized && Find(hwnd) != nullptr) {
            const RECT c = ClientRectOf(*w);
            Send(hwnd, WM_SIZE, 0,
                 MAKELPARAM(static_cast<WORD>(c.right), static_cast<WORD>(c.bottom)));
        }
    }
    if (Find(hwnd) == nullptr) return TRUE;
    if ((flags & SWP_SHOWWINDOW) != 0) ::ShowWindow(hwnd, SW_SHOWNA);
    if ((flags & SWP_HIDEWINDOW) != 0) ::ShowWindow(hwnd, SW_HIDE);
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL /*repaint*/) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
    const WindowObject* w = Find(hwnd);
    if (w == nullptr || rect == nullptr) {
        if (hwnd != nullptr && hwnd == S().desktop.get() && rect != nullptr) {
            *rect = hwnd->rect;
            return TRUE;
        }
        return FALSE;
    }
    if (!w->isChild()) {
        *rect = w->rect;
        return TRUE;
    }
    const POINT o = ClientOriginOnScreen(w->parent);
    *rect = RECT{w->rect.left + o.x, w->rect.top + o.y, w->rect.right + o.x, w->rect.bottom + o.y};
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
    const WindowObject* w = Find(hwnd);
    if (rect == nullptr) return FALSE;
    if (w == nullptr) {
        if (hwnd != nullptr && hwnd == S().desktop.get()) {
            *rect = hwnd->rect;
            return TRUE;
        }
        return FALSE;
    }
    *rect = ClientRectOf(*w);
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* point) {
    if (Find(hwnd) == nullptr || point == nullptr) return FALSE;
    const POINT o = ClientOriginOnScreen(hwnd);
    point->x += o.x;
    point->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* point) {
    if (Find(hwnd) == nullptr || point == nullptr) return FALSE;
    const POINT o = ClientOriginOnScreen(hwnd);
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

BOOL GetWindowPlacement(HWND hwnd, WINDOWPLACEMENT* placement) {
    const WindowObject* w = Find(hwnd);
    if (w == nullptr || placement == nullptr) return FALSE;
    placement->flags = 0;
    placement->showCmd = w->minimised ? SW_SHOWMINIMIZED : (w->visible ? SW_SHOWNORMAL : SW_HIDE);
    placement->ptMinPosition = POINT{-1, -1};
    placement->ptMaxPosition = POINT{-1, -1};
    placement->rcNormalPosition = w->minimised ? w->normalRect : w->rect;
    return TRUE;
}

BOOL SetWindowPlacement(HWND hwnd, const WINDOWPLACEMENT* placement) {
    WindowObject* w = Find(hwnd);
    if (w == nullptr || placement == nullptr) return FALSE;
    const RECT& r = placement->rcNormalPosition;
    if (w->minimised) {
        w->normalRect = r;
    } else {
        SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (Find(hwnd) == nullptr) return FALSE;
    const int cmd = static_cast<int>(placement->showCmd);
    if (cmd == SW_HIDE || cmd == SW_MINIMIZE || cmd == SW_SHOWMINIMIZED || cmd == SW_RESTORE ||
        cmd == SW_SHOWNORMAL || cmd == SW_SHOW) {
        ::ShowWindow(hwnd, cmd);
    }
    if (Find(hwnd) != nullptr && w->minimised) {
        // Restoring later returns to the new normal position.
        w->normalRect = r;
    }
    return TRUE;
}

int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw) {
    WindowObject* w = Find(hwnd);
    if (w == nullptr) return 0;
    const bool shown = platform::IsShownOnScreen(hwnd);
    if (w->isChild() && shown && redraw != FALSE) InvalidateUnder(hwnd);
    if (region != nullptr) {
        w->region = region->region;
        ::DeleteObject(region);  // the window owns the region from now on
    } else {
        w->region.reset();
    }
    if (!w->isChild()) B().TopLevelChanged(hwnd);
    if (shown && redraw != FALSE) InvalidateWhole(hwnd, true);
    return 1;
}

BOOL SetPropW(HWND hwnd, const wchar_t* name, void* value) {
    WindowObject* w = Find(hwnd);
    if (w == nullptr || name == nullptr) return FALSE;
    w->properties[name] = value;
    return TRUE;
}

void* GetPropW(HWND hwnd, const wchar_t* name) {
    const WindowObject* w = Find(hwnd);
    if (w == nullptr || name == nullptr) return nullptr;
    const auto it = w->properties.find(name);
    return it != w->properties.end() ? it->second : nullptr;
}

void* RemovePropW(HWND hwnd, const wchar_t* name) {
    WindowObject* w = Find(hwnd);
    if (w == nullptr || name == nullptr) return nullptr;
    const auto it = w->properties.find(name);
    if (it == w->properties.end()) return nullptr;
    void* value = it->second;
    w->properties.erase(it);
    return value;
}

int GetSystemMetrics(int index) {
    switch (index) {
        case SM_CXSCREEN:
            return B().ScreenSize().cx;
        case SM_CYSCREEN:
            return B().ScreenSize().cy;
        case SM_CXICON:
        case SM_CYICON:
            return 32;
        default:
            return 0;
    }
}
