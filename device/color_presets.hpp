// The colours the eight preset swatches send to the controller (not the colours they are drawn
// in on screen).
#pragma once

#include "platform/wintypes.hpp"

inline constexpr int kPresetCount = 8;

struct ReportColor {
    BYTE red = 0;
    BYTE green = 0;
    BYTE blue = 0;
    friend bool operator==(const ReportColor&, const ReportColor&) = default;
};

// Preset 0 is the custom colour: the low 8 bits of the three slider positions. Presets 1 to 8 are
// fixed; any other value gives 0, 0, 0.
ReportColor PresetColor(int colorPreset, int red, int green, int blue);
