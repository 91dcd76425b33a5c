// The simulator's command line: the emulated controller's starting state, its absence, or the way
// it misbehaves.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace sim {

// What the emulated controller holds when the command line says nothing.
inline constexpr std::array<std::uint8_t, 3> kDefaultColour{61, 69, 255};
inline constexpr int kDefaultLeds = 30;

struct SimOptions {
    std::optional<std::array<std::uint8_t, 3>> colour;  // red, green, blue held by the controller
    std::optional<int> leds;                            // LED count held by the controller
    bool absent = false;                                // no controller on the bus
    bool silent = false;                                // a controller that never answers
    bool flood = false;    // a controller that sends unasked input reports all the time
    bool garbage = false;  // a controller that answers its queries with random bytes
    bool help = false;
};

struct ParsedOptions {
    SimOptions options;
    std::string error;  // empty when the command line was understood
};

// Parses the arguments after the program name.
ParsedOptions ParseSimOptions(std::span<const std::string_view> args);

// How many of the leading arguments are simulator options (with their values): the command-line
// companion's twin takes these before its command.
std::size_t CountLeadingSimOptions(std::span<const std::string_view> args);

// The lines of --help that describe the options.
std::string SimOptionLines();

// The text printed for --help (and after an error).
std::string SimUsage(std::string_view programName);

}  // namespace sim
