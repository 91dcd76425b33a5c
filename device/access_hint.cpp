#include "device/access_hint.hpp"

#include <cerrno>
#include <cstring>

bool IsPermissionFailure(std::string_view reason) {
    // The bus reports the system's own text for the error number.
    return reason == std::strerror(EACCES) || reason == std::strerror(EPERM);
}

const OpenFailure* DeniedController(const DeviceLink& link) {
    if (link.deviceHandle() != nullptr) return nullptr;
    for (const OpenFailure& failure : link.openFailures()) {
        if (PathNamesController(failure.devicePath) && IsPermissionFailure(failure.reason)) {
            return &failure;
        }
    }
    return nullptr;
}

std::optional<std::wstring> AccessProblemMessage(const DeviceLink& link) {
    const OpenFailure* failure = DeniedController(link);
    if (failure == nullptr) return std::nullopt;
    std::wstring text(kDetectionFailed);
    text += L"\n\nThe controller at ";
    text.append(failure->node.begin(), failure->node.end());
    text += L" may not be opened by this user. Install the udev rule ";
    text.append(kUdevRuleName.begin(), kUdevRuleName.end());
    text += L", then unplug and replug the controller.";
    return text;
}

std::optional<std::string> FormatAccessHint(const DeviceLink& link, std::string_view program) {
    if (const OpenFailure* failure = DeniedController(link)) {
        std::string line(program);
        line += ": the controller at ";
        line += failure->node;
        line += " cannot be opened (";
        line += failure->reason;
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
