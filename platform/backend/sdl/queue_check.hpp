// When the event wait must ask Xlib for events it may hold before sleeping on the X connection.
// Asking flushes the requests Xlib buffers and reads the connection (two reads that find nothing
// on a quiet one); it is needed when something may have come into Xlib's queue without the
// connection's descriptor telling: events read along with a reply, or left by the last pump.
// After an ask that found nothing and a sleep that ended by its time limit, with no request sent
// since (so nothing written to flush and no reply read), Xlib's queue is as empty as it was: the
// next wait sleeps at once. That is every wake-up of a timer that only reads the window layer,
// such as the hover watch's.
#pragma once

namespace platform::sdl {

class QueueCheck {
  public:
    // Whether the wait must ask Xlib first, `nextRequest` being the serial number Xlib would give
    // its next request now.
    bool Needed(unsigned long nextRequest) const {
        return !quietSinceAsked_ || nextRequest != askedAtRequest_;
    }
    // Xlib was asked, with its next request numbered `nextRequest`; it held events or not.
    void Asked(unsigned long nextRequest, bool eventsHeld) {
        askedAtRequest_ = nextRequest;
        quietSinceAsked_ = !eventsHeld;
    }
    // The sleep ended: by its time limit (nothing arrived), or because a descriptor became ready
    // (the caller pumps the events, which may leave some in Xlib's queue).
    void Slept(bool timedOut) {
        if (!timedOut) quietSinceAsked_ = false;
    }

  private:
    bool quietSinceAsked_ = false;
    unsigned long askedAtRequest_ = 0;
};

}  // namespace platform::sdl
