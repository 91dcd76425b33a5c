#include "cli/help_text.hpp"

#include <array>
#include <utility>

#include "device/color_presets.hpp"
#include "device/effect_table.hpp"

namespace ctl {
namespace {

// The effects as a table of four columns, each entry its number and label.
std::string EffectTable() {
    constexpr std::size_t kColumns = 4;
    constexpr std::size_t kWidth = 17;
    std::string text;
    for (int effect = 1; effect <= kEffectCount; ++effect) {
        const std::wstring_view label = EffectLabel(effect);
        std::string entry = (effect < 10 ? " " : "") + std::to_string(effect) + " " +
                            std::string(label.begin(), label.end());
        const bool endOfRow = effect % kColumns == 0 || effect == kEffectCount;
        if (!endOfRow) entry.resize(kWidth, ' ');
        text += (effect % kColumns == 1 ? "      " : "") + entry + (endOfRow ? "\n" : "");
    }
    return text;
}

std::string PresetTable() {
    std::string text = "     ";
    for (int preset = 1; preset <= kPresetCount; ++preset) {
        const ReportColor colour = PresetColor(preset, 0, 0, 0);
        text += " " + std::to_string(preset) + " " + std::to_string(colour.red) + "," +
                std::to_string(colour.green) + "," + std::to_string(colour.blue);
        text += preset == kPresetCount / 2 ? "\n     " : (preset == kPresetCount ? "\n" : "");
    }
    return text;
}

std::string Usage(std::string_view program, std::string_view synopsis) {
    return "Usage: " + std::string(program) + " " + std::string(synopsis) + "\n";
}

std::string GeneralHelp(std::string_view program, std::string_view extraOptions) {
    const std::string before = extraOptions.empty() ? "" : "[simulator options] ";
    std::string text = Usage(program, before + "COMMAND [options]");
    text +=
        "Sets the lighting of the Vespane USB HID lighting controller (USB ID 1a2c:1507) from\n"
        "the command line: the same reports as the window's Apply and LED count popup.\n"
        "\n"
        "Commands:\n"
        "  apply    write an effect and a colour to the ARGB or VRGB channel, or both\n"
        "  leds     set the number of LEDs the controller drives\n"
        "  status   show the controller's mode, colour and LED count\n"
        "  list     show every HID interface and why it is or is not the controller\n"
        "\n"
        "Options:\n"
        "  --help      show this text; after a command, that command's help\n"
        "  --version   show the version\n";
    if (!extraOptions.empty()) {
        text +=
            "\n"
            "Simulator options, before the command (every report is printed on standard output\n"
            "as \"write \" or \"read \" and its 65 bytes in hex):\n";
        text += extraOptions;
    }
    text +=
        "\n"
        "Exit status: 0 done; 1 a controller problem (not found, no permission, no answer),\n"
        "with one line on standard error; 2 a usage error, with nothing written.\n";
    return text;
}

std::string ApplyHelp(std::string_view program) {
    std::string text = Usage(program,
                             "apply --channel argb|vrgb|both --effect NAME|N\n"
                             "       [--preset N | --colour R,G,B | --colour '#rrggbb']");
    text +=
        "Writes the report the window's Apply writes for this selection; \"both\" is the\n"
        "synchronized mode: the ARGB report, then the VRGB report.\n"
        "\n"
        "  --channel argb|vrgb|both  the channel; the VRGB channel has effects 1 to 7 only\n"
        "  --effect NAME|N           the effect by number or English label, case ignored:\n";
    text += EffectTable();
    text += "  --preset N                a preset colour, 1 to 8 (red, green, blue):\n";
    text += PresetTable();
    text +=
        "  --colour R,G,B|#rrggbb    a colour of your own (the shell takes a word that starts\n"
        "                            with # for a comment: quote it, or write --colour=#rrggbb)\n"
        "\n"
        "Without --preset or --colour the colour is the one the controller holds now: it is read\n"
        "first with the ARGB state query. With --preset or --colour nothing is read; only the\n"
        "report is written.\n";
    return text;
}

std::string LedsHelp(std::string_view program) {
    return Usage(program, "leds N") + "Sets the number of LEDs the controller drives, from " +
           std::to_string(kMinLedCount) + " to " + std::to_string(kMaxLedCount) +
           " (the popup's range).\n";
}

// A command's help that is fixed text: its synopsis, then what it does.
struct FixedHelp {
    std::string_view synopsis;
    std::string_view body;
};

constexpr FixedHelp kStatusHelp{
    "status [--json]",
    "Asks the controller for its ARGB mode and colour and for its LED count, and prints\n"
    "them: the mode (with the effect's label when the mode is one of the effects'), the\n"
    "colour as red,green,blue and the LED count.\n"
    "\n"
    "  --json   print one JSON object with the keys mode, effect (the label, or null),\n"
    "           red, green, blue and led_count\n"};

constexpr FixedHelp kListHelp{
    "list",
    "Shows every HID interface that discovery examines (at most 128), and for each why it\n"
    "is or is not the controller: its node, vendor and product ID and device path, and\n"
    "why it was rejected or could not be opened. Run it after \"Hardware detection\n"
    "failed.\". The exit status is 0 when the controller was found, 1 when not.\n"};

std::string Help(std::string_view program, const FixedHelp& help) {
    return Usage(program, help.synopsis) + std::string(help.body);
}

}  // namespace

std::string HelpText(Topic topic, std::string_view program, std::string_view extraOptions) {
    switch (topic) {
        case Topic::Apply:
            return ApplyHelp(program);
        case Topic::Leds:
            return LedsHelp(program);
        case Topic::Status:
            return Help(program, kStatusHelp);
        case Topic::List:
            return Help(program, kListHelp);
        case Topic::General:
            break;
    }
    return GeneralHelp(program, extraOptions);
}

std::string VersionText(std::string_view program) {
    return std::string(program) + " " + VR_VERSION + "\n";
}

std::string_view TopicCommand(Topic topic) {
    static constexpr std::array<std::pair<Topic, std::string_view>, 4> kCommands{{
        {Topic::Apply, "apply "},
        {Topic::Leds, "leds "},
        {Topic::Status, "status "},
        {Topic::List, "list "},
    }};
    for (const auto& [commandTopic, command] : kCommands) {
        if (commandTopic == topic) return command;
    }
    return "";
}

}  // namespace ctl
