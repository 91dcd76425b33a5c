// One top-level window of the window layer shown as a borderless, shaped SDL window. The window
// layer's pixels are logical ones; the SDL window has `scale` times as many device pixels each
// way.
#pragma once

#include <SDL.h>

#include <chrono>
#include <optional>
#include <vector>

#include "platform/backend/sdl/device_scale.hpp"
#include "platform/backend/sdl/sdl_handles.hpp"
#include "platform/gdi/damage.hpp"
#include "platform/gdi/region.hpp"
#include "platform/wnd/window_tree.hpp"

namespace platform::sdl {

class TopLevelWindow {
  public:
    // Creates the SDL window, hidden, for a top-level window; then Sync() shows it as the
    // window layer wants. Throws std::runtime_error when SDL cannot create the window.
    TopLevelWindow(HWND hwnd, DeviceScale scale);
    TopLevelWindow(const TopLevelWindow&) = delete;
    TopLevelWindow& operator=(const TopLevelWindow&) = delete;

    HWND hwnd() const { return hwnd_; }
    Uint32 sdlId() const { return SDL_GetWindowID(window_.get()); }
    SDL_Window* sdlWindow() const { return window_.get(); }
    // Tooltips and popup menus: placed exactly, never managed by a window manager.
    bool isUnmanaged() const { return unmanaged_; }
    bool isShown() const { return shown_ && !minimised_; }
    // Shown by the window layer, waiting for its first present to appear.
    bool isShowPending() const { return showPending_; }

    // Brings the SDL window to the window layer's state: position, size, shape, title,
    // visibility and minimised state. Only what differs from the last state is applied.
    void Sync();

    // Copies the rectangles (window coordinates) of the window's surface to the screen and
    // returns how many of its pixels that was (logical ones). A window that the window layer has
    // shown appears on screen at its first present, which copies the whole surface: it never shows
    // pixels that were not painted yet.
    long long Present(const std::vector<RECT>& damage);
    long long PresentAll();
    // Exposures: the server names the rectangles it exposed (NoteExposed), then SDL reports that
    // the window was exposed (PresentExposed): only those rectangles are presented again, or the
    // whole window where the server's rectangles are not known. `area` in device pixels.
    void NoteExposed(const ShapeRect& area);
    // The X server's left button presses and releases in the window, noted before SDL handles
    // them. SDL's hit test may ask the window manager to drag the window at a press; when the
    // release still reaches the window, the manager had not taken the pointer in time (the
    // button was released quickly, or the press waited long to be handled): it would drag on
    // with no button held until the next click, so the drag is cancelled.
    void NoteLeftPress();
    void NoteLeftRelease();
    long long PresentExposed();
    unsigned long x11Window() const { return x11Window_; }

    // What the desktop did to the window. Each returns whether the state changed (an echo of
    // our own request does not). RefreshPosition reads where the window now is.
    bool RefreshPosition();
    bool NoteMinimised(bool minimised);
    POINT position() const { return POINT{rect_.left, rect_.top}; }

    // A minimise asked of the desktop is carried out by its window manager, which says so; one
    // that does not minimise windows, or no window manager at all, leaves the window on screen and
    // says nothing. minimiseDue: the time by which the window should have been minimised, while
    // that is still awaited (set by Sync, half a second after the request; MinimiseDueNow makes it
    // due at once). MinimiseUndone: it stays on screen, shown as before.
    using Clock = std::chrono::steady_clock;
    std::optional<Clock::time_point> minimiseDue() const { return minimiseDue_; }
    void MinimiseDueNow() { minimiseDue_ = Clock::now(); }
    void MinimiseUndone();

    // The window layer moves the window with the pointer (Backend::TopLevelMoveStarts and
    // TopLevelMoveFollows): at a scale above 1 it goes by the pointer's device distance from where
    // it was at the start, so that it keeps under the pointer to the device pixel; its logical
    // place is the one the window layer gives it. At scale 1 Sync places it.
    void StartPointerMove();
    void FollowPointer(POINT logical, POINT deviceDistance);

    // A device point of the window (relative to its top-left corner) on the window layer's
    // screen, and on the device screen.
    POINT ToScreen(int x, int y) const;
    POINT DeviceScreenPoint(int x, int y) const {
        return POINT{devicePosition_.x + x, devicePosition_.y + y};
    }
    // A device point of the X screen (a pointer position) on the window layer's screen, related to
    // this window: the window's own pixels map to the same points as through ToScreen.
    POINT ScreenFromDevice(POINT device) const;

  private:
    static SDL_HitTestResult HitTest(SDL_Window* window, const SDL_Point* point, void* self);
    void applyShape(const Region& shape, int width, int height);
    // Corrects SDL's record of the window's screen position to where the desktop has it.
    void alignSdlPosition();

    HWND hwnd_;
    bool unmanaged_;
    WindowPtr window_;
    DeviceScale scale_;
    // The state last applied to (or reported by) the SDL window: logical, and the device position
    // (the desktop may put the window between two logical pixels).
    RECT rect_{};
    POINT devicePosition_{};
    POINT pointerMoveStart_{};  // the device position where the window layer's move started
    std::optional<Region> shape_;
    bool shown_ = false;
    bool showPending_ = false;
    unsigned long x11Window_ = 0;
    bool exposuresKnown_ = false;  // the server's exposed rectangles reach NoteExposed
    Damage exposed_;
    bool minimised_ = false;
    std::optional<Clock::time_point> minimiseDue_;
    bool pressBeingHandled_ = false;  // SDL's next hit test is for a left press
    bool desktopMoveAsked_ = false;   // since the last left press
    std::wstring caption_;
};

}  // namespace platform::sdl
