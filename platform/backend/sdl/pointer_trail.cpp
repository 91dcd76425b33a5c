#include "platform/backend/sdl/pointer_trail.hpp"

#include <algorithm>

namespace platform::sdl {

void PointerTrail::Note(const PointerEvent& event) {
    events_.push_back(event);
    if (events_.size() > kKept) {
        events_.pop_front();
    }
}

template <typename Matches>
std::optional<PointerEvent> PointerTrail::take(Matches matches) {
    const auto it = std::find_if(events_.begin(), events_.end(), matches);
    if (it == events_.end()) {
        return std::nullopt;
    }
    const PointerEvent found = *it;
    events_.erase(events_.begin(), it + 1);
    return found;
}

std::optional<POINT> PointerTrail::TakeScreenPoint(unsigned long window, POINT point) {
    const std::optional<PointerEvent> found = take([&](const PointerEvent& e) {
        return e.window == window && e.point.x == point.x && e.point.y == point.y;
    });
    return found ? std::optional<POINT>(found->screen) : std::nullopt;
}

std::optional<PointerEvent> PointerTrail::TakeLeave(unsigned long window) {
    return take([&](const PointerEvent& e) { return e.window == window && e.leave; });
}

}  // namespace platform::sdl
