// Where things are on the LED quantity popup: skins, child controls, the number and the area
// repainted when it changes.
#pragma once

#include "platform/wintypes.hpp"

namespace numdlg {

inline constexpr UINT kSkinChinese = 240;
inline constexpr UINT kSkinEnglish = 250;

inline constexpr UINT kResetNormal = 241;
inline constexpr UINT kResetHot = 242;
inline constexpr UINT kOkNormal = 243;
inline constexpr UINT kOkHot = 244;
inline constexpr UINT kDismissNormal = 196;
inline constexpr UINT kDismissHot = 197;
inline constexpr UINT kSliderThumb = 247;

inline constexpr UINT kResetId = 1500;
inline constexpr UINT kOkId = 1501;
inline constexpr UINT kDismissId = 1502;
inline constexpr UINT kSliderId = 1503;

inline constexpr int kMinimumCount = 4;
inline constexpr int kMaximumCount = 64;
inline constexpr int kResetCount = 8;

// The number, and the area repainted when the slider moves, by language.
inline constexpr POINT kNumberChinese{210, 65};
inline constexpr POINT kNumberEnglish{245, 67};
inline constexpr RECT kNumberAreaChinese{210, 66, 237, 84};
inline constexpr RECT kNumberAreaEnglish{237, 64, 262, 84};

// Points below this distance from the popup's top drag the popup (all of it: it is 195 high).
inline constexpr int kDragDepth = 500;

}  // namespace numdlg
