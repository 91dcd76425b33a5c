#include "tools/sim/sim_bus.hpp"

namespace sim {

void SetUpSimBus(hid::EmulatedBus& bus, const SimOptions& options) {
    bus.clear();
    bus.addKeyboard();
    bus.addLookalike();
    bus.addMouse();
    bus.addController();

    hid::EmulatedController& controller = bus.controller();
    const std::array<std::uint8_t, 3> colour = options.colour.value_or(kDefaultColour);
    hid::EmulatedControllerState& state = controller.state();
    state.argb.red = colour[0];
    state.argb.green = colour[1];
    state.argb.blue = colour[2];
    state.ledCount = static_cast<std::uint8_t>(options.leds.value_or(kDefaultLeds));
    controller.setPresent(!options.absent);
    controller.setAnswerStyle(options.silent    ? hid::AnswerStyle::Silent
                              : options.garbage ? hid::AnswerStyle::Random
                                                : hid::AnswerStyle::Normal);
    controller.setFlood(options.flood);
    // An unanswered read takes its time, as it does on the real controller.
    controller.setReadsWaitInRealTime(true);
}

void ApplyPlugEvent(hid::EmulatedBus& bus, PlugEvent event) {
    switch (event) {
        case PlugEvent::Unplug:
            bus.controller().unplug();
            break;
        case PlugEvent::Replug:
            bus.replugController();
            break;
    }
}

}  // namespace sim
