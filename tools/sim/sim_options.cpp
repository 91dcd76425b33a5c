#include "tools/sim/sim_options.hpp"

#include <algorithm>

#include "cli/value_text.hpp"

namespace sim {

ParsedOptions ParseSimOptions(std::span<const std::string_view> args) {
    ParsedOptions parsed;
    const auto fail = [&parsed](std::string message) {
        parsed.error = std::move(message);
        return parsed;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        std::optional<std::string_view> inlineValue;
        if (const std::size_t eq = arg.find('=');
            arg.starts_with("--") && eq != std::string_view::npos) {
            inlineValue = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
        }
        const bool takesValue = arg == "--colour" || arg == "--leds";
        if (inlineValue && !takesValue) {
            return fail("option " + std::string(arg) + " takes no value");
        }
        std::string_view value;
        if (takesValue) {
            if (inlineValue) {
                value = *inlineValue;
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                return fail("option " + std::string(arg) + " needs a value");
            }
        }
        if (arg == "--colour") {
            parsed.options.colour = ctl::ParseRgb(value);
            if (!parsed.options.colour) {
                return fail("--colour wants R,G,B with each part from 0 to 255, not \"" +
                            std::string(value) + "\"");
            }
        } else if (arg == "--leds") {
            parsed.options.leds = ctl::ParseWholeNumber(value, 0, 255);
            if (!parsed.options.leds) {
                return fail("--leds wants a number from 0 to 255, not \"" + std::string(value) +
                            "\"");
            }
        } else if (arg == "--absent") {
            parsed.options.absent = true;
        } else if (arg == "--silent") {
            parsed.options.silent = true;
        } else if (arg == "--flood") {
            parsed.options.flood = true;
        } else if (arg == "--garbage") {
            parsed.options.garbage = true;
        } else if (arg == "--help" || arg == "-h") {
            parsed.options.help = true;
        } else {
            return fail("unknown option \"" + std::string(arg) + "\"");
        }
    }
    const SimOptions& options = parsed.options;
    if (int{options.absent} + int{options.silent} + int{options.garbage} > 1) {
        return fail("--absent, --silent and --garbage exclude each other");
    }
    return parsed;
}

std::size_t CountLeadingSimOptions(std::span<const std::string_view> args) {
    std::size_t count = 0;
    while (count < args.size()) {
        const std::string_view arg = args[count];
        const std::string_view name = arg.substr(0, arg.find('='));
        if (name == "--colour" || name == "--leds") {
            count += name.size() == arg.size() ? 2 : 1;
        } else if (arg == "--absent" || arg == "--silent" || arg == "--flood" ||
                   arg == "--garbage") {
            ++count;
        } else {
            break;
        }
    }
    return std::min(count, args.size());
}

std::string SimOptionLines() {
    return "  --colour R,G,B  colour the controller holds at start (each 0 to 255; 61,69,255)\n"
           "  --leds N        LED count the controller holds at start (0 to 255; 30)\n"
           "  --absent        no controller on the bus\n"
           "  --silent        a controller that never answers\n"
           "  --flood         a controller that sends unasked input reports all the time\n"
           "  --garbage       a controller that answers its queries with random bytes\n";
}

std::string SimUsage(std::string_view programName) {
    std::string text = "Usage: ";
    text += programName;
    text +=
        " [options]\n"
        "Runs the lighting utility against an emulated controller and prints every report that\n"
        "crosses the link as one line: \"write \" or \"read \" and the 65 bytes in hex.\n"
        "\n"
        "Options:\n";
    text += SimOptionLines();
    text +=
        "  --help          show this text and exit\n"
        "\n"
        "Signals: SIGUSR1 unplugs the controller (every I/O on it then fails), SIGUSR2 plugs it\n"
        "back in as a new interface.\n";
    return text;
}

}  // namespace sim
