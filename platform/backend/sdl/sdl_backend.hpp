// The desktop backend: every top-level window of the window layer is a borderless SDL window on
// the X server, shaped by its region; SDL's input becomes the window layer's input calls.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include "platform/backend/backend.hpp"
#include "platform/backend/sdl/button_points.hpp"
#include "platform/backend/sdl/event_wait.hpp"
#include "platform/backend/sdl/pointer_trail.hpp"
#include "platform/backend/sdl/top_level_window.hpp"
#include "platform/backend/task_queue.hpp"

namespace platform::sdl {

// No X server could be opened; what() says why (DISPLAY unset, or no server answers on it).
class DisplayUnavailable : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// SDL's video subsystem, from SDL_Init to SDL_Quit.
class SdlVideo {
  public:
    SdlVideo();  // throws DisplayUnavailable
    ~SdlVideo();
    SdlVideo(const SdlVideo&) = delete;
    SdlVideo& operator=(const SdlVideo&) = delete;
};

class SdlBackend final : public Backend {
  public:
    SdlBackend();  // throws DisplayUnavailable
    ~SdlBackend() override;
    SdlBackend(const SdlBackend&) = delete;
    SdlBackend& operator=(const SdlBackend&) = delete;

    DWORD Now() override;
    void TopLevelCreated(HWND hwnd) override;
    void TopLevelDestroyed(HWND hwnd) override;
    void TopLevelChanged(HWND hwnd) override;
    void Present(HWND hwnd, const std::vector<RECT>& damage) override;
    void WaitForInput(std::optional<DWORD> timeoutMs) override;
    void PostTask(std::function<void()> task) override;
    SIZE ScreenSize() override;
    int SurfaceScale() override { return scale_.factor(); }
    bool MovesWindowsItself() override;
    void TopLevelMoveStarts(HWND hwnd) override;
    void TopLevelMoveFollows(HWND hwnd, POINT logical, POINT deviceDistance) override;

    // How many times WaitForInput has returned: the loop's wake-ups.
    std::uint64_t wakeUps() const { return wakeUps_; }

  private:
    // SDL's event filter: reads the X events SDL passes on and drops them from the queue.
    static int FilterEvent(void* self, SDL_Event* event);
    // Without a window manager the keyboard focus of a window that goes away reverts to nothing
    // (SDL gives the focus with no fallback): the program's front window takes it instead.
    void keepKeyboardFocus();
    // Minimises the desktop has not carried out by their time: the windows stay on screen and
    // the window layer is told so. Returns whether there was one.
    bool undoMinimisesDue();
    std::optional<TopLevelWindow::Clock::time_point> nextMinimiseDue() const;
    void dispatch(const SDL_Event& event);
    void onWindowEvent(const SDL_WindowEvent& event);
    void onMouseButton(const SDL_MouseButtonEvent& event);
    // Where a mouse event at (x, y) in the window happened on the screen, in device pixels;
    // buttonHeld: a mouse button was down when the event happened (a move with a button held, a
    // release); moved: the event is a move.
    POINT MouseOnScreen(const TopLevelWindow& window, int x, int y, bool buttonHeld, bool moved);
    // Makes the desktop's window of a top-level window; null (and a message) when it cannot.
    TopLevelWindow* create(HWND hwnd);
    TopLevelWindow* find(HWND hwnd);
    TopLevelWindow* find(Uint32 sdlId);
    // Raises the window when the window layer has put it in front of a window shown before it.
    void raiseIfBroughtForward(HWND hwnd);
    // A click on a window disabled by its modal dialog brings that dialog to the front.
    void raiseModalOver(HWND disabled);
    std::vector<HWND> shownOrder() const;
    void traceWakeUp(const char* cause, Uint32 eventType) const;
    void tracePresent(const char* kind, long long pixels) const;

    SdlVideo video_;
    // The desktop's scale, chosen once: the window layer's pixels are this many device pixels.
    DeviceScale scale_;
    TaskQueue tasks_;
    EventWait wait_;
    PointerTrail pointerTrail_;  // the X server's pointer events not yet handled
    ButtonPoints buttonPoints_;  // the screen points of the button events not yet handled
    Uint32 taskEvent_;           // the SDL event type that wakes WaitForInput for posted tasks
    std::vector<std::unique_ptr<TopLevelWindow>> windows_;
    std::vector<HWND> order_;  // shown windows front to back, as last seen
    std::uint64_t wakeUps_ = 0;
    bool traceWakeUps_ = false;  // VR_TRACE_WAKEUPS set: one line on stderr per wake-up
    // VR_TRACE_PRESENTS set: one line on stderr per present ("present", or "appear" for the one
    // that maps a window; the backend's clock in ms, the pixels, the steady clock in µs).
    bool tracePresents_ = false;
};

}  // namespace platform::sdl
