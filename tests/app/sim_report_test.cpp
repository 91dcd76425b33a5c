// The simulator's printed reports: the bus it builds, and one line per report that crosses the
// link, exactly as a reader of its output sees them.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "device/device_commands.hpp"
#include "device/device_link.hpp"
#include "platform/hid/emulated_bus.hpp"
#include "tools/sim/report_printer.hpp"
#include "tools/sim/sim_bus.hpp"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// 65 bytes as hex: the given leading bytes, zeros after them.
std::string Hex(std::initializer_list<int> leading) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const int b : leading) {
        text += kDigits[(b >> 4) & 0xF];
        text += kDigits[b & 0xF];
    }
    text.resize(130, '0');
    return text;
}

// Runs discovery and the two start-up queries on the simulator's bus, returning the printed lines.
std::vector<std::string> StartUpLines(const sim::SimOptions& options) {
    hid::EmulatedBus bus;
    sim::SetUpSimBus(bus, options);
    const std::unique_ptr<std::FILE, FileCloser> out(std::tmpfile());
    DeviceLink link(bus);
    link.SetTap(sim::MakeReportPrinter(out.get()));
    link.FindController();
    QueryArgbState(link);
    QueryLedCount(link, 0);

    std::rewind(out.get());
    std::vector<std::string> lines;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, out.get()) != nullptr) {
        lines.emplace_back(buffer);
    }
    return lines;
}

TEST(SimReports, StartUpQueriesAndAnswersArePrintedOneLineEach) {
    sim::SimOptions options;
    options.colour = std::array<std::uint8_t, 3>{13, 29, 37};
    options.leds = 64;
    const std::vector<std::string> expected{
        "write " + Hex({0x00, 0x80, 0x0b, 0x01, 0x0f, 0, 0, 0, 0x03}) + "\n",
        "read " + Hex({0x00, 0x80, 0x0b, 0x01, 0x0f, 0, 0, 0, 0x03, 13, 29, 37}) + "\n",
        "write " + Hex({0x00, 0x80, 0x0d, 0x01, 0x00}) + "\n",
        "read " + Hex({0x00, 0x80, 0x0d, 0x01, 64}) + "\n",
    };
    EXPECT_EQ(StartUpLines(options), expected);
}

TEST(SimReports, DefaultStateIsTheDocumentedOne) {
    const std::vector<std::string> lines = StartUpLines({});
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(lines[1],
              "read " + Hex({0x00, 0x80, 0x0b, 0x01, 0x0f, 0, 0, 0, 0x03, 61, 69, 255}) + "\n");
    EXPECT_EQ(lines[3], "read " + Hex({0x00, 0x80, 0x0d, 0x01, 30}) + "\n");
}

TEST(SimReports, SilentControllerGetsTheWritesButAnswersNothing) {
    sim::SimOptions options;
    options.silent = true;
    const std::vector<std::string> lines = StartUpLines(options);
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[0].rfind("write ", 0), 0U);
    EXPECT_EQ(lines[1], "write " + Hex({0x00, 0x80, 0x0d, 0x01, 0x00}) + "\n");
}

TEST(SimReports, AbsentControllerLeavesNothingToPrint) {
    sim::SimOptions options;
    options.absent = true;
    EXPECT_TRUE(StartUpLines(options).empty());
}

TEST(SimReports, TheBusHasOtherInterfacesAroundTheController) {
    hid::EmulatedBus bus;
    sim::SetUpSimBus(bus, {});
    EXPECT_GE(bus.size(), 4U);
    DeviceLink link(bus);
    link.FindController();
    ASSERT_NE(link.deviceHandle(), nullptr);
    // Discovery had to pass over the other interfaces before it reached the controller.
    EXPECT_EQ(bus.openedNodes().back(), hid::EmulatedBus::NodeName(bus.size() - 1));
    EXPECT_GT(bus.openedNodes().size(), 1U);
}

TEST(SimReports, AFloodingControllerStillGivesTheRightAnswers) {
    sim::SimOptions options;
    options.flood = true;
    options.colour = std::array<std::uint8_t, 3>{1, 2, 3};
    const std::vector<std::string> lines = StartUpLines(options);
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(lines[1],
              "read " + Hex({0x00, 0x80, 0x0b, 0x01, 0x0f, 0, 0, 0, 0x03, 1, 2, 3}) + "\n");
    EXPECT_EQ(lines[3], "read " + Hex({0x00, 0x80, 0x0d, 0x01, 30}) + "\n");

    hid::EmulatedBus bus;
    sim::SetUpSimBus(bus, options);
    DeviceLink link(bus);
    link.FindController();
    SetLedCount(link, 8);
    EXPECT_EQ(bus.controller().queuedInput(), hid::EmulatedController::kInputQueueLimit);
}

TEST(SimReports, AGarbageControllerAnswersWithRandomBytes) {
    sim::SimOptions options;
    options.garbage = true;
    const std::vector<std::string> lines = StartUpLines(options);
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_NE(lines[1].substr(0, 13), "read 00800b01");
    EXPECT_NE(lines[3].substr(0, 13), "read 00800d01");
}

TEST(SimReports, PlugEventsUnplugAndBringTheControllerBackAsANewInterface) {
    hid::EmulatedBus bus;
    sim::SetUpSimBus(bus, {});
    DeviceLink link(bus);
    link.FindController();
    const std::string firstNode = bus.openedNodes().back();

    sim::ApplyPlugEvent(bus, sim::PlugEvent::Unplug);
    SetLedCount(link, 10);
    EXPECT_TRUE(bus.controller().received().empty());
    EXPECT_EQ(link.deviceHandle(), nullptr);

    sim::ApplyPlugEvent(bus, sim::PlugEvent::Replug);
    SetLedCount(link, 12);
    ASSERT_EQ(bus.controller().received().size(), 1U);
    EXPECT_EQ(bus.controller().state().ledCount, 12);
    EXPECT_NE(bus.openedNodes().back(), firstNode);
    // The colour it held survives the trip.
    EXPECT_EQ(QueryArgbState(link).red, sim::kDefaultColour[0]);
}

}  // namespace
