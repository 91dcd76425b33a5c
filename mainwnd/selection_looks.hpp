// The selected and unselected images of the selectable buttons.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "mainwnd/lighting_state.hpp"

struct SelectionImages {
    UINT unselected;
    UINT selected;
};

struct PresetSwatch {
    std::int32_t colorPreset;  // the preset numbers are not in screen order
    SelectionImages images;
};

// presetButtons[0] to [7].
inline constexpr std::array<PresetSwatch, kPresetCount> kPresetSwatches{{
    {4, {208, 209}},
    {3, {214, 215}},
    {2, {218, 219}},
    {7, {216, 217}},
    {1, {220, 221}},
    {5, {212, 213}},
    {6, {210, 211}},
    {8, {222, 223}},
}};

// The images of the button of effect e (1 to 24).
constexpr SelectionImages EffectImages(std::int32_t e) {
    if (e <= 7) {
        return {static_cast<UINT>(130 + 2 * e), static_cast<UINT>(129 + 2 * e)};
    }
    return {static_cast<UINT>(147 + 3 * (e - 8)), static_cast<UINT>(145 + 3 * (e - 8))};
}

struct ChannelLooks {
    UINT argb;
    UINT vrgb;
};
inline constexpr ChannelLooks kArgbChosenLooks{201, 202};
inline constexpr ChannelLooks kVrgbChosenLooks{200, 203};

inline constexpr UINT kSyncOffImage = 204;
