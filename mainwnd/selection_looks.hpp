// The selected and unselected images of the selectable buttons.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "mainwnd/lighting_state.hpp"
#include "res/skin_layout.hpp"

struct SelectionImages {
    UINT unselected;
    UINT selected;
};

struct PresetSwatch {
    std::int32_t colorPreset;  // the preset numbers are not in screen order
    SelectionImages images;
};

// presetButtons[0] to [7].
constexpr PresetSwatch Swatch(std::int32_t colorPreset, std::size_t button) {
    const auto image = static_cast<UINT>(skin::kSwatchImages[button]);
    return {colorPreset, {image, image + 1}};
}
inline constexpr std::array<PresetSwatch, kPresetCount> kPresetSwatches{
    Swatch(4, 0), Swatch(3, 1), Swatch(2, 2), Swatch(7, 3),
    Swatch(1, 4), Swatch(5, 5), Swatch(6, 6), Swatch(8, 7),
};

// The images of the button of effect e (1 to 24).
constexpr SelectionImages EffectImages(std::int32_t e) {
    return {static_cast<UINT>(skin::EffectUnselectedId(e)),
            static_cast<UINT>(skin::EffectSelectedId(e))};
}

struct ChannelLooks {
    UINT argb;
    UINT vrgb;
};
inline constexpr ChannelLooks kArgbChosenLooks{skin::kArgbOnImage, skin::kVrgbOffImage};
inline constexpr ChannelLooks kVrgbChosenLooks{skin::kArgbOffImage, skin::kVrgbOnImage};

inline constexpr UINT kSyncOffImage = skin::kSyncOffImage;
