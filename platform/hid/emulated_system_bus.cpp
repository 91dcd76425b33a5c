#include "platform/hid/emulated_system_bus.hpp"

#include "platform/context.hpp"
#include "platform/hid/system_bus.hpp"

namespace hid {
namespace {

// A plain desktop machine with the controller plugged in, until the caller sets it up otherwise.
struct EmulatedMachine {
    EmulatedMachine() { bus.addTypicalMachine(); }
    EmulatedBus bus;
};

}  // namespace

EmulatedBus& EmulatedSystemBus() {
    return platform::Context::Current().Part<EmulatedMachine>().bus;
}

Bus& SystemBus() {
    return EmulatedSystemBus();
}

EmulatedController& StartController(const ControllerStart& start) {
    EmulatedController& controller = EmulatedSystemBus().controller();
    controller.setPresent(start.present);
    EmulatedControllerState& state = controller.state();
    state.argb.red = start.red;
    state.argb.green = start.green;
    state.argb.blue = start.blue;
    state.ledCount = static_cast<std::uint8_t>(start.ledCount);
    return controller;
}

}  // namespace hid
