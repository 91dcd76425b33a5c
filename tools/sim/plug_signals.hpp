// SIGUSR1 and SIGUSR2 for the simulators: unplug the emulated controller, plug it back in. The
// signal handler only writes the signal's number into a pipe; a watcher thread reads it there and
// hands the event on, so nothing but write() runs inside the handler and nothing polls.
#pragma once

#include <functional>
#include <thread>

namespace sim {

enum class PlugEvent { Unplug, Replug };

class PlugSignals {
  public:
    // Called on the watcher thread for each signal, in the order they came. It must hand the
    // event to the GUI thread (the emulated bus belongs to that thread).
    using Deliver = std::function<void(PlugEvent)>;

    // Installs the two handlers and starts the watcher; throws std::system_error when the pipe or
    // a handler cannot be set up. Only one object may exist at a time.
    explicit PlugSignals(Deliver deliver);
    // Stops the watcher and puts the previous handlers back.
    ~PlugSignals();
    PlugSignals(const PlugSignals&) = delete;
    PlugSignals& operator=(const PlugSignals&) = delete;

  private:
    void Watch();

    Deliver deliver_;
    std::thread watcher_;
};

}  // namespace sim
