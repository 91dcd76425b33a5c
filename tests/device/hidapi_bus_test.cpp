// The real bus on a machine without the controller: discovery finds nothing, the start-up queries
// hand back what they sent, and nothing waits.
#include "platform/hid/hidapi_bus.hpp"

#include <gtest/gtest.h>

#include "device/device_commands.hpp"
#include "platform/hid/system_bus.hpp"

namespace {

class NoMessages : public MessageSink {
  public:
    void ShowMessage(std::wstring_view) override { ++shown; }
    int shown = 0;
};

TEST(HidapiBus, WithoutControllerStartUpFindsNothingAndQueriesEchoTheirReports) {
    DeviceLink link(hid::SystemBus());
    link.FindController();
    if (link.deviceHandle() != nullptr) GTEST_SKIP() << "a controller is plugged into this machine";
    EXPECT_EQ(QueryArgbState(link), (ArgbState{0, 0, 0, 0}));
    EXPECT_EQ(QueryLedCount(link, 0), 0);
    EXPECT_EQ(QueryLedCount(link, 24), 24);
    NoMessages messages;
    ApplyArgbEffect(link, 8, 0, 1, 2, 3);
    ApplyVrgbEffect(link, messages, 1, 0, 1, 2, 3, UiLanguage::English);
    SetLedCount(link, 8);
    EXPECT_EQ(messages.shown, 0);
}

TEST(HidapiBus, OpeningAMissingNodeSaysWhy) {
    hid::HidapiBus bus;
    const hid::OpenResult result = bus.open("/dev/hidraw-vr-missing");
    EXPECT_EQ(result.device, nullptr);
    EXPECT_FALSE(result.error.empty());
}

}  // namespace
