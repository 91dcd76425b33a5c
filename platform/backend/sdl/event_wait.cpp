#include "platform/backend/sdl/event_wait.hpp"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <stdexcept>

#include "platform/backend/sdl/x11_window.hpp"

namespace platform::sdl {

EventWait::EventWait() : wakeFd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
    if (wakeFd_ < 0) {
        throw std::runtime_error("cannot make the event loop's wake-up descriptor");
    }
}

EventWait::~EventWait() {
    close(wakeFd_);
}

void EventWait::Wake() {
    const std::uint64_t one = 1;
    // A full counter (it never is) already wakes the waiter.
    [[maybe_unused]] const ssize_t written = write(wakeFd_, &one, sizeof(one));
}

bool EventWait::Wait(SDL_Window* window, std::optional<int> timeoutMs) {
    if (display_ == nullptr && window != nullptr) {
        display_ = X11DisplayOf(window);
        connection_ = display_ != nullptr ? X11ConnectionOf(display_) : -1;
    }
    if (display_ == nullptr) {
        return timeoutMs ? SDL_WaitEventTimeout(nullptr, *timeoutMs) != 0
                         : SDL_WaitEvent(nullptr) != 0;
    }
    if (queueCheck_.Needed(X11NextRequest(display_))) {
        const bool held = X11EventsWaiting(display_);
        queueCheck_.Asked(X11NextRequest(display_), held);
        if (held) {
            return true;
        }
    }
    std::array<pollfd, 2> fds{{{connection_, POLLIN, 0}, {wakeFd_, POLLIN, 0}}};
    int ready = 0;
    do {
        ready = poll(fds.data(), fds.size(), timeoutMs ? *timeoutMs : -1);
    } while (ready < 0 && errno == EINTR);
    queueCheck_.Slept(ready == 0);
    if ((fds[1].revents & POLLIN) != 0) {
        std::uint64_t count = 0;
        [[maybe_unused]] const ssize_t got = read(wakeFd_, &count, sizeof(count));
    }
    return ready != 0;
}

}  // namespace platform::sdl
