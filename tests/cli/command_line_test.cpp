// The companion's command line, grouped by what a user types: lines that are understood and what
// they ask for, lines that are refused and what the refusal says and points to.
#include "cli/command_line.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ctl::ApplyRequest;
using ctl::Channel;
using ctl::ParseCommandLine;
using ctl::ParseResult;
using ctl::Topic;

ParseResult Parse(std::vector<std::string_view> args) {
    return ParseCommandLine(args);
}

ApplyRequest ParseApply(std::vector<std::string_view> args) {
    const ParseResult result = Parse(std::move(args));
    EXPECT_EQ(result.error, "");
    const auto* apply = std::get_if<ApplyRequest>(&result.request);
    return apply != nullptr ? *apply : ApplyRequest{};
}

TEST(CtlCommandLine, ApplyTakesEffectsByNumberOrLabelInAnyCase) {
    EXPECT_EQ(ParseApply({"apply", "--channel", "argb", "--effect", "1"}).effect, 1);
    EXPECT_EQ(ParseApply({"apply", "--channel", "argb", "--effect", "24"}).effect, 24);
    EXPECT_EQ(ParseApply({"apply", "--channel", "argb", "--effect", "centermeteor"}).effect, 24);
    EXPECT_EQ(ParseApply({"apply", "--channel", "vrgb", "--effect", "TWOBLINK"}).effect, 5);
    EXPECT_EQ(ParseApply({"apply", "--effect=Breathe", "--channel=both"}).effect, 3);
    for (const std::string_view bad : {"0", "25", "-1", "1x", "", " 3", "Breath", "Breathee"}) {
        const ParseResult result = Parse({"apply", "--channel", "argb", "--effect", bad});
        EXPECT_NE(result.error.find("unknown effect"), std::string::npos) << bad;
        // The refusal lists every effect, the last one included.
        EXPECT_NE(result.error.find("24 CenterMeteor"), std::string::npos) << bad;
        EXPECT_EQ(result.errorTopic, Topic::Apply);
    }
}

TEST(CtlCommandLine, ApplyChannelsAndColourChoices) {
    const ApplyRequest argb = ParseApply({"apply", "--channel", "ARGB", "--effect", "8"});
    EXPECT_EQ(argb.channel, Channel::Argb);
    EXPECT_FALSE(argb.preset);
    EXPECT_FALSE(argb.colour);  // the controller's own colour is read first
    EXPECT_EQ(ParseApply({"apply", "--channel", "both", "--effect", "7"}).channel, Channel::Both);

    const ApplyRequest preset =
        ParseApply({"apply", "--channel", "vrgb", "--effect", "7", "--preset", "8"});
    EXPECT_EQ(preset.channel, Channel::Vrgb);
    EXPECT_EQ(preset.preset, 8);
    EXPECT_FALSE(preset.colour);

    const auto colourOf = [](std::string_view text) {
        return ParseApply({"apply", "--channel", "argb", "--effect", "7", "--colour", text})
            .colour.value_or(std::array<BYTE, 3>{1, 1, 1});
    };
    EXPECT_EQ(colourOf("61,69,255"), (std::array<BYTE, 3>{61, 69, 255}));
    EXPECT_EQ(colourOf("0,0,0"), (std::array<BYTE, 3>{0, 0, 0}));
    EXPECT_EQ(colourOf("#3d45FF"), (std::array<BYTE, 3>{61, 69, 255}));
    EXPECT_EQ(colourOf("#00ff0a"), (std::array<BYTE, 3>{0, 255, 10}));
}

TEST(CtlCommandLine, ApplyRefusesBadValuesAndMissingOrClashingOptions) {
    struct Case {
        std::vector<std::string_view> args;
        std::string message;
    };
    const std::vector<Case> cases{
        {{"apply", "--effect", "1"}, "apply needs --channel"},
        {{"apply", "--channel", "argb"}, "apply needs --effect"},
        {{"apply", "--channel", "rgb", "--effect", "1"}, "--channel wants argb, vrgb or both"},
        {{"apply", "--channel", "argb", "--effect"}, "option --effect needs a value"},
        {{"apply", "--channel", "argb", "--effect", "1", "--preset", "0"}, "--preset wants"},
        {{"apply", "--channel", "argb", "--effect", "1", "--preset", "9"}, "--preset wants"},
        {{"apply", "--channel", "argb", "--effect", "1", "--preset", "1", "--colour", "1,2,3"},
         "--preset and --colour exclude each other"},
        {{"apply", "--channel", "argb", "--effect", "1", "--effect", "2"},
         "--effect is given twice"},
        {{"apply", "--channel", "argb", "--effect", "1", "--json"}, "unknown option \"--json\""},
        {{"apply", "--channel", "argb", "--effect", "1", "now"}, "unexpected argument \"now\""},
    };
    for (const Case& c : cases) {
        const ParseResult result = Parse(c.args);
        EXPECT_NE(result.error.find(c.message), std::string::npos)
            << c.message << " / got: " << result.error;
        EXPECT_EQ(result.errorTopic, Topic::Apply) << c.message;
    }
    for (const std::string_view bad : {"1,2", "1,2,3,4", "256,0,0", "1,,3", "#12345", "#1234567",
                                       "#gg0000", "#+1+1+1", "red", ""}) {
        const ParseResult result =
            Parse({"apply", "--channel", "argb", "--effect", "1", "--colour", bad});
        EXPECT_NE(result.error.find("--colour wants R,G,B"), std::string::npos) << bad;
    }
}

TEST(CtlCommandLine, AnArgbOnlyEffectOnTheVrgbChannelIsRefusedWithTheVrgbEffects) {
    for (const std::string_view channel : {"vrgb", "both"}) {
        for (const std::string_view effect : {"8", "Vespane", "24"}) {
            const ParseResult result = Parse({"apply", "--channel", channel, "--effect", effect});
            EXPECT_NE(result.error.find("is an ARGB effect"), std::string::npos) << channel;
            EXPECT_NE(result.error.find("1 ColorBreathe, 2 Rainbow, 3 Breathe, 4 Off, 5 TwoBlink, "
                                        "6 Blink, 7 Static"),
                      std::string::npos)
                << result.error;
            EXPECT_EQ(result.error.find("8 Vespane,"), std::string::npos) << result.error;
        }
    }
    // The same effects are fine on the ARGB channel, and 7 is the last VRGB one.
    EXPECT_EQ(Parse({"apply", "--channel", "argb", "--effect", "8"}).error, "");
    EXPECT_EQ(Parse({"apply", "--channel", "vrgb", "--effect", "Static"}).error, "");
}

TEST(CtlCommandLine, LedsTakesOneCountInThePopupsRange) {
    for (const int count : {4, 8, 64}) {
        const std::string text = std::to_string(count);
        const ParseResult result = Parse({"leds", text});
        ASSERT_EQ(result.error, "");
        EXPECT_EQ(std::get<ctl::LedsRequest>(result.request).count, count);
    }
    for (const std::string_view bad : {"3", "65", "0", "-4", "8.0", "eight", ""}) {
        const ParseResult result = Parse({"leds", bad});
        EXPECT_NE(result.error.find("from 4 to 64"), std::string::npos) << bad;
        EXPECT_EQ(result.errorTopic, Topic::Leds);
    }
    EXPECT_NE(Parse({"leds"}).error.find("leds needs a count"), std::string::npos);
    EXPECT_NE(Parse({"leds", "8", "9"}).error.find("unexpected argument \"9\""), std::string::npos);
}

TEST(CtlCommandLine, StatusListAndTheProgramsOwnOptions) {
    EXPECT_FALSE(std::get<ctl::StatusRequest>(Parse({"status"}).request).json);
    EXPECT_TRUE(std::get<ctl::StatusRequest>(Parse({"status", "--json"}).request).json);
    EXPECT_EQ(Parse({"status", "--xml"}).errorTopic, Topic::Status);
    EXPECT_NE(Parse({"status", "--xml"}).error.find("unknown option"), std::string::npos);
    EXPECT_TRUE(std::holds_alternative<ctl::ListRequest>(Parse({"list"}).request));
    EXPECT_EQ(Parse({"list", "all"}).errorTopic, Topic::List);

    EXPECT_TRUE(std::holds_alternative<ctl::VersionRequest>(Parse({"--version"}).request));
    EXPECT_NE(Parse({}).error.find("no command"), std::string::npos);
    EXPECT_NE(Parse({"paint"}).error.find("unknown command \"paint\""), std::string::npos);
    EXPECT_NE(Parse({"--json"}).error.find("unknown option \"--json\""), std::string::npos);
    EXPECT_EQ(Parse({"--version", "status"}).errorTopic, Topic::General);
    EXPECT_NE(Parse({"--version", "status"}).error, "");
}

TEST(CtlCommandLine, HelpIsFoundWhereverItIsAsked) {
    const auto topicOf = [](std::vector<std::string_view> args) {
        const ParseResult result = ParseCommandLine(args);
        EXPECT_EQ(result.error, "");
        const auto* help = std::get_if<ctl::HelpRequest>(&result.request);
        return help != nullptr ? help->topic : static_cast<Topic>(-1);
    };
    EXPECT_EQ(topicOf({"--help"}), Topic::General);
    EXPECT_EQ(topicOf({"-h"}), Topic::General);
    EXPECT_EQ(topicOf({"help"}), Topic::General);
    EXPECT_EQ(topicOf({"help", "status"}), Topic::Status);
    EXPECT_EQ(topicOf({"apply", "--help"}), Topic::Apply);
    // Help wins over anything wrong on the same line: nothing is sent.
    EXPECT_EQ(topicOf({"apply", "--channel", "nope", "--help"}), Topic::Apply);
    EXPECT_EQ(topicOf({"leds", "99", "-h"}), Topic::Leds);
    EXPECT_EQ(topicOf({"list", "--help"}), Topic::List);
    EXPECT_NE(Parse({"help", "paint"}).error.find("no help on \"paint\""), std::string::npos);
}

}  // namespace
