// The screen points of mouse button events, as the X server reported them (in device pixels). SDL
// gives a button event only the window coordinates of the last pointer move, and those relate to
// where the window was when the server sent them: after the window layer has moved the window
// itself (a drag by its surface without a window manager), they no longer say where the press or
// release happened. The X event behind it carries the point on the screen.
//
// The backend notes what SDL's event filter sees, in the order SDL queues it: the X button event
// (NoteXButton), any other X event (NoteOtherXEvent), and SDL's own button event that follows
// from an X button event (NoteSdlButtonQueued). When the queued SDL button event is dispatched,
// Take gives its screen point, or none when no X button event came right before it.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "platform/wintypes.hpp"

namespace platform::sdl {

class ButtonPoints {
  public:
    void NoteXButton(POINT screen);
    void NoteOtherXEvent();
    void NoteSdlButtonQueued();
    // For the oldest queued SDL button event not yet dispatched.
    std::optional<POINT> Take();

  private:
    // An X button event that SDL swallowed (a press that starts a window manager's drag, a
    // release of a button SDL never saw pressed) gives no SDL event: it is forgotten at the
    // next X event.
    std::optional<POINT> pending_;
    std::deque<std::optional<POINT>> queued_;
    // SDL's queue holds a few thousand events at most; a dispatcher that never comes is not
    // worth more memory than this.
    static constexpr std::size_t kMostQueued = 256;
};

}  // namespace platform::sdl
