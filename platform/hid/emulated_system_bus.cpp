#include "platform/hid/emulated_system_bus.hpp"

#include "platform/hid/system_bus.hpp"

namespace hid {

EmulatedBus& EmulatedSystemBus() {
    static EmulatedBus bus;
    return bus;
}

Bus& SystemBus() {
    return EmulatedSystemBus();
}

}  // namespace hid
