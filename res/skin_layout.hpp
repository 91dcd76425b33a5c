// The skin bitmaps' resource IDs and the places of the controls on the main window and the LED
// quantity popup: the windows create their controls from these, the art generator lines its
// artwork up with them, and the tests click at them.
#pragma once

#include <array>
#include <cstddef>

namespace skin {

struct Place {
    int x;
    int y;
};

// The button images of effect e (1 to 24): selected, unselected and, for the ARGB-only effects 8
// to 24, greyed.
constexpr int EffectSelectedId(int effect) {
    return effect <= 7 ? 129 + 2 * effect : 145 + 3 * (effect - 8);
}
constexpr int EffectUnselectedId(int effect) {
    return effect <= 7 ? 130 + 2 * effect : 147 + 3 * (effect - 8);
}
constexpr int EffectGreyedId(int effect) {
    return effect <= 7 ? 0 : 146 + 3 * (effect - 8);
}

// The unselected images of presetButtons[0] to [7]; the selected image is the next ID.
inline constexpr std::array<int, 8> kSwatchImages{208, 214, 218, 216, 220, 212, 210, 222};

// Main window.
inline constexpr int kEffectColumnX = 37;  // column c (0 to 7) at x = 37 + 63 c
inline constexpr int kEffectColumnStep = 63;
inline constexpr std::array<int, 3> kEffectRowY{330, 392, 455};
constexpr Place EffectButton(int index) {  // effectButtons[index], eight to a row
    return {kEffectColumnX + kEffectColumnStep * (index % 8),
            kEffectRowY[static_cast<std::size_t>(index / 8)]};
}
inline constexpr std::array<int, 4> kSwatchX{653, 686, 719, 752};
inline constexpr std::array<int, 2> kSwatchY{273, 302};
constexpr Place SwatchButton(int index) {  // presetButtons[index], four to a row
    return {kSwatchX[static_cast<std::size_t>(index % 4)],
            kSwatchY[static_cast<std::size_t>(index / 4)]};
}
inline constexpr int kSliderX = 586;
inline constexpr std::array<int, 3> kSliderY{363, 403, 443};  // red, green, blue
inline constexpr int kSliderWidth = 132;
inline constexpr int kSliderHeight = 12;
inline constexpr Place kColorWheel{584, 45};
inline constexpr Place kApplyButton{586, 474};
inline constexpr Place kSyncButton{125, 294};
inline constexpr Place kArgbButton{408, 29};
inline constexpr Place kVrgbButton{483, 29};
inline constexpr Place kMinimizeButton{737, 3};
inline constexpr Place kCloseButton{765, 3};
inline constexpr Place kLedQtyButton{529, 108};

// LED quantity popup.
inline constexpr Place kPopupSlider{49, 106};
inline constexpr int kPopupSliderWidth = 243;
inline constexpr int kPopupSliderHeight = 16;
inline constexpr Place kPopupReset{49, 146};
inline constexpr Place kPopupOk{178, 146};
inline constexpr Place kPopupDismiss{309, 11};

}  // namespace skin
