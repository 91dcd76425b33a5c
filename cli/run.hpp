// The companion program as a whole: its command line in, reports to the controller, its texts and
// exit status out. Both executables (the real bus, and the emulated controller of the simulator
// twin) run this.
#pragma once

#include <cstdio>
#include <span>
#include <string_view>

#include "device/device_link.hpp"
#include "platform/hid/hid_bus.hpp"

namespace ctl {

inline constexpr int kExitDone = 0;
inline constexpr int kExitControllerProblem = 1;  // not found, no permission, no answer
inline constexpr int kExitUsageError = 2;         // nothing was written

struct Environment {
    std::string_view program;  // the name in messages and help texts
    hid::Bus& bus;
    std::FILE* out;
    std::FILE* err;
    DeviceLink::Tap tap;            // sees every report that crosses the link
    std::string_view extraOptions;  // help lines of the options taken before the command
};

// Runs the command given by the arguments after the program name; returns the exit status.
int Run(const Environment& env, std::span<const std::string_view> args);

}  // namespace ctl
