// A HID bus made up in process: the emulated controller among whatever other interfaces a test
// wants around it (keyboards, mice, look-alikes, gaps, interfaces that cannot be opened).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/hid/emulated_controller.hpp"
#include "platform/hid/hid_bus.hpp"

namespace hid {

// One member of the enumeration.
struct EmulatedInterface {
    enum class Kind {
        Gap,         // the enumeration fails at this index
        Controller,  // the emulated controller (left out while it is absent)
        Inert,       // some other HID interface: takes writes, never answers
    };
    Kind kind = Kind::Inert;
    std::optional<std::string> devicePath;  // empty: the path cannot be found out
    std::optional<std::string> openError;   // set: opening fails for this reason
    Attributes attributes;
    Capabilities capabilities;
    bool capabilitiesFail = false;
};

class EmulatedBus final : public Bus {
  public:
    static constexpr std::uint16_t kControllerVendorId = 0x1A2C;
    static constexpr std::uint16_t kControllerProductId = 0x1507;

    EmulatedBus();

    EmulatedController& controller() { return *controller_; }

    // Windows-form names, with "#<instance>#" made from the member index.
    static std::string ControllerPath(std::size_t instance);
    static std::string InterfacePath(std::uint16_t vendorId, std::uint16_t productId,
                                     const std::string& extra, std::size_t instance);

    void add(EmulatedInterface interface) { interfaces_.push_back(std::move(interface)); }
    void addController();
    void addKeyboard();
    void addMouse();
    void addGap();
    // The controller's IDs, but a path with more text between the product ID and the number sign.
    void addLookalike(const std::string& extra = "&mi_01");
    // Unplugs the controller (every handle on it dies) and plugs it back as a new interface at
    // the end of the enumeration; its old member index becomes a gap.
    void replugController();
    // A keyboard, a mouse and the controller, as on a plain desktop machine.
    void addTypicalMachine();
    void clear() { interfaces_.clear(); }
    std::size_t size() const { return interfaces_.size(); }

    // Every node opened so far, in order, and how many handles are open now.
    const std::vector<std::string>& openedNodes() const { return openedNodes_; }
    int openHandles() const { return *openHandles_; }

    std::unique_ptr<InterfaceSet> snapshot() override;
    OpenResult open(const std::string& node) override;

    // The node name of the interface at a member index ("/dev/hidrawN").
    static std::string NodeName(std::size_t index);

  private:
    // Some other HID interface with these IDs and collections, its path made with `extra`.
    void addInert(const Attributes& attributes, const std::string& extra,
                  const Capabilities& capabilities);

    std::shared_ptr<EmulatedController> controller_;
    std::shared_ptr<int> openHandles_;
    std::vector<EmulatedInterface> interfaces_;
    std::vector<std::string> openedNodes_;
};

}  // namespace hid
