// Input: raw mouse and key input queued by the backend and resolved when the loop takes it, as
// Windows does (hit test, WM_SETCURSOR, then the client or non-client message); capture, focus,
// key state, WindowFromPoint, and moving a top-level window with the mouse or the keyboard.
#include "platform/wnd/input.hpp"

#include <algorithm>

#include "platform/wnd/wnd_state.hpp"

namespace wnd {

namespace {

// Raw input travels in the queue as a message without a window; the point is on screen, and the
// lParam holds it in the backend's pixels.
void QueueRaw(UINT message, WPARAM wParam, POINT screen, POINT device) {
    MSG msg;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = MAKELPARAM(static_cast<WORD>(device.x), static_cast<WORD>(device.y));
    msg.pt = screen;
    msg.time = B().Now();
    Post(msg);
}

bool TakesMouse(const WindowObject& top) {
    return top.visible && !top.minimised && (top.exStyle & WS_EX_TRANSPARENT) == 0;
}

// The deepest shown window under a point given in the client coordinates of w.
HWND DeepestChild(HWND w, POINT client) {
    for (WindowObject* c : w->children) {
        if (!c->visible || !c->enabled) continue;
        const int x = client.x - c->rect.left;
        const int y = client.y - c->rect.top;
        if (x < 0 || y < 0 || x >= c->width() || y >= c->height()) continue;
        if (c->region && !c->region->contains(x, y)) continue;
        const Insets in = NonClientInsets(*c);
        return DeepestChild(c, POINT{x - in.left, y - in.top});
    }
    return w;
}

HWND TopLevelAt(POINT screen) {
    for (HWND t : S().topLevels) {
        if (!TakesMouse(*t)) continue;
        const int x = screen.x - t->rect.left;
        const int y = screen.y - t->rect.top;
        if (x < 0 || y < 0 || x >= t->width() || y >= t->height()) continue;
        if (t->region && !t->region->contains(x, y)) continue;
        return t;
    }
    return nullptr;
}

void ApplyKeyState(UINT message, WPARAM wParam) {
    State& s = S();
    switch (message) {
        case WM_LBUTTONDOWN:
            s.keys[VK_LBUTTON] = true;
            break;
        case WM_LBUTTONUP:
            s.keys[VK_LBUTTON] = false;
            break;
        case WM_RBUTTONDOWN:
            s.keys[0x02] = true;
            break;
        case WM_RBUTTONUP:
            s.keys[0x02] = false;
            break;
        case WM_KEYDOWN:
            s.keys[wParam & 0xFF] = true;
            break;
        case WM_KEYUP:
            s.keys[wParam & 0xFF] = false;
            break;
        default:
            break;
    }
}

UINT NonClientMessage(UINT message) {
    switch (message) {
        case WM_MOUSEMOVE:
            return WM_NCMOUSEMOVE;
        case WM_LBUTTONDOWN:
            return WM_NCLBUTTONDOWN;
        case WM_LBUTTONUP:
            return WM_NCLBUTTONUP;
        case WM_RBUTTONDOWN:
            return WM_NCRBUTTONDOWN;
        default:
            return WM_NCRBUTTONUP;
    }
}

bool MoveModeTakes(MSG& msg) {
    State& s = S();
    if (!s.move) return false;
    MoveMode& m = *s.move;
    if (Find(m.window) == nullptr) {
        s.move.reset();
        return false;
    }
    const auto moveTo = [&](POINT cursor) {
        const int x = m.startRect.left + cursor.x - m.startCursor.x;
        const int y = m.startRect.top + cursor.y - m.startCursor.y;
        const POINT distance{GET_X_LPARAM(msg.lParam) - m.startDevice.x,
                             GET_Y_LPARAM(msg.lParam) - m.startDevice.y};
        B().TopLevelMoveFollows(m.window, POINT{x, y}, distance);
        ::SetWindowPos(m.window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    switch (msg.message) {
        case WM_MOUSEMOVE:
            moveTo(msg.pt);
            return true;
        case WM_LBUTTONUP:
        case WM_LBUTTONDOWN:
            moveTo(msg.pt);
            if (msg.message == WM_LBUTTONUP || !m.byButton) s.move.reset();
            return true;
        case WM_KEYDOWN: {
            if (m.byButton) return true;
            RECT r = m.window->rect;
            const int step = 8;
            switch (static_cast<int>(msg.wParam)) {
                case VK_LEFT:
                    OffsetRect(&r, -step, 0);
                    break;
                case VK_RIGHT:
                    OffsetRect(&r, step, 0);
                    break;
                case VK_UP:
                    OffsetRect(&r, 0, -step);
                    break;
                case VK_DOWN:
                    OffsetRect(&r, 0, step);
                    break;
                case VK_ESCAPE:
                    r = m.startRect;
                    s.move.reset();
                    break;
                case VK_RETURN:
                    s.move.reset();
                    break;
                default:
                    break;
            }
            ::SetWindowPos(m.window, nullptr, r.left, r.top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return true;
        }
        default:
            return false;
    }
}

}  // namespace

LRESULT HitTestPassingTransparent(HWND& target, POINT screen) {
    const LPARAM at = MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y));
    LRESULT hit = Send(target, WM_NCHITTEST, 0, at);
    // A window that answers HTTRANSPARENT hands the point to the window beneath.
    while (hit == HTTRANSPARENT && Find(target) != nullptr && target->isChild()) {
        target = target->parent;
        hit = Send(target, WM_NCHITTEST, 0, at);
    }
    return hit;
}

HWND MouseTargetAt(POINT screen) {
    HWND top = TopLevelAt(screen);
    if (top == nullptr) return nullptr;
    // A disabled top-level window is one piece: its children are not looked into (while a modal
    // window runs, no control of its owner counts as under the pointer).
    if (!top->enabled) return top;
    const Insets in = NonClientInsets(*top);
    const POINT client{screen.x - top->rect.left - in.left, screen.y - top->rect.top - in.top};
    const RECT c = ClientRectOf(*top);
    if (client.x < 0 || client.y < 0 || client.x >= c.right || client.y >= c.bottom) return top;
    return DeepestChild(top, client);
}

WPARAM MouseKeyFlags() {
    const State& s = S();
    WPARAM flags = 0;
    if (s.keys[VK_LBUTTON]) flags |= MK_LBUTTON;
    if (s.keys[0x02]) flags |= MK_RBUTTON;
    return flags;
}

bool ResolveRawInput(MSG& msg) {
    State& s = S();
    s.inputDevicePoint = POINT{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    if (msg.message == WM_CANCELMODE) {
        s.keys[VK_LBUTTON] = false;
        s.keys[0x02] = false;  // the right button
        s.move.reset();
        ::ReleaseCapture();
        return false;
    }
    const bool mouse = msg.message >= WM_MOUSEMOVE && msg.message <= WM_RBUTTONUP;
    ApplyKeyState(msg.message, msg.wParam);
    if (MoveModeTakes(msg)) return false;
    if (!mouse) {
        // Keys go to an open menu, else the focus window, else the front top-level window.
        HWND target = s.activeMenu != nullptr ? s.activeMenu : s.focus;
        // A focus left in a window that a modal dialog disabled does not keep the keyboard.
        if (Find(target) != nullptr && !TopLevelOf(target)->enabled) target = nullptr;
        if (Find(target) == nullptr) {
            target = nullptr;
            for (HWND t : s.topLevels) {
                if (t->visible && !t->minimised && t->enabled &&
                    (t->exStyle & WS_EX_TRANSPARENT) == 0) {
                    target = t;
                    break;
                }
            }
        }
        if (target == nullptr || !TopLevelOf(target)->enabled) return false;
        if (s.keys[VK_MENU] && s.activeMenu == nullptr) {
            msg.message = msg.message == WM_KEYDOWN ? WM_SYSKEYDOWN : WM_SYSKEYUP;
        }
        msg.hwnd = target;
        return true;
    }

    HWND target = s.capture;
    LRESULT hit = HTCLIENT;
    // Holding the capture gives no input while the window's top-level window is disabled.
    if (Find(target) != nullptr && !TopLevelOf(target)->enabled) return false;
    if (Find(target) == nullptr) {
        target = MouseTargetAt(msg.pt);
        // While a modal window runs, its owner (and any other disabled window) takes no input.
        if (target == nullptr || !TopLevelOf(target)->enabled) return false;
        hit = HitTestPassingTransparent(target, msg.pt);
        if (Find(target) == nullptr || hit == HTTRANSPARENT || hit == HTNOWHERE) return false;
        Send(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
             MAKELPARAM(static_cast<WORD>(hit), static_cast<WORD>(msg.message)));
        if (Find(target) == nullptr) return false;
    }
    msg.hwnd = target;
    if (hit == HTCLIENT) {
        POINT client = msg.pt;
        ::ScreenToClient(target, &client);
        msg.wParam = MouseKeyFlags();
        msg.lParam = MAKELPARAM(static_cast<WORD>(client.x), static_cast<WORD>(client.y));
    } else {
        msg.message = NonClientMessage(msg.message);
        msg.wParam = static_cast<WPARAM>(hit);
        msg.lParam = MAKELPARAM(static_cast<WORD>(msg.pt.x), static_cast<WORD>(msg.pt.y));
    }
    return true;
}

void FollowCaptureRelease() {
    // At the place of the input being handled, and ahead of the input still waiting: that
    // happened later, and a press among it must find the window under the pointer holding the
    // capture already.
    State& s = S();
    MSG msg;
    msg.message = WM_MOUSEMOVE;
    msg.pt = s.inputPoint.value_or(s.cursor);
    const POINT device = s.inputPoint ? s.inputDevicePoint : s.cursorDevice;
    msg.lParam = MAKELPARAM(static_cast<WORD>(device.x), static_cast<WORD>(device.y));
    msg.time = B().Now();
    const auto waitingInput = std::find_if(s.queue.begin(), s.queue.end(), [](const MSG& m) {
        return m.hwnd == nullptr && m.message != WM_QUIT;
    });
    s.queue.insert(waitingInput, msg);
}

void CancelModes() {
    if (HWND capture = Find(S().capture)) Send(capture, WM_CANCELMODE, 0, 0);
}

void StartMove(HWND topLevel, bool byButton, POINT from) {
    WindowObject* w = Find(topLevel);
    if (w == nullptr || w->isChild() || w->minimised) return;
    // A move by the button starts at the press being handled, one from the system menu where the
    // cursor is.
    State& s = S();
    const POINT device = byButton ? s.inputDevicePoint : s.cursorDevice;
    s.move = MoveMode{topLevel, from, device, w->rect, byButton};
    B().TopLevelMoveStarts(topLevel);
}

}  // namespace wnd

using namespace wnd;

namespace platform {

void InputMouseMove(POINT screen) {
    InputMouseMove(screen, screen);
}

void InputMouseMove(POINT screen, POINT device) {
    S().cursor = screen;
    S().cursorDevice = device;
    QueueRaw(WM_MOUSEMOVE, 0, screen, device);
}

void InputMouseButton(MouseButton button, bool down, POINT screen) {
    InputMouseButton(button, down, screen, screen);
}

void InputMouseButton(MouseButton button, bool down, POINT screen, POINT device) {
    // A button going down or up where the pointer was not seen moving to is a move there first,
    // as on Windows: the window under the point learns of the pointer before the press.
    if (screen != S().cursor) QueueRaw(WM_MOUSEMOVE, 0, screen, device);
    S().cursor = screen;
    S().cursorDevice = device;
    const UINT message = button == MouseButton::Left ? (down ? WM_LBUTTONDOWN : WM_LBUTTONUP)
                                                     : (down ? WM_RBUTTONDOWN : WM_RBUTTONUP);
    QueueRaw(message, 0, screen, device);
}

void InputPointerTaken() {
    QueueRaw(WM_CANCELMODE, 0, S().cursor, S().cursorDevice);
}

void InputKey(int virtualKey, bool down) {
    QueueRaw(down ? WM_KEYDOWN : WM_KEYUP, static_cast<WPARAM>(virtualKey & 0xFF), S().cursor,
             S().cursorDevice);
}

void InputWindowMoved(HWND topLevel, int x, int y) {
    WindowObject* w = Find(topLevel);
    if (w == nullptr || w->isChild()) return;
    if (w->rect.left == x && w->rect.top == y) return;
    const int width = w->width();
    const int height = w->height();
    w->rect = RECT{x, y, x + width, y + height};
    if (!w->minimised) w->normalRect = w->rect;
    Send(topLevel, WM_MOVE, 0, 0);
}

void InputCloseRequested(HWND topLevel) {
    if (Find(topLevel) == nullptr || !topLevel->enabled) return;
    ::PostMessageW(topLevel, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void InputWindowMinimised(HWND topLevel, bool minimised) {
    WindowObject* w = Find(topLevel);
    if (w == nullptr || w->isChild() || w->minimised == minimised) return;
    if (minimised) w->normalRect = w->rect;
    w->minimised = minimised;
    S().paintMayBeDue = true;
    if (!minimised) InvalidateWhole(topLevel, true);
    const RECT c = ClientRectOf(*w);
    Send(topLevel, WM_SIZE, minimised ? 1 : 0,
         MAKELPARAM(static_cast<WORD>(c.right), static_cast<WORD>(c.bottom)));
}

LRESULT HitTestTopLevel(HWND topLevel, POINT screen) {
    if (Find(topLevel) == nullptr || !TakesMouse(*topLevel)) return HTNOWHERE;
    const int x = screen.x - topLevel->rect.left;
    const int y = screen.y - topLevel->rect.top;
    if (!WindowShape(topLevel).contains(x, y)) return HTNOWHERE;
    HWND target = MouseTargetAt(screen);
    if (target == nullptr || TopLevelOf(target) != topLevel) return HTNOWHERE;
    return HitTestPassingTransparent(target, screen);
}

bool AcceptsMouseInput(HWND topLevel) {
    const WindowObject* w = Find(topLevel);
    return w != nullptr && w->enabled && (w->exStyle & WS_EX_TRANSPARENT) == 0;
}

}  // namespace platform

HWND SetCapture(HWND hwnd) {
    State& s = S();
    HWND old = s.capture;
    if (Find(hwnd) == nullptr || old == hwnd) return old;
    s.capture = hwnd;
    if (Find(old) != nullptr) Send(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

BOOL ReleaseCapture() {
    State& s = S();
    HWND old = s.capture;
    s.capture = nullptr;
    if (Find(old) != nullptr) Send(old, WM_CAPTURECHANGED, 0, 0);
    if (old != nullptr) FollowCaptureRelease();
    return TRUE;
}

HWND GetCapture() {
    return Find(S().capture);
}

HWND SetFocus(HWND hwnd) {
    State& s = S();
    HWND old = Find(s.focus);
    if (hwnd != nullptr && (Find(hwnd) == nullptr || !hwnd->enabled)) return nullptr;
    if (old == hwnd) return old;
    s.focus = hwnd;
    if (old != nullptr) Send(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (Find(hwnd) != nullptr && s.focus == hwnd) {
        Send(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(Find(old)), 0);
    }
    return old;
}

HWND GetFocus() {
    return Find(S().focus);
}

short GetKeyState(int virtualKey) {
    if (virtualKey < 0 || virtualKey > 0xFF) return 0;
    return S().keys[static_cast<std::size_t>(virtualKey)] ? static_cast<short>(-128) : 0;
}

BOOL GetCursorPos(POINT* point) {
    if (point == nullptr) return FALSE;
    *point = S().cursor;
    return TRUE;
}

HWND WindowFromPoint(POINT point) {
    return MouseTargetAt(point);
}

struct CursorObject {
    int id = 0;
};

HCURSOR LoadCursorW(HINSTANCE /*instance*/, int id) {
    static CursorObject arrow{IDC_ARROW};
    return id == IDC_ARROW ? &arrow : nullptr;
}

HCURSOR SetCursor(HCURSOR cursor) {
    HCURSOR old = S().cursorShape;
    S().cursorShape = cursor;
    return old;
}
