// Values of the lighting state that the main window holds: channels, counts of the button groups,
// the start values, and the process-wide synchronize flag.
#pragma once

#include <cstddef>
#include <cstdint>

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

// Synchronized mode: "Apply" writes the ARGB report and then the VRGB report. One per process,
// touched only by the GUI thread.
extern bool syncAll;
