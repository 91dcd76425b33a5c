// Slider tracks and thumbs. The colour tracks are the skin's own coloured lines; the thumbs are
// bars whose top and bottom rows carry their transparent key colour.
#include "tools/artgen/kit.hpp"
#include "tools/artgen/layout.hpp"
#include "tools/artgen/palette.hpp"
#include "tools/artgen/pieces.hpp"

namespace art {

Canvas DrawColorTrack(int slider, int scale) {
    return Crop(MainSkin(scale), kSliderX, kSliderY[slider], 132, 12);
}

Canvas DrawColorThumb(Rgb color, int scale) {
    Canvas c(3, 12, kThumbKey, scale);
    for (int y = 1; y < 11; ++y) {
        c.Set(0, y, Scale(color, 0.85));
        c.Set(1, y, Mix(color, kWhite, 0.75));
        c.Set(2, y, Scale(color, 0.85));
    }
    return c;
}

Canvas DrawQuantityTrack(bool filled, int scale) {
    const Box& s = kPopupSlider;
    Canvas c = Crop(PopupSkin(false, scale), s.left, s.top, s.right - s.left, s.bottom - s.top);
    if (filled) {
        const auto groove = [](double x, double y) { return SdRoundRect(x, y, 2, 5, 241, 11, 3); };
        Glow(c, groove, 4, kAccent, 0.35);
        Fill(c, groove, [](double x, double) {
            return Mix(Rgb{0, 140, 230}, Rgb{60, 220, 255}, x / 243);
        });
    }
    return c;
}

Canvas DrawQuantityThumb(int scale) {
    // The corners outside the rounded knob show the popup's face colour at the slider.
    const Box& s = kPopupSlider;
    Canvas c = Crop(PopupSkin(false, scale), s.left, s.top, 9, 16);
    const auto knob = [](double x, double y) { return SdRoundRect(x, y, 0.5, 0.5, 8.5, 15.5, 4); };
    Fill(c, knob, Vertical(0, 16, {250, 252, 255}, {190, 214, 232}));
    Stroke(c, knob, 1, {0, 150, 230});
    c.FillRect(3, 6, 6, 7, {0, 150, 230});
    c.FillRect(3, 9, 6, 10, {0, 150, 230});
    c.Set(0, 0, kQuantityThumbKey);
    return c;
}

}  // namespace art
