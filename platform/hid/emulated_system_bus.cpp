#include "platform/hid/emulated_system_bus.hpp"

#include "platform/hid/system_bus.hpp"

namespace hid {
namespace {

EmulatedBus TypicalMachine() {
    EmulatedBus bus;
    bus.addTypicalMachine();
    return bus;
}

}  // namespace

// A plain desktop machine with the controller plugged in, until the caller sets it up otherwise.
EmulatedBus& EmulatedSystemBus() {
    static EmulatedBus bus = TypicalMachine();
    return bus;
}

Bus& SystemBus() {
    return EmulatedSystemBus();
}

}  // namespace hid
