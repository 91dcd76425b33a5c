// One drawing function per kind of picture the program loads.
#pragma once

#include "tools/artgen/canvas.hpp"

namespace art {

enum class Look { Unselected, Selected, Greyed };

Canvas DrawSkin();                                        // 130
Canvas DrawEffectIcon(int effect, Look look, int width);  // 131..195, effect 1..24
Canvas DrawWindowButton(bool close, bool hot);            // 196..199
Canvas DrawChannelButton(bool vrgb, bool selected);       // 200..203
Canvas DrawSyncSwitch(bool on);                           // 204, 205
Canvas DrawApplyPlate(bool hot);                          // 206, 207
Canvas DrawPresetSwatch(Rgb color, bool selected);        // 208..223
Canvas DrawColorWheel();                                  // 227
Canvas DrawColorTrack(
    int slider);  // 0 red, 1 green, 2 blue                         // 228, 231, 232
Canvas DrawColorThumb(Rgb color);           // 233, 236, 237
Canvas DrawQuantityTrack(bool filled);      // 245, 246
Canvas DrawQuantityThumb();                 // 247
Canvas DrawPopupSkin(bool chinese);         // 240, 250
Canvas DrawPopupButton(bool ok, bool hot);  // 241..244
Canvas DrawArrow(bool hot);                 // 248, 249
Canvas DrawAppIcon();                       // icon 128

}  // namespace art
