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

}  // namespace
