#include "platform/backend/sdl/x11_window.hpp"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <limits>

#include "platform/backend/sdl/x11_errors.hpp"

namespace platform::sdl {
namespace {

bool X11Info(SDL_Window* window, SDL_SysWMinfo* info) {
    SDL_VERSION(&info->version);
    return SDL_GetWindowWMInfo(window, info) == SDL_TRUE && info->subsystem == SDL_SYSWM_X11;
}

short ToShort(int v) {
    return static_cast<short>(std::clamp(v, static_cast<int>(std::numeric_limits<short>::min()),
                                         static_cast<int>(std::numeric_limits<short>::max())));
}

unsigned short ToUnsignedShort(int v) {
    return static_cast<unsigned short>(
        std::clamp(v, 0, static_cast<int>(std::numeric_limits<unsigned short>::max())));
}

// The handler that was in place before ours (Xlib's own, which ends the process).
XErrorHandler previousErrorHandler = nullptr;

int HandleX11Error(Display* display, XErrorEvent* error) {
    if (IsHarmlessX11Error(error->error_code, error->request_code)) {
        return 0;
    }
    return previousErrorHandler != nullptr ? previousErrorHandler(display, error) : 0;
}

}  // namespace

void IgnoreHarmlessX11Errors() {
    const XErrorHandler previous = XSetErrorHandler(&HandleX11Error);
    if (previous != &HandleX11Error) {
        previousErrorHandler = previous;
    }
}

unsigned long X11WindowOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    return X11Info(window, &info) ? info.info.x11.window : 0;
}

std::optional<X11Exposure> ExposureOf(const SDL_SysWMmsg& message) {
    if (message.subsystem != SDL_SYSWM_X11 || message.msg.x11.event.type != Expose) {
        return std::nullopt;
    }
    const XExposeEvent& expose = message.msg.x11.event.xexpose;
    return X11Exposure{expose.window, ShapeRect{expose.x, expose.y, expose.width, expose.height}};
}

std::optional<POINT> ButtonPointOf(const SDL_SysWMmsg& message) {
    if (message.subsystem != SDL_SYSWM_X11) {
        return std::nullopt;
    }
    const XEvent& event = message.msg.x11.event;
    if (event.type != ButtonPress && event.type != ButtonRelease) {
        return std::nullopt;
    }
    return POINT{event.xbutton.x_root, event.xbutton.y_root};
}

namespace {

std::optional<unsigned long> LeftButtonTo(const SDL_SysWMmsg& message, int type) {
    if (message.subsystem != SDL_SYSWM_X11) {
        return std::nullopt;
    }
    const XEvent& event = message.msg.x11.event;
    if (event.type != type || event.xbutton.button != Button1) {
        return std::nullopt;
    }
    return event.xbutton.window;
}

}  // namespace

std::optional<unsigned long> LeftPressTo(const SDL_SysWMmsg& message) {
    return LeftButtonTo(message, ButtonPress);
}

std::optional<unsigned long> LeftReleaseTo(const SDL_SysWMmsg& message) {
    return LeftButtonTo(message, ButtonRelease);
}

void CancelDesktopMove(SDL_Window* window) {
    SDL_SysWMinfo info;
    if (!X11Info(window, &info)) {
        return;
    }
    Display* display = info.info.x11.display;
    constexpr long kMoveResizeCancel = 11;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = info.info.x11.window;
    event.xclient.message_type = XInternAtom(display, "_NET_WM_MOVERESIZE", False);
    event.xclient.format = 32;
    event.xclient.data.l[2] = kMoveResizeCancel;
    event.xclient.data.l[3] = Button1;
    event.xclient.data.l[4] = 1;  // the request comes from an application
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
}

std::optional<unsigned long> PointerTakenFrom(const SDL_SysWMmsg& message) {
    if (message.subsystem != SDL_SYSWM_X11) {
        return std::nullopt;
    }
    const XEvent& event = message.msg.x11.event;
    if (event.type != LeaveNotify || event.xcrossing.mode != NotifyGrab) {
        return std::nullopt;
    }
    return event.xcrossing.window;
}

std::optional<PointerEvent> PointerEventOf(const SDL_SysWMmsg& message) {
    if (message.subsystem != SDL_SYSWM_X11) {
        return std::nullopt;
    }
    const XEvent& event = message.msg.x11.event;
    constexpr unsigned int kButtons = Button1Mask | Button2Mask | Button3Mask;
    switch (event.type) {
        case MotionNotify: {
            const XMotionEvent& e = event.xmotion;
            return PointerEvent{e.window, POINT{e.x, e.y}, POINT{e.x_root, e.y_root}, false,
                                (e.state & kButtons) != 0};
        }
        case EnterNotify: {
            const XCrossingEvent& e = event.xcrossing;  // SDL makes a move of it
            return PointerEvent{e.window, POINT{e.x, e.y}, POINT{e.x_root, e.y_root}, false,
                                (e.state & kButtons) != 0};
        }
        case ButtonPress:
        case ButtonRelease: {
            const XButtonEvent& e = event.xbutton;
            return PointerEvent{e.window, POINT{e.x, e.y}, POINT{e.x_root, e.y_root}, false,
                                (e.state & kButtons) != 0};
        }
        case LeaveNotify: {
            // SDL reports a leave only when the pointer really went (not into a child window, not
            // taken by a grab); the others count as a move to the point.
            const XCrossingEvent& e = event.xcrossing;
            const bool left =
                e.mode != NotifyGrab && e.mode != NotifyUngrab && e.detail != NotifyInferior;
            return PointerEvent{e.window, POINT{e.x, e.y}, POINT{e.x_root, e.y_root}, left,
                                (e.state & kButtons) != 0};
        }
        default:
            return std::nullopt;
    }
}

void SetX11WindowShape(SDL_Window* window, const std::vector<ShapeRect>& shape) {
    SDL_SysWMinfo info;
    if (!X11Info(window, &info)) {
        return;
    }
    Display* display = info.info.x11.display;
    int eventBase = 0;
    int errorBase = 0;
    if (XShapeQueryExtension(display, &eventBase, &errorBase) == False) {
        return;
    }
    std::vector<XRectangle> rectangles;
    rectangles.reserve(shape.size());
    for (const ShapeRect& r : shape) {
        rectangles.push_back(XRectangle{ToShort(r.x), ToShort(r.y), ToUnsignedShort(r.width),
                                        ToUnsignedShort(r.height)});
    }
    XShapeCombineRectangles(display, info.info.x11.window, ShapeBounding, 0, 0, rectangles.data(),
                            static_cast<int>(rectangles.size()), ShapeSet, YXBanded);
    XFlush(display);
}

POINT DesktopPosition(SDL_Window* window) {
    SDL_SysWMinfo info;
    if (X11Info(window, &info)) {
        Display* display = info.info.x11.display;
        int x = 0;
        int y = 0;
        Window child = 0;
        if (XTranslateCoordinates(display, info.info.x11.window, DefaultRootWindow(display), 0, 0,
                                  &x, &y, &child) != False) {
            return POINT{x, y};
        }
    }
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(window, &x, &y);
    return POINT{x, y};
}

std::optional<POINT> X11PointerPosition(SDL_Window* window) {
    SDL_SysWMinfo info;
    if (!X11Info(window, &info)) {
        return std::nullopt;
    }
    Display* display = info.info.x11.display;
    Window root = 0;
    Window child = 0;
    int x = 0;
    int y = 0;
    int windowX = 0;
    int windowY = 0;
    unsigned int buttons = 0;
    if (XQueryPointer(display, DefaultRootWindow(display), &root, &child, &x, &y, &windowX,
                      &windowY, &buttons) == False) {
        return std::nullopt;
    }
    return POINT{x, y};
}

std::optional<unsigned long> X11InputFocus(SDL_Window* window) {
    SDL_SysWMinfo info;
    if (!X11Info(window, &info)) {
        return std::nullopt;
    }
    Window focus = None;
    int revertTo = 0;
    XGetInputFocus(info.info.x11.display, &focus, &revertTo);
    return focus;
}

void SetX11InputFocus(SDL_Window* window, unsigned long focus) {
    SDL_SysWMinfo info;
    if (!X11Info(window, &info)) {
        return;
    }
    XSetInputFocus(info.info.x11.display, focus, RevertToPointerRoot, CurrentTime);
    XFlush(info.info.x11.display);
}

_XDisplay* X11DisplayOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    return X11Info(window, &info) ? info.info.x11.display : nullptr;
}

int X11ConnectionOf(_XDisplay* display) {
    return ConnectionNumber(display);
}

bool X11EventsWaiting(_XDisplay* display) {
    return XEventsQueued(display, QueuedAfterFlush) > 0;
}

unsigned long X11NextRequest(_XDisplay* display) {
    return XNextRequest(display);
}

bool WindowManagerRuns(SDL_Window* window) {
    SDL_SysWMinfo info;
    if (!X11Info(window, &info)) {
        return true;
    }
    // An EWMH window manager names its check window on the root window.
    Display* display = info.info.x11.display;
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) {
        return false;
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False,
                                          XA_WINDOW, &type, &format, &count, &remaining, &data);
    const bool running = status == Success && type == XA_WINDOW && count == 1;
    if (data != nullptr) {
        XFree(data);
    }
    return running;
}

}  // namespace platform::sdl
