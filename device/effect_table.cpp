#include "device/effect_table.hpp"

#include <array>

namespace {

struct Effect {
    std::wstring_view label;
    BYTE argbMode;
    BYTE vrgbMode;
};

constexpr std::array<Effect, kEffectCount> kEffects{{
    {L"ColorBreathe", 7, 2}, {L"Rainbow", 1, 1},    {L"Breathe", 8, 3}, {L"Off", 10, 7},
    {L"TwoBlink", 24, 6},    {L"Blink", 12, 5},     {L"Static", 9, 4},  {L"Vespane", 2, 0},
    {L"Sakura", 21, 0},      {L"Emergency", 22, 0}, {L"Laser", 23, 0},  {L"Marquee", 4, 0},
    {L"Twinking", 5, 0},     {L"ColorCycle", 6, 0}, {L"Meteor", 3, 0},  {L"BlackHole", 20, 0},
    {L"Aqua", 13, 0},        {L"Flare", 14, 0},     {L"Forest", 15, 0}, {L"Stary", 16, 0},
    {L"FireWork", 17, 0},    {L"Lava", 18, 0},      {L"Tetris", 19, 0}, {L"CenterMeteor", 11, 0},
}};

// Parameter by mode, index = mode.
constexpr std::array<BYTE, 25> kArgbParameters{0, 0, 3, 0, 1, 1, 7, 1, 1, 0, 0, 1, 2,
                                               1, 1, 1, 4, 6, 4, 5, 1, 0, 4, 4, 5};
constexpr std::array<BYTE, 8> kVrgbParameters{0, 0, 1, 1, 0, 2, 5, 0};

const Effect* Find(int effect) {
    if (effect < 1 || effect > kEffectCount) return nullptr;
    return &kEffects[static_cast<std::size_t>(effect - 1)];
}

}  // namespace

std::wstring_view EffectLabel(int effect) {
    const Effect* found = Find(effect);
    return found != nullptr ? found->label : std::wstring_view{};
}

int EffectOfArgbMode(BYTE mode) {
    if (mode == 0) return 0;
    for (int effect = 1; effect <= kEffectCount; ++effect) {
        if (ArgbMode(effect) == mode) return effect;
    }
    return 0;
}

BYTE ArgbMode(int effect) {
    const Effect* found = Find(effect);
    return found != nullptr ? found->argbMode : 0;
}

BYTE VrgbMode(int effect) {
    const Effect* found = Find(effect);
    return found != nullptr ? found->vrgbMode : 0;
}

BYTE ArgbParameter(BYTE mode) {
    return mode < kArgbParameters.size() ? kArgbParameters[mode] : 0;
}

BYTE VrgbParameter(BYTE mode) {
    return mode < kVrgbParameters.size() ? kVrgbParameters[mode] : 0;
}
