// The simulator's command line.
#include "tools/sim/sim_options.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string_view>
#include <vector>

namespace {

sim::ParsedOptions Parse(std::vector<std::string_view> args) {
    return sim::ParseSimOptions(args);
}

TEST(SimOptions, NoOptionsLeaveTheDefaults) {
    const auto parsed = Parse({});
    EXPECT_TRUE(parsed.error.empty());
    EXPECT_FALSE(parsed.options.colour.has_value());
    EXPECT_FALSE(parsed.options.leds.has_value());
    EXPECT_FALSE(parsed.options.absent);
    EXPECT_FALSE(parsed.options.silent);
    EXPECT_FALSE(parsed.options.help);
}

TEST(SimOptions, ColourAndLedsInBothSpellings) {
    const auto separate = Parse({"--colour", "13,29,37", "--leds", "64"});
    ASSERT_TRUE(separate.error.empty()) << separate.error;
    EXPECT_EQ(separate.options.colour, (std::array<std::uint8_t, 3>{13, 29, 37}));
    EXPECT_EQ(separate.options.leds, 64);

    const auto joined = Parse({"--colour=255,0,0", "--leds=0"});
    ASSERT_TRUE(joined.error.empty()) << joined.error;
    EXPECT_EQ(joined.options.colour, (std::array<std::uint8_t, 3>{255, 0, 0}));
    EXPECT_EQ(joined.options.leds, 0);
}

TEST(SimOptions, FlagsAreRecognised) {
    EXPECT_TRUE(Parse({"--absent"}).options.absent);
    EXPECT_TRUE(Parse({"--silent"}).options.silent);
    EXPECT_TRUE(Parse({"--flood"}).options.flood);
    EXPECT_TRUE(Parse({"--garbage"}).options.garbage);
    const auto floodOfGarbage = Parse({"--flood", "--garbage"});
    EXPECT_TRUE(floodOfGarbage.error.empty()) << floodOfGarbage.error;
    EXPECT_TRUE(Parse({"--help"}).options.help);
    EXPECT_TRUE(Parse({"-h"}).options.help);
}

TEST(SimOptions, BadCommandLinesAreRefusedWithAReason) {
    const std::vector<std::vector<std::string_view>> bad{
        {"--colour"},              // value missing
        {"--colour", "1,2"},       // too few parts
        {"--colour", "1,2,3,4"},   // too many parts
        {"--colour", "1,2,256"},   // out of range
        {"--colour", "1,-2,3"},    // negative
        {"--colour", "1,,3"},      // empty part
        {"--colour", "1, 2,3"},    // stray space
        {"--colour", "0x10,2,3"},  // not decimal
        {"--leds"},                // value missing
        {"--leds", "256"},         // too many for one byte
        {"--leds", "-1"},          // negative
        {"--leds", "8x"},          // trailing text
        {"--absent=yes"},          // a flag with a value
        {"--absent", "--silent"},  // contradictions
        {"--silent", "--garbage"},
        {"--absent", "--garbage"},
        {"--flood=1"},
        {"--verbose"},  // unknown
        {"leds"},       // not an option
    };
    for (const auto& args : bad) {
        const auto parsed = Parse(args);
        std::string joined;
        for (const auto arg : args) {
            joined += std::string(arg) + ' ';
        }
        EXPECT_FALSE(parsed.error.empty()) << "accepted: " << joined;
    }
    EXPECT_NE(Parse({"--verbose"}).error.find("--verbose"), std::string::npos);
}

TEST(SimOptions, UsageNamesEveryOption) {
    const std::string usage = sim::SimUsage("vespane-rgb-sim");
    for (const char* option : {"--colour R,G,B", "--leds N", "--absent", "--silent", "--flood",
                               "--garbage", "--help", "SIGUSR1", "SIGUSR2"}) {
        EXPECT_NE(usage.find(option), std::string::npos) << option;
    }
    EXPECT_EQ(usage.rfind("Usage: vespane-rgb-sim", 0), 0U);
}

// The twin of the command-line companion takes the simulator's options before its command.
TEST(SimOptions, LeadingSimulatorOptionsEndAtTheCommand) {
    const auto count = [](std::vector<std::string_view> args) {
        return sim::CountLeadingSimOptions(args);
    };
    EXPECT_EQ(count({}), 0u);
    EXPECT_EQ(count({"status"}), 0u);
    EXPECT_EQ(count({"--help"}), 0u);
    EXPECT_EQ(count({"--colour", "1,2,3", "--leds=8", "--flood", "status", "--json"}), 4u);
    EXPECT_EQ(count({"--absent", "--silent", "--garbage", "apply", "--colour", "1,2,3"}), 3u);
    EXPECT_EQ(count({"--colour=1,2,3", "list"}), 1u);
    EXPECT_EQ(count({"--leds"}), 1u);  // the missing value is the parser's to report
    EXPECT_EQ(count({"--version", "--flood"}), 0u);
}

}  // namespace
