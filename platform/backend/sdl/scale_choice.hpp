// The integer factor by which the program's windows are drawn larger on a high-density screen,
// chosen once at start from the environment and the desktop's settings.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::sdl {

inline constexpr int kMaxScale = 4;

// A scale factor written as a whole number from 1 to kMaxScale (decimal digits only); none for
// anything else.
std::optional<int> ParseScale(std::string_view text);

struct ScaleChoice {
    int factor = 1;
    // One line for each value that was set but is not a scale factor (it was ignored).
    std::vector<std::string> ignored;
};

// The first valid factor of: `own` (the program's own VESPANE_RGB_SCALE), `gdk` (GDK_SCALE), the
// desktop's Gdk/WindowScalingFactor (asked of `desktop` only when neither variable gives one);
// else 1. A variable that is unset (null) or empty counts as not given.
ScaleChoice ChooseScale(const char* own, const char* gdk,
                        const std::function<std::optional<long long>()>& desktop);

}  // namespace platform::sdl
