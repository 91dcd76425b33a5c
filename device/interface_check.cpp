#include "device/interface_check.hpp"

#include "device/device_link.hpp"

namespace {

bool HasControllerIds(const hid::Attributes& attributes) {
    return attributes.vendorId == kControllerVendorId &&
           attributes.productId == kControllerProductId;
}

}  // namespace

std::optional<InterfaceExamination> ExamineInterface(hid::Bus& bus,
                                                     const hid::InterfaceSet& interfaces,
                                                     std::size_t index) {
    if (!interfaces.exists(index)) return std::nullopt;
    InterfaceExamination result;
    auto name = interfaces.devicePath(index);
    if (!name) return result;
    result.name = std::move(*name);
    if (result.name.enumerated) result.attributes = *result.name.enumerated;
    // Keyboards, security keys and every other device are never opened: the enumeration already
    // tells they are not the controller.
    if (result.name.enumerated && !HasControllerIds(*result.name.enumerated)) {
        result.verdict = InterfaceVerdict::OtherDevice;
        return result;
    }
    hid::OpenResult opened = bus.open(result.name.node);
    if (!opened.device) {
        result.verdict = InterfaceVerdict::CannotOpen;
        result.openError = std::move(opened.error);
        return result;
    }
    // A rejected candidate is closed when `opened` goes out of scope.
    result.attributes = opened.device->attributes();
    if (!opened.device->capabilities()) {
        result.verdict = InterfaceVerdict::NotUsableHid;
    } else if (!HasControllerIds(result.attributes)) {
        result.verdict = InterfaceVerdict::OtherIds;
    } else if (!PathNamesController(result.name.devicePath)) {
        result.verdict = InterfaceVerdict::PathMismatch;
    } else {
        result.verdict = InterfaceVerdict::Controller;
        result.device = std::move(opened.device);
    }
    return result;
}
