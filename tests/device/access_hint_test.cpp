// The permission hint: printed only when the controller itself could not be opened for lack of
// permission, naming its node and the udev rule.
#include "device/access_hint.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "platform/hid/emulated_bus.hpp"

namespace {

using hid::EmulatedBus;
using hid::EmulatedInterface;

const std::string kDenied = std::strerror(EACCES);

EmulatedInterface Controller(std::size_t instance, std::optional<std::string> openError) {
    EmulatedInterface entry;
    entry.kind = EmulatedInterface::Kind::Controller;
    entry.devicePath = EmulatedBus::ControllerPath(instance);
    entry.openError = std::move(openError);
    entry.attributes = {EmulatedBus::kControllerVendorId, EmulatedBus::kControllerProductId, 1};
    entry.capabilities = {0xFF00, 0x0001, 1};
    return entry;
}

EmulatedInterface DeniedKeyboard(std::size_t instance) {
    EmulatedInterface entry;
    entry.devicePath = EmulatedBus::InterfacePath(0x046D, 0xC31C, "&mi_00", instance);
    entry.openError = kDenied;
    return entry;
}

class AccessHint : public ::testing::Test {
  protected:
    std::optional<std::string> Discover() {
        link.FindController();
        return FormatAccessHint(link, "vespane-rgb");
    }
    EmulatedBus bus;
    DeviceLink link{bus};
};

TEST(PermissionFailure, OnlyAccessAndPermissionErrorsCount) {
    EXPECT_TRUE(IsPermissionFailure(std::strerror(EACCES)));
    EXPECT_TRUE(IsPermissionFailure(std::strerror(EPERM)));
    EXPECT_FALSE(IsPermissionFailure(std::strerror(EBUSY)));
    EXPECT_FALSE(IsPermissionFailure(std::strerror(ENOENT)));
    EXPECT_FALSE(IsPermissionFailure(""));
}

TEST_F(AccessHint, DeniedControllerGivesOneLineWithItsNodeAndTheRule) {
    bus.add(DeniedKeyboard(0));
    bus.add(Controller(1, kDenied));
    const auto hint = Discover();
    ASSERT_TRUE(hint.has_value());
    EXPECT_EQ(hint->find('\n'), std::string::npos);
    EXPECT_TRUE(hint->starts_with("vespane-rgb: "));
    // The controller's node, not the keyboard's that failed before it.
    EXPECT_NE(hint->find(EmulatedBus::NodeName(1)), std::string::npos) << *hint;
    EXPECT_EQ(hint->find(EmulatedBus::NodeName(0)), std::string::npos) << *hint;
    EXPECT_NE(hint->find("60-vespane-rgb.rules"), std::string::npos);
    EXPECT_NE(hint->find("udevadm control --reload-rules"), std::string::npos);
    EXPECT_NE(hint->find(kDenied), std::string::npos);
}

TEST_F(AccessHint, OtherDevicesDeniedSayNothing) {
    // A plain desktop session: every other hidraw node belongs to root.
    bus.add(DeniedKeyboard(0));
    bus.add(DeniedKeyboard(1));
    EXPECT_FALSE(Discover().has_value());
    bus.addController();
    EXPECT_FALSE(Discover().has_value());  // found and opened
    ASSERT_NE(link.deviceHandle(), nullptr);
}

TEST_F(AccessHint, OtherFailuresOfTheControllerSayNothing) {
    bus.add(Controller(0, std::string(std::strerror(EBUSY))));
    EXPECT_FALSE(Discover().has_value());
}

TEST_F(AccessHint, LookalikeDeniedSaysNothing) {
    // The controller's IDs but a path discovery would not take.
    EmulatedInterface lookalike = Controller(0, kDenied);
    lookalike.devicePath = EmulatedBus::InterfacePath(
        EmulatedBus::kControllerVendorId, EmulatedBus::kControllerProductId, "&mi_01", 0);
    bus.add(lookalike);
    EXPECT_FALSE(Discover().has_value());
}

TEST_F(AccessHint, ASecondInterfaceThatOpensMeansNoHint) {
    bus.add(Controller(0, kDenied));
    bus.add(Controller(1, std::nullopt));
    EXPECT_FALSE(Discover().has_value());
    EXPECT_NE(link.deviceHandle(), nullptr);
}

TEST_F(AccessHint, PermissionErrorWithoutAccessNumberAlsoCounts) {
    bus.add(Controller(0, std::string(std::strerror(EPERM))));
    const auto hint = Discover();
    ASSERT_TRUE(hint.has_value());
    EXPECT_NE(hint->find(EmulatedBus::NodeName(0)), std::string::npos);
}

}  // namespace
