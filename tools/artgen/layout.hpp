// Where the printed parts of the skins lie: the control positions of the main window and of the
// LED quantity popup, which the artwork lines up with.
#pragma once

namespace art {

struct Box {
    int left;
    int top;
    int right;  // exclusive
    int bottom;
};

// Main window.
inline constexpr Box kPictureArea{18, 14, 562, 320};
inline constexpr Box kTitlePlate{18, 14, 216, 50};
inline constexpr Box kArgbButton{408, 29, 480, 61};
inline constexpr Box kVrgbButton{483, 29, 553, 61};
inline constexpr Box kDevicesPlate{404, 68, 557, 97};
inline constexpr Box kLedPlate{404, 100, 553, 138};
inline constexpr Box kLedQtyButton{529, 108, 546, 124};
inline constexpr Box kSyncPlate{32, 285, 168, 318};
inline constexpr Box kSyncSwitch{125, 294, 159, 313};
inline constexpr Box kEffectPanel{18, 324, 562, 530};
inline constexpr int kEffectColumnX = 37;  // column c at x = 37 + 63 c
inline constexpr int kEffectRowY[3] = {330, 392, 455};
inline constexpr Box kColorCard{572, 38, 792, 530};
inline constexpr Box kWheel{584, 45, 755, 216};
inline constexpr Box kPreview{585, 273, 645, 330};
inline constexpr int kSwatchX[4] = {653, 686, 719, 752};
inline constexpr int kSwatchY[2] = {273, 302};
inline constexpr int kSliderX = 586;
inline constexpr int kSliderY[3] = {363, 403, 443};  // red, green, blue
inline constexpr Box kValueBox[3] = {
    {743, 358, 781, 378}, {743, 398, 781, 418}, {743, 438, 781, 458}};
inline constexpr Box kApply{586, 474, 780, 523};
inline constexpr Box kLanguagePill{642, 3, 733, 28};
inline constexpr Box kMinimize{737, 3, 761, 31};
inline constexpr Box kClose{765, 3, 789, 31};

// LED quantity popup.
inline constexpr Box kPopupSlider{49, 106, 292, 122};
inline constexpr Box kPopupReset{49, 146, 163, 178};
inline constexpr Box kPopupOk{178, 146, 292, 178};
inline constexpr Box kPopupNumberChinese{210, 66, 237, 84};
inline constexpr Box kPopupNumberEnglish{237, 64, 262, 84};

}  // namespace art
