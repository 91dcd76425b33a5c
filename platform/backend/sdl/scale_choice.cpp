#include "platform/backend/sdl/scale_choice.hpp"

#include <charconv>

namespace platform::sdl {
namespace {

std::string NotAScale(std::string_view source, std::string_view value) {
    return std::string(source) + " \"" + std::string(value) +
           "\" is not a whole number from 1 to " + std::to_string(kMaxScale) + ": ignored";
}

}  // namespace

std::optional<int> ParseScale(std::string_view text) {
    if (text.empty() || text.front() < '0' || text.front() > '9') {
        return std::nullopt;
    }
    int value = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value < 1 || value > kMaxScale) {
        return std::nullopt;
    }
    return value;
}

ScaleChoice ChooseScale(const char* own, const char* gdk,
                        const std::function<std::optional<long long>()>& desktop) {
    ScaleChoice choice;
    for (const auto& [name, value] : {std::pair{"VESPANE_RGB_SCALE", own}, {"GDK_SCALE", gdk}}) {
        if (value == nullptr || *value == '\0') {
            continue;
        }
        if (const std::optional<int> factor = ParseScale(value)) {
            choice.factor = *factor;
            return choice;
        }
        choice.ignored.push_back(NotAScale(name, value));
    }
    if (const std::optional<long long> setting = desktop()) {
        if (*setting >= 1 && *setting <= kMaxScale) {
            choice.factor = static_cast<int>(*setting);
        } else {
            choice.ignored.push_back(
                NotAScale("the desktop's Gdk/WindowScalingFactor", std::to_string(*setting)));
        }
    }
    return choice;
}

}  // namespace platform::sdl
