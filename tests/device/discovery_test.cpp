// Discovery over the emulated bus: which interface is taken as the controller, and that every
// rejected candidate is closed again.
#include <gtest/gtest.h>

#include <algorithm>

#include "device/device_link.hpp"
#include "platform/hid/emulated_bus.hpp"

namespace {

using hid::EmulatedBus;
using hid::EmulatedInterface;

// The member index discovery kept, judged by the last interface it opened.
std::string LastOpened(const EmulatedBus& bus) {
    return bus.openedNodes().empty() ? std::string() : bus.openedNodes().back();
}

bool WasOpened(const EmulatedBus& bus, std::size_t index) {
    const auto& nodes = bus.openedNodes();
    return std::find(nodes.begin(), nodes.end(), EmulatedBus::NodeName(index)) != nodes.end();
}

EmulatedInterface ControllerLike(std::size_t instance) {
    EmulatedInterface entry;
    entry.devicePath = EmulatedBus::ControllerPath(instance);
    entry.attributes = {EmulatedBus::kControllerVendorId, EmulatedBus::kControllerProductId, 1};
    return entry;
}

class DeviceDiscovery : public ::testing::Test {
  protected:
    // Runs discovery: it succeeds when the controller is open and the member at `index` was the
    // last interface opened.
    ::testing::AssertionResult FindsControllerAt(std::size_t index) {
        link.FindController();
        if (link.deviceHandle() == nullptr) return ::testing::AssertionFailure() << "none found";
        if (LastOpened(bus) != EmulatedBus::NodeName(index)) {
            return ::testing::AssertionFailure() << "the last one opened is " << LastOpened(bus);
        }
        return ::testing::AssertionSuccess();
    }

    EmulatedBus bus;
    DeviceLink link{bus};
};

TEST_F(DeviceDiscovery, FindsTheControllerBetweenOtherDevicesAndClosesTheRest) {
    bus.addTypicalMachine();
    bus.addKeyboard();
    ASSERT_TRUE(FindsControllerAt(2));
    // The keyboard and the mouse were never opened: their enumerated IDs are another device's.
    EXPECT_EQ(bus.openedNodes().size(), 1u);
    EXPECT_EQ(bus.openHandles(), 1);
}

TEST_F(DeviceDiscovery, NoControllerLeavesNoHandleAndNothingOpen) {
    bus.addTypicalMachine();
    bus.controller().setPresent(false);
    link.FindController();
    EXPECT_EQ(link.deviceHandle(), nullptr);
    EXPECT_EQ(bus.openHandles(), 0);
}

TEST_F(DeviceDiscovery, EmptyBusFindsNothing) {
    link.FindController();
    EXPECT_EQ(link.deviceHandle(), nullptr);
    EXPECT_TRUE(bus.openedNodes().empty());
}

TEST_F(DeviceDiscovery, PathWithTextAfterTheProductIdIsRejectedAndTheSearchGoesOn) {
    bus.addLookalike("&mi_01");
    bus.addLookalike("&col02");
    bus.addController();
    link.FindController();
    ASSERT_NE(link.deviceHandle(), nullptr);
    EXPECT_TRUE(WasOpened(bus, 0));
    EXPECT_TRUE(WasOpened(bus, 1));
    EXPECT_EQ(LastOpened(bus), EmulatedBus::NodeName(2));
    EXPECT_EQ(bus.openHandles(), 1);
}

TEST_F(DeviceDiscovery, OnlyLookalikesMeansNoController) {
    bus.addLookalike();
    link.FindController();
    EXPECT_EQ(link.deviceHandle(), nullptr);
    EXPECT_EQ(bus.openHandles(), 0);
}

TEST_F(DeviceDiscovery, RightPathWithWrongVendorOrProductIsRejected) {
    EmulatedInterface wrongVendor = ControllerLike(0);
    wrongVendor.attributes.vendorId = 0x1A2D;
    EmulatedInterface wrongProduct = ControllerLike(1);
    wrongProduct.attributes.productId = 0x1508;
    bus.add(wrongVendor);
    bus.add(wrongProduct);
    link.FindController();
    EXPECT_EQ(link.deviceHandle(), nullptr);
    EXPECT_TRUE(bus.openedNodes().empty());  // rejected before they are opened
    EXPECT_EQ(bus.openHandles(), 0);

    bus.addController();
    ASSERT_TRUE(FindsControllerAt(2));
}

TEST_F(DeviceDiscovery, GapsUnknownPathsAndUnopenableInterfacesDoNotStopTheSearch) {
    bus.addGap();
    bus.addGap();
    EmulatedInterface noPath = ControllerLike(2);
    noPath.devicePath.reset();
    bus.add(noPath);
    EmulatedInterface locked = ControllerLike(3);
    locked.openError = "Permission denied";
    bus.add(locked);
    bus.addGap();
    bus.addController();
    ASSERT_TRUE(FindsControllerAt(5));
    ASSERT_EQ(link.openFailures().size(), 1u);
    EXPECT_EQ(link.openFailures()[0].node, EmulatedBus::NodeName(3));
    EXPECT_EQ(link.openFailures()[0].reason, "Permission denied");
    EXPECT_EQ(link.openFailures()[0].devicePath, EmulatedBus::ControllerPath(3));
}

TEST_F(DeviceDiscovery, CapabilityFailureSkipsOnlyThatInterface) {
    EmulatedInterface broken;
    broken.devicePath = EmulatedBus::InterfacePath(0x0BDA, 0x8153, "", 0);
    broken.capabilitiesFail = true;
    bus.add(broken);
    bus.addKeyboard();
    bus.addController();
    ASSERT_TRUE(FindsControllerAt(2));
    EXPECT_EQ(bus.openHandles(), 1);
}

TEST_F(DeviceDiscovery, ControllerInterfaceWithoutCapabilitiesIsNotTaken) {
    EmulatedInterface broken = ControllerLike(0);
    broken.capabilitiesFail = true;
    bus.add(broken);
    link.FindController();
    EXPECT_EQ(link.deviceHandle(), nullptr);
    EXPECT_EQ(bus.openHandles(), 0);
}

TEST_F(DeviceDiscovery, OnlyTheFirst128InterfacesAreExamined) {
    for (int i = 0; i < 127; ++i) bus.addMouse();
    bus.addController();  // index 127: the last one examined
    ASSERT_TRUE(FindsControllerAt(127));

    bus.clear();
    for (int i = 0; i < 128; ++i) bus.addMouse();
    bus.addController();  // index 128: never looked at
    bus.addController();
    link.FindController();
    EXPECT_EQ(link.deviceHandle(), nullptr);
    EXPECT_FALSE(WasOpened(bus, 128));
    EXPECT_FALSE(WasOpened(bus, 129));
    EXPECT_EQ(bus.openHandles(), 0);
}

TEST_F(DeviceDiscovery, GapsCountTowardsThe128Limit) {
    for (int i = 0; i < 128; ++i) bus.addGap();
    bus.addController();
    link.FindController();
    EXPECT_EQ(link.deviceHandle(), nullptr);
    EXPECT_TRUE(bus.openedNodes().empty());
}

TEST_F(DeviceDiscovery, FirstMatchingInterfaceWins) {
    bus.addMouse();
    bus.addController();
    bus.addController();
    ASSERT_TRUE(FindsControllerAt(1));
    EXPECT_FALSE(WasOpened(bus, 2));
}

}  // namespace
