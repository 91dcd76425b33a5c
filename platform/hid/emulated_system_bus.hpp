// The emulated bus that stands in as the system bus in the simulator and in tests, so that they
// can set up the emulated controller before the program looks for it.
#pragma once

#include "platform/hid/emulated_bus.hpp"

namespace hid {

// Starts as a keyboard, a mouse and the controller.
EmulatedBus& EmulatedSystemBus();

}  // namespace hid
