// One drawing function per kind of picture the program loads.
#pragma once

#include "tools/artgen/canvas.hpp"

namespace art {

enum class Look { Unselected, Selected, Greyed };

// Bitmaps() in catalog.cpp says which resource each drawing is.
Canvas DrawSkin();
Canvas DrawEffectIcon(int effect, Look look, int width);  // effect 1 to 24
Canvas DrawWindowButton(bool close, bool hot);
Canvas DrawChannelButton(bool vrgb, bool selected);
Canvas DrawSyncSwitch(bool on);
Canvas DrawApplyPlate(bool hot);
Canvas DrawPresetSwatch(Rgb color, bool selected);
Canvas DrawColorWheel();
Canvas DrawColorTrack(int slider);  // 0 red, 1 green, 2 blue
Canvas DrawColorThumb(Rgb color);
Canvas DrawQuantityTrack(bool filled);
Canvas DrawQuantityThumb();
Canvas DrawPopupSkin(bool chinese);
Canvas DrawPopupButton(bool ok, bool hot);
Canvas DrawArrow(bool hot);
Canvas DrawAppIcon();

}  // namespace art
