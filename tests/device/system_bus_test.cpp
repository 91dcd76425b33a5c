// The simulator's system bus: the emulated machine the program finds when it starts.
#include "platform/hid/system_bus.hpp"

#include <gtest/gtest.h>

#include "device/device_commands.hpp"
#include "platform/hid/emulated_system_bus.hpp"

namespace {

TEST(DeviceEmulatedSystemBus, StartsWithTheControllerPluggedInAndIsConfigurable) {
    hid::EmulatedBus& machine = hid::EmulatedSystemBus();
    EXPECT_EQ(&hid::SystemBus(), &machine);
    machine.controller().state().ledCount = 42;

    DeviceLink link(hid::SystemBus());
    link.FindController();
    ASSERT_NE(link.deviceHandle(), nullptr);
    EXPECT_EQ(QueryLedCount(link, 0), 42);
    EXPECT_EQ(machine.controller().received().size(), 1u);
}

}  // namespace
