// An in-process stand-in for the lighting controller. It keeps what the real controller holds,
// answers its two queries with one input report each, records every report it receives, and can
// misbehave in the ways a test needs: silent, random or short answers, unasked input reports, and
// being unplugged in the middle of a run.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <random>
#include <span>
#include <vector>

namespace hid {

struct EmulatedChannel {
    std::uint8_t mode = 0;
    std::uint8_t parameter = 0;
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

struct EmulatedControllerState {
    EmulatedChannel argb;
    EmulatedChannel vrgb;
    std::uint8_t ledCount = 0;
};

enum class AnswerStyle {
    Normal,  // the answer the controller gives
    Silent,  // never answers
    Random,  // answers with random bytes
    Short,   // answers with only the first shortAnswerLength bytes
    Late,    // answers only after the read waiting for it has given up
};

class EmulatedController {
  public:
    static constexpr std::size_t kReportSize = 65;
    using Report = std::array<std::uint8_t, kReportSize>;
    // Input reports queued for reading at most; later ones are lost until the queue is read.
    static constexpr std::size_t kInputQueueLimit = 64;

    EmulatedControllerState& state() { return state_; }
    const EmulatedControllerState& state() const { return state_; }

    void setAnswerStyle(AnswerStyle style) { answerStyle_ = style; }
    void setShortAnswerLength(std::size_t length) { shortAnswerLength_ = length; }
    void setSeed(std::uint32_t seed) { random_.seed(seed); }
    // After each report it receives (and after its answer), the controller also sends this many
    // unasked input reports.
    void setUnaskedPerReport(std::size_t count) { unaskedPerReport_ = count; }
    // Sends this many unasked input reports now.
    void sendUnasked(std::size_t count);
    // A controller that keeps sending unasked input reports: its input queue is full again after
    // every report it receives and after every input report taken from it.
    void setFlood(bool flood) { flood_ = flood; }
    // A read that finds nothing queued waits for its whole time limit, as on a real device (for
    // the simulators; tests keep reads instant).
    void setReadsWaitInRealTime(bool wait) { readsWaitInRealTime_ = wait; }

    // Whether the controller is on the bus at all; an absent controller is not enumerated.
    void setPresent(bool present) { present_ = present; }
    bool present() const { return present_; }
    // Every handle opened before an unplug stays dead, also once the controller is back (it comes
    // back as a new interface: EmulatedBus::replugController).
    void unplug() {
        present_ = false;
        ++unplugs_;
    }
    // How many times the controller was unplugged: a handle works while this is what it was when
    // the handle was opened.
    std::uint32_t unplugs() const { return unplugs_; }
    // The controller goes away right after it has received this many more reports.
    void unplugAfter(std::size_t reports) { unplugCountdown_ = reports; }

    // Called with each report as it arrives, before the controller handles it: a test looks at
    // the program at that moment (what it shows while its query is on the way).
    void setReceiveWatch(std::function<void(const Report&)> watch) { watch_ = std::move(watch); }

    // Every report received, in order, as written (65 bytes, byte 0 the report ID).
    const std::vector<Report>& received() const { return received_; }
    void clearReceived() { received_.clear(); }
    std::size_t queuedInput() const { return input_.size(); }
    // The time limit of the last read that found no input report.
    std::uint32_t lastReadLimitMs() const { return lastReadLimitMs_; }

    // The device side, used by the emulated bus's open handles.
    bool receive(std::span<const std::uint8_t> report);
    // -1 when unplugged, 0 when no input is queued, else the bytes stored (without report ID).
    int takeInput(std::span<std::uint8_t> into, std::uint32_t limitMs);
    void discardInput() { input_.clear(); }

  private:
    void handle(const Report& report);
    void answer(Report report);
    void queueInput(std::vector<std::uint8_t> bytes);

    EmulatedControllerState state_;
    AnswerStyle answerStyle_ = AnswerStyle::Normal;
    std::size_t shortAnswerLength_ = 8;
    std::size_t unaskedPerReport_ = 0;
    bool present_ = true;
    bool flood_ = false;
    bool readsWaitInRealTime_ = false;
    std::uint32_t unplugs_ = 0;
    std::size_t unplugCountdown_ = 0;  // 0: stays plugged in
    std::uint32_t lastReadLimitMs_ = 0;
    std::vector<Report> received_;
    std::function<void(const Report&)> watch_;
    std::deque<std::vector<std::uint8_t>> input_;
    std::vector<std::vector<std::uint8_t>> late_;  // answers still on their way
    std::mt19937 random_{0x1A2C1507u};
};

}  // namespace hid
