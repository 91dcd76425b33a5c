// Where things are on the LED quantity popup: skins, child controls, the number and the area
// repainted when it changes.
#pragma once

#include "platform/wintypes.hpp"
#include "res/skin_layout.hpp"

namespace numdlg {

inline constexpr UINT kSkinChinese = skin::kPopupSkinChinese;
inline constexpr UINT kSkinEnglish = skin::kPopupSkinEnglish;

inline constexpr UINT kResetNormal = skin::kPopupResetImage;
inline constexpr UINT kResetHot = skin::kPopupResetImage + 1;
inline constexpr UINT kOkNormal = skin::kPopupOkImage;
inline constexpr UINT kOkHot = skin::kPopupOkImage + 1;
inline constexpr UINT kDismissNormal = skin::kCloseImage;
inline constexpr UINT kDismissHot = skin::kCloseImage + 1;
inline constexpr UINT kSliderThumb = skin::kQuantityThumbImage;

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
