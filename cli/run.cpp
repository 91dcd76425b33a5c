#include "cli/run.hpp"

#include <string>
#include <variant>

#include "cli/command_line.hpp"
#include "cli/help_text.hpp"
#include "cli/interface_report.hpp"
#include "cli/status_text.hpp"
#include "device/access_hint.hpp"
#include "device/device_commands.hpp"
#include "device/interface_check.hpp"
#include "device/report_builders.hpp"

namespace ctl {
namespace {

void Print(std::FILE* stream, const std::string& text) {
    std::fputs(text.c_str(), stream);
    std::fflush(stream);
}

// One line on stderr about the controller, and the status that goes with it.
int ControllerProblem(const Environment& env, const std::string& what) {
    Print(env.err, std::string(env.program) + ": " + what + "\n");
    return kExitControllerProblem;
}

// After discovery without a controller: no permission on its node, or no controller at all.
int NoController(const Environment& env, const DeviceLink& link) {
    if (const auto hint = FormatAccessHint(link, env.program)) {
        Print(env.err, *hint + "\n");
        return kExitControllerProblem;
    }
    return ControllerProblem(env, "no controller found (USB ID 1a2c:1507); '" +
                                      std::string(env.program) +
                                      " list' shows every HID interface and why it is not the "
                                      "controller");
}

int NoAnswer(const Environment& env, const DeviceLink& link) {
    return ControllerProblem(env, "the controller at " + link.controllerNode() +
                                      " did not answer within " +
                                      std::to_string(kReadLimit.count()) + " ms");
}

int WriteFailed(const Environment& env) {
    return ControllerProblem(env,
                             "the report could not be written: the controller went away and was "
                             "not found again");
}

int RunApply(const Environment& env, DeviceLink& link, const ApplyRequest& request) {
    const int preset = request.preset.value_or(0);
    std::array<BYTE, 3> colour = request.colour.value_or(std::array<BYTE, 3>{});
    if (!request.preset && !request.colour) {
        // The custom colour is the one the controller holds, as the window's sliders show it.
        const std::optional<ArgbState> held = TryQueryArgbState(link);
        if (!held) return NoAnswer(env, link);
        colour = {held->red, held->green, held->blue};
    }
    if (request.channel != Channel::Vrgb &&
        !link.SendReport(
            BuildArgbEffectReport(request.effect, preset, colour[0], colour[1], colour[2]))) {
        return WriteFailed(env);
    }
    if (request.channel != Channel::Argb &&
        !link.SendReport(
            BuildVrgbEffectReport(request.effect, preset, colour[0], colour[1], colour[2]))) {
        return WriteFailed(env);
    }
    return kExitDone;
}

int RunLeds(const Environment& env, DeviceLink& link, const LedsRequest& request) {
    return link.SendReport(BuildLedCountSet(request.count)) ? kExitDone : WriteFailed(env);
}

int RunStatus(const Environment& env, DeviceLink& link, const StatusRequest& request) {
    const std::optional<ArgbState> state = TryQueryArgbState(link);
    if (!state) return NoAnswer(env, link);
    // The companion holds no count of its own: it asks with 0, as the window does at start.
    const std::optional<BYTE> ledCount = TryQueryLedCount(link, 0);
    if (!ledCount) return NoAnswer(env, link);
    Print(env.out, FormatStatus(*state, *ledCount, request.json));
    return kExitDone;
}

int RunList(const Environment& env, const DeviceLink& link) {
    const std::unique_ptr<hid::InterfaceSet> interfaces = env.bus.snapshot();
    bool chosen = false;
    std::size_t shown = 0;
    for (std::size_t index = 0; index < kMaxExaminedInterfaces; ++index) {
        const std::optional<InterfaceExamination> examined =
            ExamineInterface(env.bus, *interfaces, index);
        if (!examined) continue;
        const bool first = examined->verdict == InterfaceVerdict::Controller && !chosen;
        chosen = chosen || first;
        Print(env.out, DescribeInterface(index, *examined, first));
        ++shown;
    }
    if (shown == 0) Print(env.out, "no HID interfaces\n");
    if (interfaces->exists(kMaxExaminedInterfaces)) {
        Print(env.out, "more interfaces follow; only the first " +
                           std::to_string(kMaxExaminedInterfaces) + " are examined\n");
    }
    return link.deviceHandle() != nullptr ? kExitDone : NoController(env, link);
}

int UsageError(const Environment& env, const ParseResult& parsed) {
    Print(env.err, std::string(env.program) + ": " + parsed.error + "\nTry '" +
                       std::string(env.program) + " " +
                       std::string(TopicCommand(parsed.errorTopic)) + "--help'.\n");
    return kExitUsageError;
}

}  // namespace

int Run(const Environment& env, std::span<const std::string_view> args) {
    const ParseResult parsed = ParseCommandLine(args);
    if (!parsed.error.empty()) return UsageError(env, parsed);
    if (const auto* help = std::get_if<HelpRequest>(&parsed.request)) {
        Print(env.out, HelpText(help->topic, env.program, env.extraOptions));
        return kExitDone;
    }
    if (std::holds_alternative<VersionRequest>(parsed.request)) {
        Print(env.out, VersionText(env.program));
        return kExitDone;
    }

    DeviceLink link(env.bus);
    link.SetTap(env.tap);
    link.FindController();
    if (std::holds_alternative<ListRequest>(parsed.request)) return RunList(env, link);
    if (link.deviceHandle() == nullptr) return NoController(env, link);
    if (const auto* apply = std::get_if<ApplyRequest>(&parsed.request)) {
        return RunApply(env, link, *apply);
    }
    if (const auto* leds = std::get_if<LedsRequest>(&parsed.request)) {
        return RunLeds(env, link, *leds);
    }
    return RunStatus(env, link, std::get<StatusRequest>(parsed.request));
}

}  // namespace ctl
