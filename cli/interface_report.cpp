#include "cli/interface_report.hpp"

#include <cstdio>

#include "device/access_hint.hpp"

namespace ctl {
namespace {

std::string Ids(const hid::Attributes& attributes) {
    char text[16];
    std::snprintf(text, sizeof text, "%04x:%04x", attributes.vendorId, attributes.productId);
    return text;
}

std::string Verdict(const InterfaceExamination& examined, bool chosen) {
    switch (examined.verdict) {
        case InterfaceVerdict::NoName:
            return "not the controller: its device path cannot be found out";
        case InterfaceVerdict::OtherDevice:
            return "not the controller: another device (the controller is 1a2c:1507); not opened";
        case InterfaceVerdict::CannotOpen:
            if (IsPermissionFailure(examined.openError)) {
                return "cannot be opened: " + examined.openError + "; this user may not open " +
                       examined.name.node + ". Install the udev rule " +
                       std::string(kUdevRuleName) +
                       ", run 'sudo udevadm control --reload-rules && sudo udevadm trigger' "
                       "and replug the controller";
            }
            return "cannot be opened: " + examined.openError;
        case InterfaceVerdict::NotUsableHid:
            return "not the controller: its capabilities cannot be read (not a usable HID device)";
        case InterfaceVerdict::OtherIds:
            return "not the controller: once open it tells another vendor or product ID";
        case InterfaceVerdict::PathMismatch:
            return "not the controller: the controller's IDs, but its path does not contain \"" +
                   std::string(kControllerPathText) +
                   "\" (another interface or collection of the device)";
        case InterfaceVerdict::Controller:
            break;
    }
    return chosen ? "the controller"
                  : "passes every test too, but the first such interface is the controller";
}

}  // namespace

std::string DescribeInterface(std::size_t index, const InterfaceExamination& examined,
                              bool chosen) {
    std::string text;
    if (examined.verdict == InterfaceVerdict::NoName) {
        text = "interface " + std::to_string(index);
    } else {
        const bool idsKnown =
            examined.name.enumerated || examined.verdict != InterfaceVerdict::CannotOpen;
        text = examined.name.node + " " + (idsKnown ? Ids(examined.attributes) : "????:????") +
               " " + examined.name.devicePath;
    }
    return text + "\n    " + Verdict(examined, chosen) + "\n";
}

}  // namespace ctl
