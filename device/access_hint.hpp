// The one line printed on stderr when the controller is on the bus but this user may not open it:
// it names the node and the udev rule that gives the logged-in user access.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "device/device_link.hpp"

// The file name of the udev rule that the program installs.
inline constexpr std::string_view kUdevRuleName = "60-vespane-rgb.rules";

// True when an open failed for lack of permission (EACCES or EPERM).
bool IsPermissionFailure(std::string_view reason);

// After FindController: when no controller is open and an interface that names the controller
// could not be opened for lack of permission, the line to print (without a line break), starting
// with the program's name. Nothing in every other case: the controller was opened, is absent, or
// failed for another reason.
std::optional<std::string> FormatAccessHint(const DeviceLink& link, std::string_view program);
