// Whole runs of the companion on the simulator's emulated bus, read as a user of the simulator
// twin reads them: the report lines on standard output (in the order they crossed the link),
// then what the command printed, the message on standard error and the exit status.
#include "cli/run.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/hid/emulated_bus.hpp"
#include "tools/sim/report_printer.hpp"
#include "tools/sim/sim_bus.hpp"

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string ReadAll(std::FILE* file) {
    std::rewind(file);
    std::string text;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, file) != nullptr) text += buffer;
    return text;
}

// "write "/"read " and 65 bytes: the leading bytes given as hex text, zeros after them.
std::string Line(std::string_view direction, std::string_view leadingHex) {
    std::string line(direction);
    line += ' ';
    line += leadingHex;
    line.resize(direction.size() + 1 + 130, '0');
    return line + "\n";
}
std::string Write(std::string_view hex) {
    return Line("write", hex);
}
std::string Read(std::string_view hex) {
    return Line("read", hex);
}

// What a command printed itself: the output without the report lines.
std::string Printed(const std::string& out) {
    std::string text;
    std::size_t start = 0;
    while (start < out.size()) {
        const std::size_t end = out.find('\n', start) + 1;
        const std::string_view line(out.data() + start, end - start);
        if (!line.starts_with("write ") && !line.starts_with("read ")) text += line;
        start = end;
    }
    return text;
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

class CtlRun : public ::testing::Test {
  protected:
    void SetUpBus(const sim::SimOptions& options) { sim::SetUpSimBus(bus, options); }

    Outcome Run(std::vector<std::string_view> args) {
        const File out(std::tmpfile());
        const File err(std::tmpfile());
        const ctl::Environment env{"vespane-rgbctl-sim",
                                   bus,
                                   out.get(),
                                   err.get(),
                                   sim::MakeReportPrinter(out.get()),
                                   "  --absent        no controller on the bus\n"};
        Outcome outcome;
        outcome.status = ctl::Run(env, args);
        outcome.out = ReadAll(out.get());
        outcome.err = ReadAll(err.get());
        return outcome;
    }

    hid::EmulatedBus bus;
};

// The state query and its answer, as every apply without a colour option starts.
std::string StateQueryLines(std::string_view colourHex) {
    return Write("00800b010f00000003") + Read("00800b010f00000003" + std::string(colourHex));
}

TEST_F(CtlRun, EachCommandsReportsByteForByte) {
    SetUpBus({});  // the controller holds 61,69,255 and 30 LEDs
    const Outcome status = Run({"status"});
    ASSERT_EQ(status.status, ctl::kExitDone) << status.err;
    EXPECT_EQ(status.out.substr(0, status.out.size() - Printed(status.out).size()),
              StateQueryLines("3d45ff") + Write("00800d0100") + Read("00800d011e"))
        << "the state query, then the LED count query carrying 0";
    // Without a colour option the custom colour is the controller's: read first, then written.
    EXPECT_EQ(Run({"apply", "--channel", "vrgb", "--effect", "TwoBlink"}).out,
              StateQueryLines("3d45ff") + Write("00800402060005033d45ff"));
    EXPECT_EQ(Run({"apply", "--channel", "vrgb", "--effect", "5", "--colour", "61,69,255"}).out,
              Write("00800402060005033d45ff"));
    EXPECT_EQ(Run({"apply", "--channel", "argb", "--effect", "1", "--preset", "2"}).out,
              Write("00800b020f07000103ff0000"));
    EXPECT_EQ(Run({"leds", "8"}).out, Write("00800d0208"));
}

TEST_F(CtlRun, TheEdgeCasesOfApplyByteForByte) {
    SetUpBus({});
    // The window's first Apply on the ARGB channel: effect 8, the sliders' colour.
    EXPECT_EQ(Run({"apply", "--channel", "argb", "--effect", "8"}).out,
              StateQueryLines("3d45ff") + Write("00800b020f020003033d45ff"));
    // Synchronized: ARGB first, then VRGB.
    EXPECT_EQ(Run({"apply", "--channel", "both", "--effect", "Breathe", "--preset", "5"}).out,
              Write("00800b020f0800010300ff00") + Write("0080040203000103"
                                                        "00ff00"));
    // Preset 7 sends the controller's colour, not the one drawn for the swatch.
    EXPECT_EQ(Run({"apply", "--channel", "argb", "--effect", "7", "--preset", "7"}).out,
              Write("00800b020f09000003fe1b2e"));
    EXPECT_EQ(Run({"apply", "--channel", "argb", "--effect", "7", "--colour=#0a0b0c"}).out,
              Write("00800b020f090000030a0b0c"));
}

TEST_F(CtlRun, TheLedCountQueryCarriesZeroWhateverTheControllerHolds) {
    sim::SimOptions options;
    options.leds = 64;
    SetUpBus(options);
    const Outcome status = Run({"status"});
    EXPECT_NE(status.out.find(Write("00800d0100") + Read("00800d0140")), std::string::npos);
    EXPECT_NE(status.out.find("LED count: 64\n"), std::string::npos);
}

TEST_F(CtlRun, UsageErrorsWriteNothingAndEndWithStatusTwo) {
    SetUpBus({});
    const std::vector<std::vector<std::string_view>> lines{
        {"apply", "--channel", "vrgb", "--effect", "8", "--preset", "1"},
        {"apply", "--channel", "both", "--effect", "Vespane"},
        {"apply", "--channel", "argb", "--effect", "Glitter"},
        {"leds", "65"},
        {"status", "--yaml"},
        {"dance"},
        {},
    };
    for (const auto& args : lines) {
        const Outcome outcome = Run(args);
        EXPECT_EQ(outcome.status, ctl::kExitUsageError) << outcome.err;
        EXPECT_EQ(outcome.out, "") << outcome.err;
        EXPECT_TRUE(outcome.err.starts_with("vespane-rgbctl-sim: ")) << outcome.err;
        EXPECT_NE(outcome.err.find("--help'.\n"), std::string::npos) << outcome.err;
    }
    EXPECT_TRUE(bus.controller().received().empty());
    EXPECT_TRUE(bus.openedNodes().empty()) << "a usage error does not even look for the controller";

    const Outcome vrgb = Run({"apply", "--channel", "vrgb", "--effect", "8", "--preset", "1"});
    EXPECT_NE(vrgb.err.find("the VRGB effects are 1 ColorBreathe, 2 Rainbow, 3 Breathe, 4 Off, "
                            "5 TwoBlink, 6 Blink, 7 Static\n"),
              std::string::npos)
        << vrgb.err;
    EXPECT_NE(vrgb.err.find("Try 'vespane-rgbctl-sim apply --help'."), std::string::npos);
}

TEST_F(CtlRun, ControllerProblemsEndWithStatusOneAndOneLine) {
    const auto expectOneLine = [](const Outcome& outcome, std::string_view text) {
        EXPECT_EQ(outcome.status, ctl::kExitControllerProblem);
        EXPECT_NE(outcome.err.find(text), std::string::npos) << outcome.err;
        EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
    };
    sim::SimOptions absent;
    absent.absent = true;
    SetUpBus(absent);
    for (const auto& args : std::vector<std::vector<std::string_view>>{
             {"status"}, {"leds", "8"}, {"apply", "--channel", "argb", "--effect", "2"}}) {
        const Outcome outcome = Run(args);
        expectOneLine(outcome, "no controller found");
        EXPECT_EQ(outcome.out, "");
    }

    sim::SimOptions silent;
    silent.silent = true;
    SetUpBus(silent);
    bus.controller().setReadsWaitInRealTime(false);
    const Outcome status = Run({"status"});
    expectOneLine(status, "the controller at /dev/hidraw3 did not answer within 500 ms");
    EXPECT_EQ(status.out, Write("00800b010f00000003")) << "no second query after no answer";
    // Without an answer there is no colour to send: the effect is not written.
    const Outcome apply = Run({"apply", "--channel", "argb", "--effect", "2"});
    expectOneLine(apply, "did not answer");
    EXPECT_EQ(apply.out, Write("00800b010f00000003"));
    // A colour on the command line needs no answer.
    EXPECT_EQ(Run({"apply", "--channel", "argb", "--effect", "2", "--preset", "1"}).status,
              ctl::kExitDone);
}

TEST_F(CtlRun, AControllerThatGoesAwayMidwayIsAProblemNotSuccess) {
    SetUpBus({});
    bus.controller().unplugAfter(1);
    const Outcome outcome = Run({"apply", "--channel", "both", "--effect", "1", "--preset", "1"});
    EXPECT_EQ(outcome.status, ctl::kExitControllerProblem);
    EXPECT_EQ(outcome.out, Write("00800b020f07000103ffffff")) << "the ARGB report went through";
    EXPECT_NE(outcome.err.find("could not be written"), std::string::npos) << outcome.err;

    // Plugged back in under a new node: the next run finds it there.
    bus.replugController();
    EXPECT_EQ(Run({"leds", "12"}).status, ctl::kExitDone);
    EXPECT_EQ(bus.controller().state().ledCount, 12);
}

TEST_F(CtlRun, StatusShowsWhatApplyAndLedsLeftInTheController) {
    sim::SimOptions options;
    options.colour = std::array<std::uint8_t, 3>{13, 29, 37};
    SetUpBus(options);
    const auto printed = [](const Outcome& outcome) { return Printed(outcome.out); };
    EXPECT_EQ(printed(Run({"status"})), "mode: 0\ncolour: 13,29,37\nLED count: 30\n");
    EXPECT_EQ(
        printed(Run({"status", "--json"})),
        "{\"mode\":0,\"effect\":null,\"red\":13,\"green\":29,\"blue\":37,\"led_count\":30}\n");

    ASSERT_EQ(Run({"apply", "--channel", "argb", "--effect", "rainbow", "--preset", "6"}).status,
              ctl::kExitDone);
    ASSERT_EQ(Run({"leds", "64"}).status, ctl::kExitDone);
    EXPECT_EQ(printed(Run({"status"})), "mode: 1 (Rainbow)\ncolour: 0,0,255\nLED count: 64\n");
    ASSERT_EQ(Run({"apply", "--channel", "argb", "--effect", "24", "--colour", "1,2,3"}).status,
              ctl::kExitDone);
    EXPECT_EQ(printed(Run({"status", "--json"})),
              "{\"mode\":11,\"effect\":\"CenterMeteor\",\"red\":1,\"green\":2,\"blue\":3,"
              "\"led_count\":64}\n");
}

TEST_F(CtlRun, ListTellsWhyEachInterfaceIsOrIsNotTheController) {
    SetUpBus({});
    const Outcome listed = Run({"list"});
    EXPECT_EQ(listed.status, ctl::kExitDone);
    const std::string& out = listed.out;
    EXPECT_NE(out.find("/dev/hidraw0 046d:c31c \\\\?\\hid#vid_046d&pid_c31c&mi_00#"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("another device (the controller is 1a2c:1507); not opened"),
              std::string::npos);
    EXPECT_NE(out.find("/dev/hidraw1 1a2c:1507 \\\\?\\hid#vid_1a2c&pid_1507&mi_01#"),
              std::string::npos);
    EXPECT_NE(out.find("its path does not contain \"hid#vid_1a2c&pid_1507#\""), std::string::npos);
    EXPECT_TRUE(out.ends_with("{4d1e55b2-f16f-11cf-88cb-001111000030}\n    the controller\n"))
        << out;
    EXPECT_TRUE(bus.controller().received().empty()) << "list sends nothing";
    EXPECT_EQ(bus.openHandles(), 0);
}

TEST_F(CtlRun, ListNamesTheNodeAndTheRuleWhenThePermissionIsMissing) {
    hid::EmulatedInterface denied;
    denied.kind = hid::EmulatedInterface::Kind::Controller;
    denied.devicePath = hid::EmulatedBus::ControllerPath(0);
    denied.openError = "Permission denied";
    denied.attributes = {0x1A2C, 0x1507, 1};
    bus.add(denied);
    bus.addGap();
    hid::EmulatedInterface nameless;
    bus.add(nameless);

    const Outcome listed = Run({"list"});
    EXPECT_EQ(listed.status, ctl::kExitControllerProblem);
    EXPECT_NE(listed.out.find("/dev/hidraw0 1a2c:1507"), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("cannot be opened: Permission denied; this user may not open "
                              "/dev/hidraw0. Install the udev rule 60-vespane-rgb.rules"),
              std::string::npos)
        << listed.out;
    EXPECT_NE(listed.out.find("interface 2\n    not the controller: its device path cannot be "
                              "found out\n"),
              std::string::npos)
        << listed.out;
    EXPECT_EQ(listed.out.find("interface 1"), std::string::npos) << "a gap is no interface";
    EXPECT_NE(listed.err.find("the controller at /dev/hidraw0 cannot be opened"), std::string::npos)
        << listed.err;
    // Every other command says the same on stderr.
    EXPECT_EQ(Run({"leds", "8"}).err, listed.err);
}

TEST_F(CtlRun, ListSaysWhenInterfacesLieBeyondTheExaminedOnes) {
    for (std::size_t i = 0; i <= kMaxExaminedInterfaces; ++i) bus.addMouse();
    const Outcome listed = Run({"list"});
    EXPECT_EQ(std::count(listed.out.begin(), listed.out.end(), '\n'),
              2 * static_cast<long>(kMaxExaminedInterfaces) + 1);
    EXPECT_TRUE(listed.out.ends_with("more interfaces follow; only the first 128 are examined\n"));
    bus.clear();
    EXPECT_EQ(Run({"list"}).out, "no HID interfaces\n");
}

TEST_F(CtlRun, HelpAndVersionTouchNoController) {
    SetUpBus({});
    const Outcome help = Run({"--help"});
    EXPECT_EQ(help.status, ctl::kExitDone);
    EXPECT_TRUE(
        help.out.starts_with("Usage: vespane-rgbctl-sim [simulator options] COMMAND [options]\n"));
    EXPECT_NE(help.out.find("  --absent        no controller on the bus\n"), std::string::npos);
    const Outcome apply = Run({"apply", "--help"});
    EXPECT_NE(apply.out.find("read\nfirst with the ARGB state query"), std::string::npos)
        << apply.out;
    EXPECT_NE(apply.out.find("24 CenterMeteor\n"), std::string::npos) << apply.out;
    EXPECT_NE(apply.out.find(" 7 254,27,46"), std::string::npos) << apply.out;
    EXPECT_EQ(Run({"--version"}).out, std::string("vespane-rgbctl-sim ") + VR_VERSION + "\n");
    EXPECT_TRUE(bus.openedNodes().empty());
}

}  // namespace
