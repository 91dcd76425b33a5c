// The calls a backend makes when input arrives from the desktop (or from a test). Mouse points are
// screen coordinates. Each call turns the input into the window layer's messages, queued as
// Windows queues them; the message loop dispatches them.
#pragma once

#include <optional>

#include "platform/wnd/wnd.hpp"

namespace platform {

enum class MouseButton { Left, Right };

// `device`: the same point in the backend's own pixels where they are finer than the window
// layer's (a high-density screen; without it, the screen point). A window that the window layer
// moves with the pointer follows the pointer's distance in them (Backend::TopLevelMoveFollows).
void InputMouseMove(POINT screen);
void InputMouseMove(POINT screen, POINT device);
void InputMouseButton(MouseButton button, bool down, POINT screen);
void InputMouseButton(MouseButton button, bool down, POINT screen, POINT device);
void InputKey(int virtualKey, bool down);

// Another program took the pointer (the window manager's move or menu, a screen lock): the
// release of a button held now will not come. In turn with the input before it, the window
// holding the capture loses it (WM_CAPTURECHANGED), a move by the mouse ends and the buttons
// count as up.
void InputPointerTaken();

// The desktop moved a top-level window (its top-left corner is now at x, y on screen).
void InputWindowMoved(HWND topLevel, int x, int y);
// The desktop asks to close a top-level window (its close button, Alt+F4 of the window manager).
void InputCloseRequested(HWND topLevel);
// The desktop minimised or restored a top-level window.
void InputWindowMinimised(HWND topLevel, bool minimised);

// What WM_NCHITTEST answers for a screen point inside a top-level window: the message goes to the
// deepest visible, enabled window under the point (as on Windows). HTCAPTION means the desktop
// may drag the top-level window from there. HTNOWHERE when the point is outside the window's
// shape.
LRESULT HitTestTopLevel(HWND topLevel, POINT screen);

// Whether the window layer currently lets the window take mouse input: false while a modal dialog
// or message box disables it, and always for windows that never take input (the tooltip window).
bool AcceptsMouseInput(HWND topLevel);

// Runs the window layer's pending work until none is left: queued messages and input, paints
// and due timers, then shows the painted parts (Backend::Present). Does not wait.
void ProcessPendingWork();
// Milliseconds until the next window timer is due (0: due now); none without timers.
std::optional<DWORD> NextTimerDueIn();

}  // namespace platform
