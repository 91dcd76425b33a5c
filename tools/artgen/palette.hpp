// The colours the artwork shares.
#pragma once

#include "tools/artgen/canvas.hpp"

namespace art {

inline constexpr Rgb kPanel{13, 29, 37};  // the panel; also the colour outside the wheel's disc
inline constexpr Rgb kAccent{0, 190, 255};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kThumbKey{8, 8, 8};                // transparent rows of the colour thumbs
inline constexpr Rgb kQuantityThumbKey{252, 253, 255};  // transparent corner of 247

}  // namespace art
