// The commands through the link onto the emulated controller: what the controller receives, what
// the program gets back, and that a missing, silent, noisy or broken controller neither hangs nor
// crashes the program.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/device_commands.hpp"
#include "device/report_builders.hpp"
#include "platform/hid/emulated_bus.hpp"

namespace {

using hid::AnswerStyle;
using hid::EmulatedBus;
using hid::EmulatedController;

EmulatedController::Report AsReceived(const DeviceReport& report) {
    return report;
}

// Records the messages shown and how many reports the controller had received at that moment.
class RecordingSink : public MessageSink {
  public:
    explicit RecordingSink(const EmulatedController& controller) : controller_(controller) {}
    void ShowMessage(std::wstring_view text) override {
        texts.emplace_back(text);
        receivedWhenShown.push_back(controller_.received().size());
    }
    std::vector<std::wstring> texts;
    std::vector<std::size_t> receivedWhenShown;

  private:
    const EmulatedController& controller_;
};

class DeviceLinkIo : public ::testing::Test {
  protected:
    void SetUp() override {
        bus.addTypicalMachine();
        link.SetTap([this](ReportDirection direction, const DeviceReport& report) {
            tapped.push_back(FormatReportLine(direction, report));
        });
    }
    void Connect() {
        link.FindController();
        ASSERT_NE(link.deviceHandle(), nullptr);
    }
    EmulatedController& controller() { return bus.controller(); }

    EmulatedBus bus;
    DeviceLink link{bus};
    RecordingSink messages{bus.controller()};
    std::vector<std::string> tapped;
};

TEST_F(DeviceLinkIo, StartUpQueriesReadWhatTheControllerHolds) {
    controller().state().argb = {9, 0, 10, 20, 30};
    controller().state().ledCount = 30;
    Connect();
    EXPECT_EQ(QueryArgbState(link), (ArgbState{9, 10, 20, 30}));
    EXPECT_EQ(QueryLedCount(link, 0), 30);

    ASSERT_EQ(controller().received().size(), 2u);
    EXPECT_EQ(controller().received()[0], AsReceived(BuildArgbStateQuery()));
    EXPECT_EQ(controller().received()[1], AsReceived(BuildLedCountQuery(0)));
    ASSERT_EQ(tapped.size(), 4u);
    EXPECT_EQ(tapped[0], FormatReportLine(ReportDirection::Write, BuildArgbStateQuery()));
    EXPECT_EQ(tapped[1].substr(0, 29), "read 00800b010f090000030a141e");
    EXPECT_EQ(tapped[3].substr(0, 15), "read 00800d011e");
}

TEST_F(DeviceLinkIo, ReadsWaitAtMost500Milliseconds) {
    controller().setAnswerStyle(AnswerStyle::Silent);
    Connect();
    QueryLedCount(link, 3);
    EXPECT_EQ(controller().lastReadLimitMs(), 500u);
}

TEST_F(DeviceLinkIo, ApplyAndLedCountChangeTheController) {
    Connect();
    ApplyArgbEffect(link, 3, 5, 0, 0, 0);
    ApplyVrgbEffect(link, messages, 6, 0, 1, 2, 3, UiLanguage::English);
    SetLedCount(link, 40);
    const hid::EmulatedControllerState& state = controller().state();
    EXPECT_EQ(state.argb.mode, 8);
    EXPECT_EQ(state.argb.parameter, 1);
    EXPECT_EQ(state.argb.green, 255);
    EXPECT_EQ(state.vrgb.mode, 5);
    EXPECT_EQ(state.vrgb.parameter, 2);
    EXPECT_EQ(state.vrgb.blue, 3);
    EXPECT_EQ(state.ledCount, 40);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(QueryLedCount(link, 8), 40);
}

TEST_F(DeviceLinkIo, VrgbWithoutModeAsksForAnEffectAndSendsNothing) {
    Connect();
    ApplyVrgbEffect(link, messages, 8, 0, 1, 2, 3, UiLanguage::English);
    ApplyVrgbEffect(link, messages, 0, 1, 0, 0, 0, UiLanguage::Chinese);
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(messages.texts[0], L"Please select lamp effect before application!");
    EXPECT_EQ(messages.texts[1],
              L"\u5e94\u7528\u4e4b\u524d\uff0c\u8bf7\u9009\u62e9\u706f\u6548\uff01");
    EXPECT_TRUE(controller().received().empty());

    // A language that is neither shows nothing, and still nothing is sent.
    ApplyVrgbEffect(link, messages, 9, 0, 1, 2, 3, static_cast<UiLanguage>(2));
    EXPECT_EQ(messages.texts.size(), 2u);
    EXPECT_TRUE(controller().received().empty());
}

TEST_F(DeviceLinkIo, SynchronizedApplyWritesArgbBeforeTheVrgbMessage) {
    Connect();
    ApplyArgbEffect(link, 8, 0, 4, 5, 6);
    ApplyVrgbEffect(link, messages, 8, 0, 4, 5, 6, UiLanguage::English);
    ASSERT_EQ(controller().received().size(), 1u);
    EXPECT_EQ(controller().received()[0], AsReceived(BuildArgbEffectReport(8, 0, 4, 5, 6)));
    ASSERT_EQ(messages.receivedWhenShown.size(), 1u);
    EXPECT_EQ(messages.receivedWhenShown[0], 1u);
}

TEST_F(DeviceLinkIo, WithoutControllerQueriesReturnWhatWasWritten) {
    controller().setPresent(false);
    link.FindController();
    ASSERT_EQ(link.deviceHandle(), nullptr);
    EXPECT_EQ(QueryArgbState(link), (ArgbState{0, 0, 0, 0}));
    EXPECT_EQ(QueryLedCount(link, 0), 0);
    EXPECT_EQ(QueryLedCount(link, 17), 17);
    ApplyArgbEffect(link, 1, 1, 0, 0, 0);
    SetLedCount(link, 8);
    EXPECT_TRUE(controller().received().empty());
    EXPECT_TRUE(tapped.empty());
}

TEST_F(DeviceLinkIo, SilentControllerLeavesTheQueryBuffersAsWritten) {
    controller().state().argb = {9, 0, 10, 20, 30};
    controller().state().ledCount = 30;
    controller().setAnswerStyle(AnswerStyle::Silent);
    Connect();
    const ArgbState state = QueryArgbState(link);
    EXPECT_EQ(state.mode, 0);
    EXPECT_EQ(state.red, 0);
    EXPECT_EQ(QueryLedCount(link, 12), 12);
    EXPECT_EQ(controller().received().size(), 2u);
    EXPECT_EQ(tapped.size(), 2u);  // two writes, no reads
}

TEST_F(DeviceLinkIo, UnaskedInputReportsAreNotTakenAsTheAnswer) {
    controller().state().ledCount = 30;
    controller().state().argb = {9, 0, 10, 20, 30};
    Connect();
    controller().sendUnasked(5);
    EXPECT_EQ(QueryLedCount(link, 0), 30);

    // A flood after every report: the queue stays bounded and each answer is still the right one.
    controller().setUnaskedPerReport(1000);
    for (int i = 0; i < 50; ++i) ApplyArgbEffect(link, 1, 1, 0, 0, 0);
    EXPECT_LE(controller().queuedInput(), EmulatedController::kInputQueueLimit);
    const ArgbState state = QueryArgbState(link);
    EXPECT_EQ(state.mode, 7);
    EXPECT_EQ(state.red, 255);
    EXPECT_EQ(QueryLedCount(link, 0), 30);
}

TEST_F(DeviceLinkIo, AnswerArrivingAfterTheReadGaveUpIsNotTakenByTheNextQuery) {
    controller().state().argb = {9, 0, 10, 20, 30};
    controller().state().ledCount = 30;
    controller().setAnswerStyle(AnswerStyle::Late);
    Connect();
    EXPECT_EQ(QueryArgbState(link).red, 0);
    EXPECT_EQ(controller().queuedInput(), 1u);  // the late answer has arrived by now
    controller().setAnswerStyle(AnswerStyle::Normal);
    EXPECT_EQ(QueryLedCount(link, 5), 30);
}

TEST_F(DeviceLinkIo, RandomAnswersAreHandedBackUnchecked) {
    controller().setAnswerStyle(AnswerStyle::Random);
    controller().setSeed(7);
    Connect();
    for (int i = 0; i < 200; ++i) {
        const BYTE count = QueryLedCount(link, 8);
        ASSERT_EQ(tapped.back().substr(0, 5), "read ");
        // Byte 4 of the buffer the tap saw, as hex digits 8 and 9 after "read ".
        EXPECT_EQ(std::stoi(tapped.back().substr(5 + 8, 2), nullptr, 16), count);
    }
    EXPECT_EQ(controller().received().size(), 200u);
}

TEST_F(DeviceLinkIo, ShortAnswersFillOnlyTheBytesThatCame) {
    controller().state().ledCount = 40;
    controller().state().argb = {9, 0, 10, 20, 30};
    controller().setAnswerStyle(AnswerStyle::Short);
    Connect();

    controller().setShortAnswerLength(3);  // answer bytes 1 to 3 only
    EXPECT_EQ(QueryLedCount(link, 12), 12);
    controller().setShortAnswerLength(4);
    EXPECT_EQ(QueryLedCount(link, 12), 40);

    controller().setShortAnswerLength(5);  // the mode, but not the colour
    const ArgbState state = QueryArgbState(link);
    EXPECT_EQ(state.mode, 9);
    EXPECT_EQ(state.red, 0);
    EXPECT_EQ(state.blue, 0);

    controller().setShortAnswerLength(0);
    EXPECT_EQ(QueryLedCount(link, 5), 5);
}

TEST_F(DeviceLinkIo, UnplugMidRunMakesLaterWritesAndReadsFailQuietly) {
    Connect();
    controller().unplugAfter(2);
    ApplyArgbEffect(link, 1, 2, 0, 0, 0);
    SetLedCount(link, 20);
    ApplyArgbEffect(link, 2, 2, 0, 0, 0);
    SetLedCount(link, 30);
    EXPECT_EQ(controller().received().size(), 2u);
    EXPECT_EQ(controller().state().ledCount, 20);
    EXPECT_EQ(QueryLedCount(link, 33), 33);
    const ArgbState state = QueryArgbState(link);
    EXPECT_EQ(state.mode, 0);
    EXPECT_EQ(tapped.size(), 2u);
    // The failed write made the link look for the controller again, and it is not there.
    EXPECT_EQ(link.deviceHandle(), nullptr);
    EXPECT_TRUE(link.lost());
}

}  // namespace

namespace {

// What a caller that must know (the command-line companion) is told: an answer or none, a report
// taken or not.
TEST_F(DeviceLinkIo, CallersThatAskAreToldWhetherTheControllerAnsweredOrTookTheReport) {
    controller().state().argb = {12, 2, 7, 8, 9};
    controller().state().ledCount = 40;
    Connect();
    EXPECT_EQ(link.controllerNode(), EmulatedBus::NodeName(2));
    const std::optional<ArgbState> state = TryQueryArgbState(link);
    ASSERT_TRUE(state);
    EXPECT_EQ(state->mode, 12);
    EXPECT_EQ(state->blue, 9);
    EXPECT_EQ(TryQueryLedCount(link, 5), std::optional<BYTE>(40));
    EXPECT_TRUE(link.SendReport(BuildLedCountSet(8)));

    controller().setAnswerStyle(AnswerStyle::Silent);
    EXPECT_FALSE(TryQueryArgbState(link));
    EXPECT_FALSE(TryQueryLedCount(link, 5));
    // A read that timed out: the controller is still there and takes reports.
    EXPECT_TRUE(link.SendReport(BuildLedCountSet(9)));

    controller().setPresent(false);
    controller().unplug();
    EXPECT_FALSE(link.SendReport(BuildLedCountSet(10)));
    EXPECT_FALSE(link.WriteReport(BuildLedCountSet(10)));
    DeviceReport buffer = BuildLedCountQuery(3);
    EXPECT_FALSE(link.ReadReport(buffer));
    EXPECT_EQ(controller().state().ledCount, 9);
}

TEST_F(DeviceLinkIo, WithoutControllerNothingIsTakenAndThereIsNoNode) {
    controller().setPresent(false);
    link.FindController();
    EXPECT_EQ(link.controllerNode(), "");
    EXPECT_FALSE(link.SendReport(BuildLedCountSet(8)));
    EXPECT_FALSE(TryQueryArgbState(link));
    EXPECT_EQ(QueryLedCount(link, 300), 300 & 0xFF) << "the low 8 bits of the count sent";
}

}  // namespace
