// What `status` prints.
#pragma once

#include <string>

#include "device/device_commands.hpp"

namespace ctl {

// "mode: 9 (Static)", "colour: 61,69,255", "LED count: 30", one a line; with `json`, one object
// on one line with the keys mode, effect (the label, or null), red, green, blue, led_count.
std::string FormatStatus(const ArgbState& state, BYTE ledCount, bool json);

}  // namespace ctl
