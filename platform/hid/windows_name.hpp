// The Windows form of a HID interface's name, "\\?\hid#vid_1a2c&pid_1507&mi_01&col01#…", built
// from what Linux tells about a hidraw node in sysfs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hid {

struct WindowsNameParts {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::optional<unsigned> interfaceNumber;  // only when the USB device has several interfaces
    std::optional<unsigned> collection;       // only when the interface has several collections
    std::string instance;                     // the text between the two number signs
};

std::string FormatWindowsName(const WindowsNameParts& parts);

// The report descriptor of a hidraw node ("/dev/hidraw3" or "hidraw3"), from
// <sysfsRoot>/class/hidraw/<node>/device/report_descriptor. Empty when it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadReportDescriptor(
    const std::filesystem::path& sysfsRoot, std::string_view node);

// The Windows-form name of a hidraw node. The USB interface number is added when the USB device
// has more than one interface; the collection number when the report descriptor has more than one
// top-level application collection (a hidraw node carries all of them, Windows names the first
// "col01"). Empty when sysfs does not know the node.
std::optional<std::string> WindowsInterfaceName(const std::filesystem::path& sysfsRoot,
                                                std::string_view node, std::uint16_t vendorId,
                                                std::uint16_t productId);

}  // namespace hid
