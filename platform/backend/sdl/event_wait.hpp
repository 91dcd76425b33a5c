// Sleeping between events: on the X connection and a wake-up descriptor of the backend's own, in
// one poll(), instead of in SDL's wait, which reads the connection many times over per wake-up.
#pragma once

#include <SDL.h>

#include <optional>

#include "platform/backend/sdl/queue_check.hpp"

struct _XDisplay;  // Xlib's Display

namespace platform::sdl {

class EventWait {
  public:
    EventWait();  // throws std::runtime_error when the wake-up descriptor cannot be made
    ~EventWait();
    EventWait(const EventWait&) = delete;
    EventWait& operator=(const EventWait&) = delete;

    // Makes a Wait in progress return, or the next one return at once. Any thread may call it.
    void Wake();

    // Blocks until the X server has sent something to the display of `window` (the display of the
    // first window given: all SDL windows are on it), or Xlib holds
    // events not yet taken), Wake() was called, or `timeoutMs` passed (none: no limit). Returns
    // false when the time ran out, true otherwise. Without an X connection it waits in SDL instead
    // (which PostTask's SDL event wakes).
    bool Wait(SDL_Window* window, std::optional<int> timeoutMs);

  private:
    int wakeFd_;
    _XDisplay* display_ = nullptr;  // SDL's X display, once a window has shown which it is
    int connection_ = -1;
    QueueCheck queueCheck_;  // whether Xlib must be asked for events it holds before a sleep
};

}  // namespace platform::sdl
