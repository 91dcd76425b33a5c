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

// left, top, right and bottom; the right and bottom edges lie outside.
struct Area {
    int left;
    int top;
    int right;
    int bottom;
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

// The other bitmaps. Where a button has a hover image, it is the ID after its normal image.
inline constexpr int kAppIconImage = 128;
inline constexpr int kMainSkinImage = 130;
inline constexpr int kCloseImage = 196;  // also the popup's hidden dismiss button
inline constexpr int kMinimizeImage = 198;
inline constexpr int kArgbOffImage = 200;  // ARGB not chosen; the next ID: chosen
inline constexpr int kArgbOnImage = 201;
inline constexpr int kVrgbOffImage = 202;
inline constexpr int kVrgbOnImage = 203;
inline constexpr int kSyncOffImage = 204;
inline constexpr int kSyncOnImage = 205;
inline constexpr int kApplyImage = 206;
inline constexpr int kColorWheelImage = 227;
inline constexpr int kRedTrackImage = 228;
inline constexpr int kBlueTrackImage = 231;
inline constexpr int kGreenTrackImage = 232;
inline constexpr int kRedThumbImage = 233;
inline constexpr int kBlueThumbImage = 236;
inline constexpr int kGreenThumbImage = 237;
inline constexpr int kPopupSkinChinese = 240;
inline constexpr int kPopupResetImage = 241;
inline constexpr int kPopupOkImage = 243;
inline constexpr int kQuantityTrackImage = 245;  // the next ID: its filled part
inline constexpr int kQuantityThumbImage = 247;
inline constexpr int kArrowImage = 248;  // the LED count's and the language's arrow buttons
inline constexpr int kPopupSkinEnglish = 250;

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
inline constexpr Place kLanguageButton{710, 7};
inline constexpr Area kPreviewArea{585, 273, 645, 330};  // the swatch the window fills itself

// LED quantity popup.
inline constexpr Place kPopupSlider{49, 106};
inline constexpr int kPopupSliderWidth = 243;
inline constexpr int kPopupSliderHeight = 16;
inline constexpr Place kPopupReset{49, 146};
inline constexpr Place kPopupOk{178, 146};
inline constexpr Place kPopupDismiss{309, 11};

}  // namespace skin
