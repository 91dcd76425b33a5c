#include "platform/hid/emulated_bus.hpp"

#include <cstdio>
#include <string_view>

#include "platform/hid/windows_name.hpp"

namespace hid {
namespace {

constexpr std::string_view kNodePrefix = "/dev/hidraw";

class EmulatedInterfaceSet final : public InterfaceSet {
  public:
    EmulatedInterfaceSet(std::vector<EmulatedInterface> interfaces, bool controllerPresent)
        : interfaces_(std::move(interfaces)), controllerPresent_(controllerPresent) {}

    bool exists(std::size_t index) const override {
        if (index >= interfaces_.size()) return false;
        const EmulatedInterface& entry = interfaces_[index];
        if (entry.kind == EmulatedInterface::Kind::Gap) return false;
        return entry.kind != EmulatedInterface::Kind::Controller || controllerPresent_;
    }

    std::optional<InterfaceName> devicePath(std::size_t index) const override {
        if (!exists(index) || !interfaces_[index].devicePath) return std::nullopt;
        const EmulatedInterface& entry = interfaces_[index];
        return InterfaceName{*entry.devicePath, EmulatedBus::NodeName(index), entry.attributes};
    }

  private:
    std::vector<EmulatedInterface> interfaces_;
    bool controllerPresent_;
};

class EmulatedDevice final : public Device {
  public:
    EmulatedDevice(EmulatedInterface description, std::shared_ptr<EmulatedController> controller,
                   std::shared_ptr<int> openHandles)
        : description_(std::move(description)),
          controller_(std::move(controller)),
          openHandles_(std::move(openHandles)),
          unplugsAtOpen_(controller_ ? controller_->unplugs() : 0) {
        ++*openHandles_;
    }
    ~EmulatedDevice() override { --*openHandles_; }
    EmulatedDevice(const EmulatedDevice&) = delete;
    EmulatedDevice& operator=(const EmulatedDevice&) = delete;

    Attributes attributes() override { return description_.attributes; }

    std::optional<Capabilities> capabilities() override {
        if (description_.capabilitiesFail) return std::nullopt;
        return description_.capabilities;
    }

    bool write(std::span<const std::uint8_t> report) override {
        if (!controller_) return true;
        return !stale() && controller_->receive(report);
    }

    int read(std::span<std::uint8_t> into, std::chrono::milliseconds limit) override {
        if (!controller_) return 0;
        if (stale()) return -1;
        return controller_->takeInput(into, static_cast<std::uint32_t>(limit.count()));
    }

    void discardInput() override {
        if (controller_ && !stale()) controller_->discardInput();
    }

  private:
    // A handle of a controller unplugged since it was opened: the node it names is gone.
    bool stale() const { return controller_->unplugs() != unplugsAtOpen_; }

    EmulatedInterface description_;
    std::shared_ptr<EmulatedController> controller_;  // null for any other interface
    std::shared_ptr<int> openHandles_;
    std::uint32_t unplugsAtOpen_;
};

constexpr Capabilities kVendorCollection{0xFF00, 0x0001, 1};
constexpr Capabilities kKeyboardCollection{0x0001, 0x0006, 1};
constexpr Capabilities kMouseCollection{0x0001, 0x0002, 1};

}  // namespace

EmulatedBus::EmulatedBus()
    : controller_(std::make_shared<EmulatedController>()), openHandles_(std::make_shared<int>(0)) {}

std::string EmulatedBus::NodeName(std::size_t index) {
    return std::string(kNodePrefix) + std::to_string(index);
}

std::string EmulatedBus::InterfacePath(std::uint16_t vendorId, std::uint16_t productId,
                                       const std::string& extra, std::size_t instance) {
    WindowsNameParts parts;
    parts.vendorId = vendorId;
    parts.productId = productId;
    parts.instance = "7&1a2c0&0&" + std::to_string(instance);
    std::string path = FormatWindowsName(parts);
    const auto hash = path.find('#', path.find("pid_"));
    path.insert(hash, extra);
    return path;
}

std::string EmulatedBus::ControllerPath(std::size_t instance) {
    return InterfacePath(kControllerVendorId, kControllerProductId, "", instance);
}

void EmulatedBus::addController() {
    EmulatedInterface controller;
    controller.kind = EmulatedInterface::Kind::Controller;
    controller.devicePath = ControllerPath(size());
    controller.attributes = {kControllerVendorId, kControllerProductId, 0x0100};
    controller.capabilities = kVendorCollection;
    add(std::move(controller));
}

void EmulatedBus::addInert(const Attributes& attributes, const std::string& extra,
                           const Capabilities& capabilities) {
    EmulatedInterface interface;
    interface.devicePath = InterfacePath(attributes.vendorId, attributes.productId, extra, size());
    interface.attributes = attributes;
    interface.capabilities = capabilities;
    add(std::move(interface));
}

void EmulatedBus::addKeyboard() {
    addInert({0x046D, 0xC31C, 0x6400}, "&mi_00", kKeyboardCollection);
}

void EmulatedBus::addMouse() {
    addInert({0x046D, 0xC077, 0x7200}, "", kMouseCollection);
}

void EmulatedBus::addGap() {
    add({EmulatedInterface::Kind::Gap, {}, {}, {}, {}, false});
}

void EmulatedBus::addLookalike(const std::string& extra) {
    addInert({kControllerVendorId, kControllerProductId, 0x0100}, extra, kVendorCollection);
}

void EmulatedBus::replugController() {
    controller_->unplug();
    // Its old node is gone for good; it comes back under a new one at the end of the list.
    for (EmulatedInterface& entry : interfaces_) {
        if (entry.kind == EmulatedInterface::Kind::Controller) {
            entry = {EmulatedInterface::Kind::Gap, {}, {}, {}, {}, false};
        }
    }
    controller_->setPresent(true);
    addController();
}

void EmulatedBus::addTypicalMachine() {
    addKeyboard();
    addMouse();
    addController();
}

std::unique_ptr<InterfaceSet> EmulatedBus::snapshot() {
    return std::make_unique<EmulatedInterfaceSet>(interfaces_, controller_->present());
}

OpenResult EmulatedBus::open(const std::string& node) {
    openedNodes_.push_back(node);
    if (!node.starts_with(kNodePrefix)) return {nullptr, "No such file or directory"};
    std::size_t index = 0;
    if (std::sscanf(node.c_str() + kNodePrefix.size(), "%zu", &index) != 1 ||
        index >= interfaces_.size()) {
        return {nullptr, "No such file or directory"};
    }
    const EmulatedInterface& entry = interfaces_[index];
    if (entry.openError) return {nullptr, *entry.openError};
    const bool isController = entry.kind == EmulatedInterface::Kind::Controller;
    if (entry.kind == EmulatedInterface::Kind::Gap || (isController && !controller_->present())) {
        return {nullptr, "No such file or directory"};
    }
    return {
        std::make_unique<EmulatedDevice>(entry, isController ? controller_ : nullptr, openHandles_),
        {}};
}

}  // namespace hid
