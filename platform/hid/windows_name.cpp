#include "platform/hid/windows_name.hpp"

#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/hid/report_descriptor.hpp"

namespace hid {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHidInterfaceClass = "{4d1e55b2-f16f-11cf-88cb-001111000030}";

std::string NodeName(std::string_view node) {
    const auto slash = node.rfind('/');
    return std::string(slash == std::string_view::npos ? node : node.substr(slash + 1));
}

// The sysfs directory of the HID device behind a hidraw node.
std::optional<fs::path> HidDeviceDirectory(const fs::path& sysfsRoot, std::string_view node) {
    const std::string name = NodeName(node);
    if (name.empty()) return std::nullopt;
    std::error_code error;
    fs::path dir = fs::canonical(sysfsRoot / "class" / "hidraw" / name / "device", error);
    if (error) return std::nullopt;
    return dir;
}

// A sysfs attribute holding one number, in the given base; empty when absent or not a number.
std::optional<unsigned> ReadNumber(const fs::path& file, int base) {
    std::ifstream in(file);
    std::string text;
    if (!(in >> text)) return std::nullopt;
    try {
        std::size_t used = 0;
        const unsigned long value = std::stoul(text, &used, base);
        if (used != text.size()) return std::nullopt;
        return static_cast<unsigned>(value);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

std::string Hex(unsigned value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*x", digits, value);
    return buffer;
}

}  // namespace

std::string FormatWindowsName(const WindowsNameParts& parts) {
    std::string name =
        "\\\\?\\hid#vid_" + Hex(parts.vendorId, 4) + "&pid_" + Hex(parts.productId, 4);
    if (parts.interfaceNumber) name += "&mi_" + Hex(*parts.interfaceNumber, 2);
    if (parts.collection) name += "&col" + Hex(*parts.collection, 2);
    name += "#" + parts.instance + "#";
    name += kHidInterfaceClass;
    return name;
}

std::optional<std::vector<std::uint8_t>> ReadReportDescriptor(const fs::path& sysfsRoot,
                                                              std::string_view node) {
    const auto dir = HidDeviceDirectory(sysfsRoot, node);
    if (!dir) return std::nullopt;
    std::ifstream in(*dir / "report_descriptor", std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>()};
    if (bytes.empty()) return std::nullopt;
    return bytes;
}

std::optional<std::string> WindowsInterfaceName(const fs::path& sysfsRoot, std::string_view node,
                                                std::uint16_t vendorId, std::uint16_t productId) {
    const auto hidDir = HidDeviceDirectory(sysfsRoot, node);
    if (!hidDir) return std::nullopt;

    WindowsNameParts parts;
    parts.vendorId = vendorId;
    parts.productId = productId;
    parts.instance = NodeName(node);

    // A USB HID device sits below its USB interface, which sits below the USB device.
    const fs::path usbInterface = hidDir->parent_path();
    const auto interfaceNumber = ReadNumber(usbInterface / "bInterfaceNumber", 16);
    const auto interfaceCount = ReadNumber(usbInterface.parent_path() / "bNumInterfaces", 10);
    if (interfaceNumber && interfaceCount && *interfaceCount > 1) {
        parts.interfaceNumber = interfaceNumber;
    }

    if (const auto descriptor = ReadReportDescriptor(sysfsRoot, node)) {
        if (SummarizeReportDescriptor(*descriptor).topLevelCollections > 1) parts.collection = 1;
    }
    return FormatWindowsName(parts);
}

}  // namespace hid
