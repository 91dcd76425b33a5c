// Finding the controller again: after it was unplugged or came back under a new node, and when it
// was not there at start. A controller that works, or only answers late, is never looked for again.
#include <gtest/gtest.h>

#include "device/device_commands.hpp"
#include "device/report_builders.hpp"
#include "platform/hid/emulated_bus.hpp"

namespace {

using hid::EmulatedBus;

class NoMessages : public MessageSink {
  public:
    void ShowMessage(std::wstring_view /*text*/) override { ADD_FAILURE() << "unexpected message"; }
};

class DeviceRecovery : public ::testing::Test {
  protected:
    void SetUp() override {
        bus.addTypicalMachine();
        link.SetTap([this](ReportDirection direction, const DeviceReport& /*report*/) {
            if (direction == ReportDirection::Write) ++tappedWrites;
        });
    }
    hid::EmulatedController& controller() { return bus.controller(); }
    std::size_t received() { return bus.controller().received().size(); }
    void Apply(int effect) { ApplyArgbEffect(link, effect, 2, 0, 0, 0); }

    EmulatedBus bus;
    DeviceLink link{bus};
    NoMessages messages;
    int tappedWrites = 0;
};

TEST_F(DeviceRecovery, UnpluggedThenBackUnderANewNodeTakesTheNextCommand) {
    link.FindController();
    Apply(1);
    ASSERT_EQ(received(), 1u);
    const std::size_t opensAtStart = bus.openedNodes().size();

    controller().unplug();
    Apply(2);  // fails: nothing reaches the controller, nothing is shown, nothing is printed
    EXPECT_EQ(received(), 1u);
    EXPECT_EQ(tappedWrites, 1);
    EXPECT_TRUE(link.lost());
    SetLedCount(link, 20);  // still gone
    EXPECT_EQ(received(), 1u);

    bus.replugController();
    SetLedCount(link, 24);
    ASSERT_EQ(received(), 2u);
    EXPECT_EQ(controller().state().ledCount, 24);
    EXPECT_FALSE(link.lost());
    EXPECT_EQ(bus.openedNodes().back(), EmulatedBus::NodeName(bus.size() - 1));
    EXPECT_EQ(bus.openHandles(), 1);  // the dead handle was closed
    EXPECT_GT(bus.openedNodes().size(), opensAtStart);

    // From now on the link works as before: no more discovery.
    const std::size_t opens = bus.openedNodes().size();
    Apply(3);
    ApplyVrgbEffect(link, messages, 3, 1, 0, 0, 0, UiLanguage::English);
    EXPECT_EQ(received(), 4u);
    EXPECT_EQ(bus.openedNodes().size(), opens);
}

TEST_F(DeviceRecovery, ABackAgainControllerTakesTheFirstCommandAfterAResume) {
    link.FindController();
    // Suspend and resume without any command in between: the handle is dead, the controller is
    // back under another node. The first command still arrives, once.
    bus.replugController();
    EXPECT_FALSE(link.lost());  // nothing has tried the handle yet
    Apply(5);
    ASSERT_EQ(received(), 1u);
    EXPECT_EQ(controller().received()[0], BuildArgbEffectReport(5, 2, 0, 0, 0));
    EXPECT_EQ(tappedWrites, 1);
    EXPECT_FALSE(link.lost());
}

TEST_F(DeviceRecovery, AControllerPluggedInAfterTheStartIsFound) {
    controller().setPresent(false);
    link.FindController();
    ASSERT_EQ(link.deviceHandle(), nullptr);
    EXPECT_TRUE(link.lost());
    Apply(1);
    EXPECT_EQ(received(), 0u);

    controller().setPresent(true);
    SetLedCount(link, 8);
    ApplyVrgbEffect(link, messages, 7, 0, 9, 9, 9, UiLanguage::English);
    ASSERT_EQ(received(), 2u);
    EXPECT_EQ(controller().received()[0], BuildLedCountSet(8));
    EXPECT_EQ(controller().received()[1], BuildVrgbEffectReport(7, 0, 9, 9, 9));
}

TEST_F(DeviceRecovery, AReadThatTimesOutIsNoReasonToLookAgain) {
    controller().setAnswerStyle(hid::AnswerStyle::Silent);
    link.FindController();
    const std::size_t opens = bus.openedNodes().size();
    EXPECT_EQ(QueryLedCount(link, 12), 12);
    QueryArgbState(link);
    EXPECT_FALSE(link.lost());
    Apply(1);
    SetLedCount(link, 9);
    EXPECT_EQ(bus.openedNodes().size(), opens);
    EXPECT_EQ(received(), 4u);
}

TEST_F(DeviceRecovery, AFailedReadMarksTheControllerLostAndTheQueriesDoNotLookAgain) {
    link.FindController();
    controller().unplug();
    const std::size_t opens = bus.openedNodes().size();
    EXPECT_EQ(QueryLedCount(link, 3), 3);
    EXPECT_TRUE(link.lost());
    // The queries belong to the start-up, right after a discovery: they never rediscover.
    QueryArgbState(link);
    EXPECT_EQ(bus.openedNodes().size(), opens);

    DeviceReport answer = BuildLedCountQuery(0);
    controller().setPresent(true);  // only the read decides here
    link.FindController();
    controller().unplug();
    link.ReadReport(answer);
    EXPECT_TRUE(link.lost());
}

TEST_F(DeviceRecovery, AWorkingControllerIsNeverLookedForAgain) {
    link.FindController();
    const std::size_t opens = bus.openedNodes().size();
    for (int i = 0; i < 20; ++i) {
        Apply(1 + i % 24);
        SetLedCount(link, 4 + i);
        QueryLedCount(link, 0);
    }
    EXPECT_EQ(bus.openedNodes().size(), opens);
    EXPECT_EQ(received(), 60u);
}

}  // namespace
