// What the user is told when the controller is on the bus but this user may not open it: one line
// on stderr and the start-up message, both naming the node and the udev rule that gives the
// logged-in user access.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "device/device_link.hpp"

// The file name of the udev rule that the program installs.
inline constexpr std::string_view kUdevRuleName = "60-vespane-rgb.rules";

// What the start-up shows when no controller was found.
inline constexpr std::wstring_view kDetectionFailed = L"Hardware detection failed.";

// True when an open failed for lack of permission (EACCES or EPERM).
bool IsPermissionFailure(std::string_view reason);

// After FindController: when no controller is open and an interface that names the controller
// could not be opened for lack of permission, the line to print (without a line break), starting
// with the program's name. Nothing in every other case: the controller was opened, is absent, or
// failed for another reason.
std::optional<std::string> FormatAccessHint(const DeviceLink& link, std::string_view program);

// After FindController: the interface of the controller that this user may not open, when that is
// why no controller is open; null in every other case.
const OpenFailure* DeniedController(const DeviceLink& link);

// The start-up message for that case: "Hardware detection failed." and then which node could not
// be opened and how to fix it. Nothing in every other case, where the message stays the plain one.
// The start-up runs in English, so the text is English.
std::optional<std::wstring> AccessProblemMessage(const DeviceLink& link);
