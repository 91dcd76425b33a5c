// Fuzzes the report path: the device link's commands and queries against an emulated controller
// that answers with random, short, late or no input reports, sends reports nobody asked for and
// is unplugged at a random moment, all chosen by the input. Every report that reaches the
// controller must carry the fixed header, and no read may store outside its buffer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "device/device_commands.hpp"
#include "device/device_link.hpp"
#include "device/message_sink.hpp"
#include "device/report_builders.hpp"
#include "platform/hid/emulated_bus.hpp"

namespace {

// Takes the input's bytes in order; zeros once it is used up.
class ByteSource {
  public:
    ByteSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return position_ >= size_; }
    std::uint8_t byte() { return empty() ? 0 : data_[position_++]; }
    int integer() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value = (value << 8) | byte();
        return static_cast<int>(value);
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

class NoMessages final : public MessageSink {
  public:
    void ShowMessage(std::wstring_view text) override {
        if (text.empty()) std::abort();
    }
};

void CheckHeader(const hid::EmulatedController::Report& report) {
    const std::uint8_t target = report[2];
    const bool knownTarget =
        target == kTargetArgbEffect || target == kTargetVrgbEffect || target == kTargetLedCount;
    const bool knownDirection = report[3] == kDirectionQuery || report[3] == kDirectionSet;
    if (report[0] != 0 || report[1] != kReportMarker || !knownTarget || !knownDirection) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteSource input(data, size);
    hid::EmulatedBus bus;
    bus.addTypicalMachine();
    hid::EmulatedController& controller = bus.controller();
    controller.setSeed(static_cast<std::uint32_t>(input.integer()));
    controller.state().ledCount = input.byte();

    DeviceLink link(bus);
    link.FindController();
    NoMessages messages;
    int ledCount = 0;

    for (int step = 0; step < 64 && !input.empty(); ++step) {
        switch (input.byte() % 12) {
            case 0:
                controller.setAnswerStyle(static_cast<hid::AnswerStyle>(input.byte() % 5));
                break;
            case 1:
                controller.setShortAnswerLength(input.byte());
                break;
            case 2:
                controller.sendUnasked(input.byte() % 80);
                break;
            case 3:
                controller.setUnaskedPerReport(input.byte() % 4);
                break;
            case 4:
                controller.unplugAfter(input.byte() % 8);
                break;
            case 5: {
                const ArgbState state = QueryArgbState(link);
                static_cast<void>(state);
                break;
            }
            case 6:
                ledCount = QueryLedCount(link, ledCount);
                break;
            case 7:
                SetLedCount(link, input.integer());
                break;
            case 8: {
                const int effect = input.integer();
                const int preset = input.integer();
                ApplyArgbEffect(link, effect, preset, input.integer(), input.integer(),
                                input.integer());
                break;
            }
            case 9: {
                const int effect = input.integer();
                const int preset = input.integer();
                const auto language = static_cast<UiLanguage>(input.byte() % 3);
                ApplyVrgbEffect(link, messages, effect, preset, input.integer(), input.integer(),
                                input.integer(), language);
                break;
            }
            case 10: {
                DeviceReport report = BuildLedCountQuery(input.integer());
                link.ReadReport(report);
                if (report[0] != 0) std::abort();  // a read never touches the report ID
                break;
            }
            default:
                link.DiscardInput();
                link.FindController();  // a new discovery, also after an unplug
                break;
        }
    }
    for (const auto& report : controller.received()) CheckHeader(report);
    return 0;
}
