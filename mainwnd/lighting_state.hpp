// The lighting state that the main window holds, its channels, the counts of the button groups,
// the start values, and the program's one synchronize flag.
#pragma once

#include <cstddef>
#include <cstdint>

#include "device/ui_language.hpp"
#include "platform/wintypes.hpp"

inline constexpr std::int32_t kChannelArgb = 1;
inline constexpr std::int32_t kChannelVrgb = 2;

inline constexpr std::size_t kPresetCount = 8;
inline constexpr std::size_t kEffectCount = 24;
// Effects 1 to 7 exist on both channels; the buttons of effects 8 to 24 are ARGB only.
inline constexpr std::size_t kFirstArgbOnlyButton = 7;

inline constexpr std::int32_t kStartEffect = 8;
inline constexpr std::int32_t kStartRed = 61;
inline constexpr std::int32_t kStartGreen = 69;
inline constexpr std::int32_t kStartBlue = 255;
inline constexpr RECT kLedCountRect{493, 107, 522, 131};

// What the user has chosen. The custom colour is not here: the three sliders' positions are its
// only store. The colour wheel keeps its own picked colour.
struct LightingState {
    std::int32_t channel = kChannelArgb;  // any other value makes "Apply" send nothing
    std::int32_t effect = kStartEffect;   // 1 to 24 in the order of the effect buttons; 0 none
    std::int32_t colorPreset = 0;         // 0 the custom colour, 1 to 8 the preset swatches
    UiLanguage language = UiLanguage::English;
    std::int32_t ledCount = 0;          // shown in the LED count label
    RECT ledCountRect = kLedCountRect;  // the label's area, repainted when the count changes
};

// syncAll, the synchronized mode: "Apply" writes the ARGB report and then the VRGB report. One per
// program run, touched only by the GUI thread. It lives in the platform context, so that a fresh
// context (each test's) starts with it off, as a program does.
bool& SyncAll();
