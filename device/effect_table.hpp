// The lighting effects, numbered 1 to 24 in the order of the effect buttons, and the controller
// mode and mode parameter each one is sent as on the two channels.
#pragma once

#include <string_view>

#include "platform/wintypes.hpp"

inline constexpr int kEffectCount = 24;
inline constexpr int kVrgbEffectCount = 7;  // effects 1 to 7 exist on both channels

// The effect's English label (its tooltip), empty outside 1 to 24.
std::wstring_view EffectLabel(int effect);

// The effect that the ARGB channel runs in a mode (the modes of the 24 effects differ); 0 for a
// mode no effect has, mode 0 among them.
int EffectOfArgbMode(BYTE mode);

// The controller mode of an effect; 0 when the channel has no such effect.
BYTE ArgbMode(int effect);
BYTE VrgbMode(int effect);

// The mode parameter that goes with a mode.
BYTE ArgbParameter(BYTE mode);
BYTE VrgbParameter(BYTE mode);
