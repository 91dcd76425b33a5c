// Where the window layer meets a screen, a clock and input. Exactly one backend is linked into an
// executable (sdl for the program, headless for tests); the window layer calls it through
// ActiveBackend(), which the linked backend library defines.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/wnd/wnd.hpp"

namespace platform {

class Backend {
  public:
    virtual ~Backend() = default;

    // Milliseconds since an arbitrary start; GetTickCount and the timers read it.
    virtual DWORD Now() = 0;

    // Top-level windows (no WS_CHILD): created, destroyed, moved, resized, shown, hidden,
    // minimised, or given another region. The backend reads the window's state from the window
    // layer (window_tree.hpp).
    virtual void TopLevelCreated(HWND hwnd) = 0;
    virtual void TopLevelDestroyed(HWND hwnd) = 0;
    virtual void TopLevelChanged(HWND hwnd) = 0;

    // The window layer has drawn into the shown top-level window's surface; show the rectangles
    // drawn (window coordinates, never empty; only these pixels changed since the last present).
    virtual void Present(HWND hwnd, const std::vector<RECT>& damage) = 0;

    // Wait until input arrives or the time limit passes (none: no limit), turning input into the
    // window layer's input calls (input.hpp). Called by the message loop when its queue is empty
    // and nothing needs painting. A headless backend runs its scripted steps here.
    virtual void WaitForInput(std::optional<DWORD> timeoutMs) = 0;

    // The one call that may come from another thread: `task` runs on the GUI thread soon after,
    // from WaitForInput, which the posting wakes.
    virtual void PostTask(std::function<void()> task) = 0;

    // Screen size (GetSystemMetrics SM_CXSCREEN / SM_CYSCREEN).
    virtual SIZE ScreenSize() = 0;

    // The device scale of the screen's pixels: a top-level window's surface keeps its rendition
    // at this scale (surface.hpp), which Present shows. 1: the surface's own pixels are shown.
    virtual int SurfaceScale() { return 1; }

    // Whether the desktop drags a top-level window itself when the window answers HTCAPTION
    // (through the backend's hit test, input.hpp). When false, the window layer moves the window
    // with the mouse until the left button is released.
    virtual bool MovesWindowsItself() { return false; }

    // The window layer moves a top-level window with the pointer (or from its system menu's
    // Move). TopLevelMoveStarts: the move takes the window where it is now. TopLevelMoveFollows,
    // just before each SetWindowPos that follows the pointer: the window goes to `logical`
    // (screen), the pointer having moved `deviceDistance` since the start in the device points of
    // the input (input.hpp). A backend whose pixels are finer than the window layer's places the
    // window by that distance exactly, which the logical one would round.
    virtual void TopLevelMoveStarts(HWND /*hwnd*/) {}
    virtual void TopLevelMoveFollows(HWND /*hwnd*/, POINT /*logical*/, POINT /*deviceDistance*/) {}

    // A message box opened (its window, text and caption) or closed. Its window is an ordinary
    // top-level window of the window layer.
    virtual void MessageBoxOpened(HWND /*box*/, const std::wstring& /*text*/,
                                  const std::wstring& /*caption*/) {}
    virtual void MessageBoxClosed(HWND /*box*/) {}
};

Backend& ActiveBackend();

}  // namespace platform
