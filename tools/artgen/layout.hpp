// Where the printed parts of the skins lie: the control positions of the main window and of the
// LED quantity popup, which the artwork lines up with.
#pragma once

#include "res/skin_layout.hpp"

namespace art {

using Box = skin::Area;

constexpr Box BoxAt(skin::Place at, int width, int height) {
    return {at.x, at.y, at.x + width, at.y + height};
}

// Main window.
inline constexpr Box kPictureArea{18, 14, 562, 320};
inline constexpr Box kTitlePlate{18, 14, 216, 50};
inline constexpr Box kArgbButton = BoxAt(skin::kArgbButton, 72, 32);
inline constexpr Box kVrgbButton = BoxAt(skin::kVrgbButton, 70, 32);
inline constexpr Box kDevicesPlate{404, 68, 557, 97};
inline constexpr Box kLedPlate{404, 100, 553, 138};
inline constexpr Box kLedQtyButton = BoxAt(skin::kLedQtyButton, 17, 16);
inline constexpr Box kSyncPlate{32, 285, 168, 318};
inline constexpr Box kSyncSwitch = BoxAt(skin::kSyncButton, 34, 19);
inline constexpr Box kEffectPanel{18, 324, 562, 530};
using skin::kEffectColumnX;
using skin::kEffectRowY;
inline constexpr Box kColorCard{572, 38, 792, 530};
inline constexpr Box kWheel = BoxAt(skin::kColorWheel, 171, 171);
inline constexpr Box kPreview = skin::kPreviewArea;
using skin::kSliderX;
using skin::kSliderY;
using skin::kSwatchX;
using skin::kSwatchY;
inline constexpr Box kValueBox[3] = {
    {743, 358, 781, 378}, {743, 398, 781, 418}, {743, 438, 781, 458}};
inline constexpr Box kApply = BoxAt(skin::kApplyButton, 194, 49);
inline constexpr Box kLanguagePill{642, 3, 733, 28};
inline constexpr Box kMinimize = BoxAt(skin::kMinimizeButton, 24, 28);
inline constexpr Box kClose = BoxAt(skin::kCloseButton, 24, 28);

// LED quantity popup.
inline constexpr Box kPopupSlider =
    BoxAt(skin::kPopupSlider, skin::kPopupSliderWidth, skin::kPopupSliderHeight);
inline constexpr Box kPopupReset = BoxAt(skin::kPopupReset, 114, 32);
inline constexpr Box kPopupOk = BoxAt(skin::kPopupOk, 114, 32);

}  // namespace art
