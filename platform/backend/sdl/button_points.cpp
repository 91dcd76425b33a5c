#include "platform/backend/sdl/button_points.hpp"

namespace platform::sdl {

void ButtonPoints::NoteXButton(POINT screen) {
    pending_ = screen;
}

void ButtonPoints::NoteOtherXEvent() {
    pending_.reset();
}

void ButtonPoints::NoteSdlButtonQueued() {
    if (queued_.size() == kMostQueued) {
        queued_.pop_front();
    }
    queued_.push_back(pending_);
    pending_.reset();
}

std::optional<POINT> ButtonPoints::Take() {
    if (queued_.empty()) {
        return std::nullopt;
    }
    const std::optional<POINT> point = queued_.front();
    queued_.pop_front();
    return point;
}

}  // namespace platform::sdl
