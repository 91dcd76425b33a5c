// The simulator's HID bus: a few ordinary interfaces around the emulated controller, which starts
// in the state the command line asks for.
#pragma once

#include "platform/hid/emulated_bus.hpp"
#include "tools/sim/sim_options.hpp"

namespace sim {

// Fills the bus: a keyboard, a look-alike with the controller's IDs on another interface, a mouse,
// then the controller (left out of the enumeration with --absent, never answering with --silent).
void SetUpSimBus(hid::EmulatedBus& bus, const SimOptions& options);

}  // namespace sim
