#include "cli/value_text.hpp"

#include <charconv>

namespace ctl {

std::optional<int> ParseWholeNumber(std::string_view text, int low, int high) {
    int value = 0;
    const char* const end = text.data() + text.size();
    const auto [next, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || next != end || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::array<std::uint8_t, 3>> ParseRgb(std::string_view text) {
    std::array<std::uint8_t, 3> colour{};
    for (std::size_t i = 0; i < colour.size(); ++i) {
        const bool last = i + 1 == colour.size();
        const std::size_t comma = text.find(',');
        if (last != (comma == std::string_view::npos)) return std::nullopt;
        const auto value = ParseWholeNumber(text.substr(0, comma), 0, 255);
        if (!value) return std::nullopt;
        colour[i] = static_cast<std::uint8_t>(*value);
        if (!last) text.remove_prefix(comma + 1);
    }
    return colour;
}

}  // namespace ctl
