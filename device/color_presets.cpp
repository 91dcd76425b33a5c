#include "device/color_presets.hpp"

#include <array>

namespace {

constexpr std::array<ReportColor, kPresetCount> kPresets{{
    {255, 255, 255},
    {255, 0, 0},
    {255, 49, 0},
    {255, 200, 0},
    {0, 255, 0},
    {0, 0, 255},
    {254, 27, 46},
    {128, 0, 128},
}};

BYTE LowByte(int value) {
    return static_cast<BYTE>(value & 0xFF);
}

}  // namespace

ReportColor PresetColor(int colorPreset, int red, int green, int blue) {
    if (colorPreset == 0) return {LowByte(red), LowByte(green), LowByte(blue)};
    if (colorPreset < 1 || colorPreset > kPresetCount) return {};
    return kPresets[static_cast<std::size_t>(colorPreset - 1)];
}
