// The simulator's HID bus: a few ordinary interfaces around the emulated controller, which starts
// in the state the command line asks for.
#pragma once

#include "platform/hid/emulated_bus.hpp"
#include "tools/sim/plug_signals.hpp"
#include "tools/sim/sim_options.hpp"

namespace sim {

// Fills the bus: a keyboard, a look-alike with the controller's IDs on another interface, a mouse,
// then the controller (left out of the enumeration with --absent, never answering with --silent,
// answering with random bytes with --garbage, sending input all the time with --flood).
void SetUpSimBus(hid::EmulatedBus& bus, const SimOptions& options);

// Unplugs the controller (every I/O on it fails from now on) or plugs it back in as a new
// interface, keeping what it holds.
void ApplyPlugEvent(hid::EmulatedBus& bus, PlugEvent event);

}  // namespace sim
