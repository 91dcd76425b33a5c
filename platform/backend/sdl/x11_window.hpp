// What the backend asks of the X server directly, where SDL's own calls fall short.
#pragma once

#include <SDL.h>

#include <optional>
#include <vector>

#include "platform/backend/sdl/pointer_trail.hpp"
#include "platform/backend/sdl/shape_rect.hpp"
#include "platform/wintypes.hpp"

struct SDL_SysWMmsg;
struct _XDisplay;  // Xlib's Display

namespace platform::sdl {

// The X window behind an SDL window; 0 where SDL does not run on X11.
unsigned long X11WindowOf(SDL_Window* window);

// A rectangle of an X window that the server exposed (its pixels must be presented again), read
// from an X event that SDL passed on as a window-manager message; none for other events. SDL's
// own exposure event does not say which part was exposed.
struct X11Exposure {
    unsigned long window;
    ShapeRect area;
};
std::optional<X11Exposure> ExposureOf(const SDL_SysWMmsg& message);

// The pointer event (motion, button press or release, entering or leaving the window) in an X
// event that SDL passed on as a window-manager message; none for other events.
std::optional<PointerEvent> PointerEventOf(const SDL_SysWMmsg& message);

// The screen point of a mouse button press or release, read from an X event that SDL passed on;
// none for other events.
std::optional<POINT> ButtonPointOf(const SDL_SysWMmsg& message);

// The X window that an X event of a left button press or release went to; none for other events.
std::optional<unsigned long> LeftPressTo(const SDL_SysWMmsg& message);
std::optional<unsigned long> LeftReleaseTo(const SDL_SysWMmsg& message);

// Tells the window manager to cancel the move of the window that SDL's hit test asked it for
// (_NET_WM_MOVERESIZE_CANCEL); nothing where SDL does not run on X11.
void CancelDesktopMove(SDL_Window* window);

// Whether the X event says that another client took the pointer from the window (a crossing event
// of a grab: the window manager's move, its menus, a screen lock); the window is named.
std::optional<unsigned long> PointerTakenFrom(const SDL_SysWMmsg& message);

// Installs an Xlib error handler that lets the program live through the errors that
// IsHarmlessX11Error names and leaves every other one to the handler installed before it.
void IgnoreHarmlessX11Errors();

// Gives the window the shape of the rectangles (window coordinates) through the X SHAPE
// extension; nothing where SDL does not run on X11 or the server cannot shape windows. (SDL's
// own shaped windows land in the wrong place when a window manager drags them.)
void SetX11WindowShape(SDL_Window* window, const std::vector<ShapeRect>& shape);

// The screen position of the window's top-left corner, asked of the X server when SDL runs on
// X11 (SDL's record can lag behind a window manager's moves); elsewhere SDL's record.
POINT DesktopPosition(SDL_Window* window);

// Where the X server's pointer is now, asked of the server itself (SDL's global mouse state is a
// cache that pointer warps and some moves never refresh); none where SDL does not run on X11.
std::optional<POINT> X11PointerPosition(SDL_Window* window);

// The X window that has the keyboard focus: 0 for none (the focus reverted to nothing when the
// window that had it went away), 1 for the pointer's root; none where SDL does not run on X11.
// `window`: any window of the display.
std::optional<unsigned long> X11InputFocus(SDL_Window* window);
inline constexpr unsigned long PointerRootFocus = 1;
// Gives the keyboard focus to an X window (when it goes away, to whatever window the pointer is
// in); nothing where SDL does not run on X11.
void SetX11InputFocus(SDL_Window* window, unsigned long focus);

// The X display of the window (every SDL window is on the same one); null where SDL does not run
// on X11.
_XDisplay* X11DisplayOf(SDL_Window* window);

// The file descriptor of the display's X connection.
int X11ConnectionOf(_XDisplay* display);

// Sends the requests Xlib still buffers for the display, reads what the server has sent
// meanwhile without waiting, and tells whether events are waiting to be taken (then the
// connection's descriptor may well be silent: they were read already).
bool X11EventsWaiting(_XDisplay* display);

// The serial number Xlib will give the display's next request: unchanged, no request was sent.
unsigned long X11NextRequest(_XDisplay* display);

// Whether a window manager runs on the window's desktop: on X11 an EWMH one (a bare X server has
// none: nothing there drags a window when SDL's hit test asks, minimises one or gives the
// keyboard focus on); elsewhere the compositor is one.
bool WindowManagerRuns(SDL_Window* window);

}  // namespace platform::sdl
