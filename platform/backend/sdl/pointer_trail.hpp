// Where on the screen the pointer was at each pointer event the X server sent, until SDL's own
// event made of it is handled. SDL's mouse events carry only window coordinates, and the window
// may have moved since the server sent them (the window layer moves it while a button drags
// it); asking the server where the pointer is now costs a round trip per event and gives where
// it is now, not where it was. The server's events carry the screen point too: the backend notes
// them as they pass (X11 only) and takes each back for the SDL event with the same window and
// point.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "platform/wintypes.hpp"

namespace platform::sdl {

struct PointerEvent {
    unsigned long window;  // the X window
    POINT point;           // in the window
    POINT screen;
    bool leave;       // the pointer left the window (SDL reports it as the window's leave event)
    bool buttonHeld;  // a mouse button was down
};

class PointerTrail {
  public:
    void Note(const PointerEvent& event);
    // The screen point of the oldest noted event of the window at that point (a motion, a press,
    // a release, or the motion SDL makes of a leave); the events noted before it are dropped
    // with it. None when there is no such event (SDL's event did not come from one noted).
    std::optional<POINT> TakeScreenPoint(unsigned long window, POINT point);
    // The oldest noted leave of the window, and the events before it.
    std::optional<PointerEvent> TakeLeave(unsigned long window);
    std::size_t size() const { return events_.size(); }

    // Events that no SDL event claims (SDL drops some) are forgotten beyond this many.
    static constexpr std::size_t kKept = 64;

  private:
    template <typename Matches>
    std::optional<PointerEvent> take(Matches matches);

    std::deque<PointerEvent> events_;
};

}  // namespace platform::sdl
