// Numbers and colours as a user types them on a command line: the companion's and the
// simulators' options share these readings.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace ctl {

// A whole decimal number in [low, high], nothing before or after it.
std::optional<int> ParseWholeNumber(std::string_view text, int low, int high);

// "R,G,B" with each part a whole number from 0 to 255.
std::optional<std::array<std::uint8_t, 3>> ParseRgb(std::string_view text);

}  // namespace ctl
