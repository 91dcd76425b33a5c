// The simulator's system bus: the emulated machine the program finds when it starts.
#include "platform/hid/system_bus.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/device_commands.hpp"
#include "platform/hid/emulated_system_bus.hpp"

namespace {

// As the simulator starts: set up the machine and the tap, then the program makes its link.
TEST(DeviceEmulatedSystemBus, StartsWithTheControllerPluggedInAndIsConfigurable) {
    hid::EmulatedBus& machine = hid::EmulatedSystemBus();
    EXPECT_EQ(&hid::SystemBus(), &machine);
    machine.controller().state().ledCount = 42;
    std::vector<std::string> lines;
    DeviceLink::SetDefaultTap([&lines](ReportDirection direction, const DeviceReport& report) {
        lines.push_back(FormatReportLine(direction, report));
    });

    DeviceLink link(hid::SystemBus());
    DeviceLink::SetDefaultTap(nullptr);
    link.FindController();
    ASSERT_NE(link.deviceHandle(), nullptr);
    EXPECT_EQ(QueryLedCount(link, 0), 42);
    EXPECT_EQ(machine.controller().received().size(), 1u);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].substr(0, 16), "write 00800d0100");
    EXPECT_EQ(lines[1].substr(0, 15), "read 00800d012a");

    DeviceLink later(hid::SystemBus());
    later.FindController();
    SetLedCount(later, 9);
    EXPECT_EQ(lines.size(), 2u);  // the default tap was taken away before this link was made
}

}  // namespace
