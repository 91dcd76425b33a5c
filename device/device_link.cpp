#include "device/device_link.hpp"

#include <algorithm>
#include <array>
#include <utility>

namespace {

DeviceLink::Tap& DefaultTap() {
    static DeviceLink::Tap tap;
    return tap;
}

bool IsController(const hid::Attributes& attributes) {
    return attributes.vendorId == kControllerVendorId &&
           attributes.productId == kControllerProductId;
}

}  // namespace

bool PathNamesController(std::string_view devicePath) {
    return devicePath.find(kControllerPathText) != std::string_view::npos;
}

std::string FormatReportLine(ReportDirection direction, const DeviceReport& report) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string line = direction == ReportDirection::Write ? "write " : "read ";
    for (const BYTE byte : report) {
        line += kDigits[byte >> 4];
        line += kDigits[byte & 0xF];
    }
    return line;
}

DeviceLink::DeviceLink(hid::Bus& bus) : bus_(bus), tap_(DefaultTap()) {}

void DeviceLink::SetDefaultTap(Tap tap) {
    DefaultTap() = std::move(tap);
}

void DeviceLink::FindController() {
    device_.reset();
    ioFailed_ = false;
    openFailures_.clear();
    const std::unique_ptr<hid::InterfaceSet> interfaces = bus_.snapshot();
    for (std::size_t index = 0; index < kMaxExaminedInterfaces; ++index) {
        if (!interfaces->exists(index)) continue;
        const auto name = interfaces->devicePath(index);
        if (!name) continue;
        // Keyboards, security keys and every other device are never opened: the enumeration
        // already tells they are not the controller.
        if (name->enumerated && !IsController(*name->enumerated)) continue;
        hid::OpenResult opened = bus_.open(name->node);
        if (!opened.device) {
            openFailures_.push_back({name->devicePath, name->node, std::move(opened.error)});
            continue;
        }
        // A rejected candidate is closed when `opened` goes out of scope.
        const hid::Attributes attributes = opened.device->attributes();
        if (!opened.device->capabilities()) continue;
        if (!IsController(attributes)) continue;
        if (!PathNamesController(name->devicePath)) continue;
        device_ = std::move(opened.device);
        return;
    }
}

void DeviceLink::RediscoverIfLost() {
    if (lost()) FindController();
}

void DeviceLink::WriteReport(const DeviceReport& report) {
    if (!device_) return;
    if (!device_->write(report)) {
        ioFailed_ = true;
        return;
    }
    if (tap_) tap_(ReportDirection::Write, report);
}

void DeviceLink::SendReport(const DeviceReport& report) {
    RediscoverIfLost();
    if (!device_) return;
    WriteReport(report);
    // The handle was dead although the last command went through: the controller went away
    // since, and may already be back under a new node.
    if (!ioFailed_) return;
    FindController();
    WriteReport(report);
}

void DeviceLink::ReadReport(DeviceReport& report) {
    if (!device_) return;
    // The controller does not number its reports: the input report arrives without the report
    // ID and belongs at positions 1 to 64.
    std::array<BYTE, kReportSize - 1> input{};
    const int count = device_->read(input, kReadLimit);
    if (count < 0) ioFailed_ = true;
    if (count <= 0) return;
    const auto stored = std::min(static_cast<std::size_t>(count), input.size());
    std::copy_n(input.begin(), stored, report.begin() + 1);
    if (tap_) tap_(ReportDirection::Read, report);
}

void DeviceLink::DiscardInput() {
    if (device_) device_->discardInput();
}
