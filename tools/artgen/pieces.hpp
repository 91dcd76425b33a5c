// One drawing function per kind of picture the program loads.
#pragma once

#include "tools/artgen/canvas.hpp"

namespace art {

enum class Look { Unselected, Selected, Greyed };

// Bitmaps() in catalog.cpp says which resource each drawing is. Each is drawn at the given scale
// (canvas.hpp): the same picture with scale x scale device pixels for each of its own.
Canvas DrawSkin(int scale);
Canvas DrawEffectIcon(int effect, Look look, int width, int scale);  // effect 1 to 24
Canvas DrawWindowButton(bool close, bool hot, int scale);
Canvas DrawChannelButton(bool vrgb, bool selected, int scale);
Canvas DrawSyncSwitch(bool on, int scale);
Canvas DrawApplyPlate(bool hot, int scale);
Canvas DrawPresetSwatch(Rgb color, bool selected, int scale);
Canvas DrawColorWheel(int scale);
Canvas DrawColorTrack(int slider, int scale);  // 0 red, 1 green, 2 blue
Canvas DrawColorThumb(Rgb color, int scale);
Canvas DrawQuantityTrack(bool filled, int scale);
Canvas DrawQuantityThumb(int scale);
Canvas DrawPopupSkin(bool chinese, int scale);
Canvas DrawPopupButton(bool ok, bool hot, int scale);
Canvas DrawArrow(bool hot, int scale);
Canvas DrawAppIcon();  // the icon, at 1x only

}  // namespace art
