#include "device/device_link.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "device/interface_check.hpp"

namespace {

DeviceLink::Tap& DefaultTap() {
    static DeviceLink::Tap tap;
    return tap;
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
    node_.clear();
    ioFailed_ = false;
    openFailures_.clear();
    const std::unique_ptr<hid::InterfaceSet> interfaces = bus_.snapshot();
    for (std::size_t index = 0; index < kMaxExaminedInterfaces; ++index) {
        std::optional<InterfaceExamination> examined = ExamineInterface(bus_, *interfaces, index);
        if (!examined) continue;
        if (examined->verdict == InterfaceVerdict::CannotOpen) {
            openFailures_.push_back({std::move(examined->name.devicePath),
                                     std::move(examined->name.node),
                                     std::move(examined->openError)});
        } else if (examined->verdict == InterfaceVerdict::Controller) {
            device_ = std::move(examined->device);
            node_ = std::move(examined->name.node);
            return;
        }
    }
}

void DeviceLink::RediscoverIfLost() {
    if (lost()) FindController();
}

bool DeviceLink::WriteReport(const DeviceReport& report) {
    if (!device_) return false;
    if (!device_->write(report)) {
        ioFailed_ = true;
        return false;
    }
    if (tap_) tap_(ReportDirection::Write, report);
    return true;
}

bool DeviceLink::SendReport(const DeviceReport& report) {
    RediscoverIfLost();
    if (!device_) return false;
    if (WriteReport(report)) return true;
    // The handle was dead although the last command went through: the controller went away
    // since, and may already be back under a new node.
    FindController();
    return WriteReport(report);
}

bool DeviceLink::ReadReport(DeviceReport& report) {
    if (!device_) return false;
    // The controller does not number its reports: the input report arrives without the report
    // ID and belongs at positions 1 to 64.
    std::array<BYTE, kReportSize - 1> input{};
    const int count = device_->read(input, kReadLimit);
    if (count < 0) ioFailed_ = true;
    if (count <= 0) return false;
    const auto stored = std::min(static_cast<std::size_t>(count), input.size());
    std::copy_n(input.begin(), stored, report.begin() + 1);
    if (tap_) tap_(ReportDirection::Read, report);
    return true;
}

void DeviceLink::DiscardInput() {
    if (device_) device_->discardInput();
}
