#include "platform/hid/emulated_controller.hpp"

#include <algorithm>
#include <chrono>
#include <thread>

namespace hid {
namespace {

constexpr std::uint8_t kMarker = 0x80;
constexpr std::uint8_t kTargetVrgb = 0x04;
constexpr std::uint8_t kTargetArgb = 0x0B;
constexpr std::uint8_t kTargetLedCount = 0x0D;
constexpr std::uint8_t kQuery = 0x01;
constexpr std::uint8_t kSet = 0x02;

// The bytes of a channel's effect block: mode, 0x00, parameter, 0x03, red, green, blue.
void StoreBlock(const EmulatedChannel& channel, EmulatedController::Report& report,
                std::size_t at) {
    report[at] = channel.mode;
    report[at + 2] = channel.parameter;
    report[at + 3] = 0x03;
    report[at + 4] = channel.red;
    report[at + 5] = channel.green;
    report[at + 6] = channel.blue;
}

EmulatedChannel LoadBlock(const EmulatedController::Report& report, std::size_t at) {
    return {report[at], report[at + 2], report[at + 4], report[at + 5], report[at + 6]};
}

}  // namespace

void EmulatedController::sendUnasked(std::size_t count) {
    for (std::size_t i = 0; i < count && input_.size() < kInputQueueLimit; ++i) {
        std::vector<std::uint8_t> noise(kReportSize - 1);
        std::generate(noise.begin(), noise.end(),
                      [this] { return static_cast<std::uint8_t>(random_()); });
        queueInput(std::move(noise));
    }
}

bool EmulatedController::receive(std::span<const std::uint8_t> report) {
    if (!present_ || report.size() != kReportSize) return false;
    Report copy{};
    std::copy(report.begin(), report.end(), copy.begin());
    received_.push_back(copy);
    if (watch_) watch_(copy);
    handle(copy);
    sendUnasked(flood_ ? kInputQueueLimit : unaskedPerReport_);
    if (unplugCountdown_ > 0 && --unplugCountdown_ == 0) unplug();
    return true;
}

int EmulatedController::takeInput(std::span<std::uint8_t> into, std::uint32_t limitMs) {
    if (!present_) return -1;
    if (input_.empty()) {
        lastReadLimitMs_ = limitMs;
        if (readsWaitInRealTime_) std::this_thread::sleep_for(std::chrono::milliseconds(limitMs));
        for (auto& answer : late_) queueInput(std::move(answer));
        late_.clear();
        return 0;
    }
    const std::vector<std::uint8_t> next = std::move(input_.front());
    input_.pop_front();
    if (flood_) sendUnasked(1);
    const std::size_t count = std::min(into.size(), next.size());
    std::copy_n(next.begin(), count, into.begin());
    return static_cast<int>(count);
}

void EmulatedController::handle(const Report& report) {
    if (report[1] != kMarker) return;
    const std::uint8_t target = report[2];
    const std::uint8_t direction = report[3];
    if (target == kTargetArgb && direction == kSet) {
        state_.argb = LoadBlock(report, 5);
    } else if (target == kTargetVrgb && direction == kSet) {
        state_.vrgb = LoadBlock(report, 4);
    } else if (target == kTargetLedCount && direction == kSet) {
        state_.ledCount = report[4];
    } else if (target == kTargetArgb && direction == kQuery) {
        Report reply{0x00, kMarker, kTargetArgb, kQuery, 0x0F};
        StoreBlock(state_.argb, reply, 5);
        answer(reply);
    } else if (target == kTargetLedCount && direction == kQuery) {
        Report reply{0x00, kMarker, kTargetLedCount, kQuery, state_.ledCount};
        answer(reply);
    }
}

// The controller does not number its reports, so the input report is bytes 1 to 64.
void EmulatedController::answer(Report report) {
    switch (answerStyle_) {
        case AnswerStyle::Normal:
            queueInput({report.begin() + 1, report.end()});
            break;
        case AnswerStyle::Silent:
            break;
        case AnswerStyle::Late:
            late_.emplace_back(report.begin() + 1, report.end());
            break;
        case AnswerStyle::Random:
            sendUnasked(1);
            break;
        case AnswerStyle::Short: {
            const std::size_t length = std::min(shortAnswerLength_, kReportSize - 1);
            queueInput({report.begin() + 1, report.begin() + 1 + static_cast<long>(length)});
            break;
        }
    }
}

// A full queue takes no more reports, as the kernel's hidraw buffer does.
void EmulatedController::queueInput(std::vector<std::uint8_t> bytes) {
    if (input_.size() == kInputQueueLimit) return;
    input_.push_back(std::move(bytes));
}

}  // namespace hid
