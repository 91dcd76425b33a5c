#include "device/access_hint.hpp"

#include <cerrno>
#include <cstring>

bool IsPermissionFailure(std::string_view reason) {
    // The bus reports the system's own text for the error number.
    return reason == std::strerror(EACCES) || reason == std::strerror(EPERM);
}

std::optional<std::string> FormatAccessHint(const DeviceLink& link, std::string_view program) {
    if (link.deviceHandle() != nullptr) return std::nullopt;
    for (const OpenFailure& failure : link.openFailures()) {
        if (!PathNamesController(failure.devicePath) || !IsPermissionFailure(failure.reason)) {
            continue;
        }
        std::string line(program);
        line += ": the controller at ";
        line += failure.node;
        line += " cannot be opened (";
        line += failure.reason;
        line += "); install the udev rule ";
        line += kUdevRuleName;
        line +=
            " (see README: cmake --install or the .deb), then run "
            "'sudo udevadm control --reload-rules && sudo udevadm trigger' and replug the "
            "controller.";
        return line;
    }
    return std::nullopt;
}
