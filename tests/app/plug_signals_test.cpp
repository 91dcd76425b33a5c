// The simulators' SIGUSR1 and SIGUSR2: each signal arrives once, in order, on the watcher thread,
// and the handlers are gone again with the object.
#include "tools/sim/plug_signals.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <vector>

namespace {

using sim::PlugEvent;
using sim::PlugSignals;

class Received {
  public:
    void Add(PlugEvent event) {
        const std::lock_guard lock(mutex_);
        events_.push_back(event);
        changed_.notify_all();
    }
    // The events once `count` have come, or what came within a generous limit.
    std::vector<PlugEvent> WaitFor(std::size_t count) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, std::chrono::seconds(10), [&] { return events_.size() >= count; });
        return events_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<PlugEvent> events_;
};

TEST(PlugSignals, EachSignalIsDeliveredOnceAndInOrder) {
    Received received;
    {
        const PlugSignals signals([&received](PlugEvent event) { received.Add(event); });
        ASSERT_EQ(std::raise(SIGUSR1), 0);
        EXPECT_EQ(received.WaitFor(1), std::vector<PlugEvent>{PlugEvent::Unplug});
        ASSERT_EQ(std::raise(SIGUSR2), 0);
        ASSERT_EQ(std::raise(SIGUSR1), 0);
        EXPECT_EQ(received.WaitFor(3), (std::vector<PlugEvent>{PlugEvent::Unplug, PlugEvent::Replug,
                                                               PlugEvent::Unplug}));
    }
}

// The handler in place for a signal, without changing it.
void (*HandlerOf(int signal))(int) {
    struct sigaction current {};
    sigaction(signal, nullptr, &current);
    return current.sa_handler;
}

TEST(PlugSignals, AnotherHandlerInstalledBeforeIsRestored) {
    const auto before = std::signal(SIGUSR2, SIG_IGN);
    {
        Received received;
        const PlugSignals signals([&received](PlugEvent event) { received.Add(event); });
        EXPECT_NE(HandlerOf(SIGUSR2), SIG_IGN);
        EXPECT_NE(HandlerOf(SIGUSR1), SIG_DFL);
    }
    EXPECT_EQ(HandlerOf(SIGUSR2), SIG_IGN);
    EXPECT_EQ(HandlerOf(SIGUSR1), SIG_DFL);
    std::signal(SIGUSR2, before);
}

}  // namespace
