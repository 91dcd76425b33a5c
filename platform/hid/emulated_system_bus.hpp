// The emulated bus that stands in as the system bus in the simulator and in tests, so that they
// can set up the emulated controller before the program looks for it. It is the machine of the
// current platform context: each context (each test's) starts with a machine of its own.
#pragma once

#include <cstdint>

#include "platform/hid/emulated_bus.hpp"

namespace hid {

// Starts as a keyboard, a mouse and the controller.
EmulatedBus& EmulatedSystemBus();

// How the machine's controller starts: plugged in or not, its ARGB colour and its LED count.
struct ControllerStart {
    bool present = true;
    std::uint8_t red = 61;
    std::uint8_t green = 69;
    std::uint8_t blue = 255;
    int ledCount = 30;  // 0 to 255
};

// Sets the system bus's controller up to start so, and returns it.
EmulatedController& StartController(const ControllerStart& start);

}  // namespace hid
