// The main window's buttons: window buttons, channel buttons, the synchronize switch, the Apply
// plate, the preset swatches and the small arrow.
#include <algorithm>

#include "tools/artgen/kit.hpp"
#include "tools/artgen/layout.hpp"
#include "tools/artgen/palette.hpp"
#include "tools/artgen/pieces.hpp"
#include "tools/artgen/text.hpp"

namespace art {

namespace {

Canvas OnSkin(const Box& b, int scale) {
    return Crop(MainSkin(scale), b.left, b.top, b.right - b.left, b.bottom - b.top);
}

}  // namespace

Canvas DrawWindowButton(bool close, bool hot, int scale) {
    Canvas c = OnSkin(close ? kClose : kMinimize, scale);
    const auto face = [](double x, double y) { return SdRoundRect(x, y, 1, 3, 23, 25, 6); };
    if (hot) {
        Fill(c, face, close ? Rgb{214, 40, 56} : Rgb{36, 78, 118});
        Stroke(c, face, 1, close ? Rgb{255, 110, 120} : Rgb{70, 130, 180});
    }
    const Rgb ink = hot ? kWhite : Rgb{170, 196, 218};
    if (close) {
        Fill(
            c,
            [](double x, double y) {
                return SdSegment(x, y, {7.5, 9.5}, {16.5, 18.5}, 1.1);
            },
            ink);
        Fill(
            c,
            [](double x, double y) {
                return SdSegment(x, y, {16.5, 9.5}, {7.5, 18.5}, 1.1);
            },
            ink);
    } else {
        Fill(
            c,
            [](double x, double y) {
                return SdSegment(x, y, {7, 17}, {17, 17}, 1.1);
            },
            ink);
    }
    return c;
}

Canvas DrawChannelButton(bool vrgb, bool selected, int scale) {
    Canvas c = OnSkin(vrgb ? kVrgbButton : kArgbButton, scale);
    const double w = c.width();
    const auto face = [w](double x, double y) { return SdRoundRect(x, y, 1, 1, w - 1, 31, 8); };
    if (selected) {
        PaintFace(c, face, 1, 31, {{0, 150, 230}, {0, 84, 170}, 1.5, {120, 220, 255}});
    } else {
        PaintFace(c, face, 1, 31, {{24, 48, 76}, {14, 30, 52}, 1, {52, 92, 130}});
    }
    // An LED dot: a rainbow for the addressable 5 V channel, one colour for the 12 V channel.
    const double dx = 13;
    for (int i = 0; i < 3; ++i) {
        const Rgb led = vrgb ? Rgb{255, 80, 200} : HueColor(i * 120.0);
        const double lx = dx + (i - 1) * 5.0;
        const auto dot = [lx](double x, double y) { return SdCircle(x, y, lx, 16, 1.8); };
        Fill(c, dot, selected ? Mix(led, kWhite, 0.3) : Scale(led, 0.55));
    }
    TextLook label;
    label.paint = Solid(selected ? kWhite : Rgb{150, 178, 204});
    label.shadowStrength = 0.5;
    if (selected) {
        label.glow = {160, 230, 255};
        label.glowStrength = 0.3;
    }
    Print(c, vrgb ? L"12V" : L"5V", {L"Arial", 16, true}, w / 2 + 7, 16, Align::Center, label);
    return c;
}

Canvas DrawSyncSwitch(bool on, int scale) {
    Canvas c = OnSkin(kSyncSwitch, scale);
    const auto track = [](double x, double y) { return SdRoundRect(x, y, 1, 1.5, 33, 17.5, 8); };
    if (on) {
        Glow(c, track, 4, kAccent, 0.4);
        PaintFace(c, track, 1, 18, {{0, 170, 240}, {0, 110, 200}, 1, {130, 225, 255}});
    } else {
        PaintFace(c, track, 1, 18, {{6, 12, 20}, {18, 30, 44}, 1, {60, 84, 108}});
    }
    const double kx = on ? 24.5 : 9.5;
    const auto knob = [kx](double x, double y) { return SdCircle(x, y, kx, 9.5, 6); };
    Glow(c, knob, 3, {0, 0, 0}, 0.4);
    Fill(c, knob,
         Radial(kx - 2, 7, 8, {255, 255, 255}, on ? Rgb{210, 236, 250} : Rgb{150, 164, 180}));
    return c;
}

Canvas DrawApplyPlate(bool hot, int scale) {
    Canvas c = OnSkin(kApply, scale);
    const auto face = [](double x, double y) { return SdRoundRect(x, y, 1, 1, 193, 48, 12); };
    if (hot) {
        PaintFace(c, face, 1, 48, {{0, 128, 210}, {0, 70, 150}, 1.5, {120, 220, 255}});
    } else {
        PaintFace(c, face, 1, 48, {{0, 96, 170}, {0, 50, 112}, 1, {50, 150, 220}});
    }
    // A sheen over the upper half.
    Fill(
        c, [](double x, double y) { return SdRoundRect(x, y, 3, 3, 191, 22, 10); },
        Vertical(3, 22, {255, 255, 255}, {120, 200, 255}), hot ? 0.16 : 0.1);
    return c;
}

Canvas DrawPresetSwatch(Rgb color, bool selected, int scale) {
    // Any position of the grid: swatches differ only in their colour.
    Canvas c = Crop(MainSkin(scale), kSwatchX[0], kSwatchY[0], 29, 28);
    const auto outer = [](double x, double y) { return SdRoundRect(x, y, 1, 1, 28, 27, 6); };
    const auto inner = [](double x, double y) { return SdRoundRect(x, y, 4, 4, 25, 24, 4); };
    if (selected) {
        Glow(c, outer, 3, kAccent, 0.6);
        Fill(c, outer, {240, 250, 255});
        Fill(c, [](double x, double y) { return SdRoundRect(x, y, 2.5, 2.5, 26.5, 25.5, 5); },
             {6, 14, 20});
    } else {
        Fill(c, outer, {40, 62, 78});
        Fill(c, [](double x, double y) { return SdRoundRect(x, y, 2, 2, 27, 26, 5); }, {6, 14, 20});
    }
    Fill(c, inner, Vertical(4, 24, Mix(color, kWhite, 0.18), Scale(color, 0.88)));
    return c;
}

Canvas DrawArrow(bool hot, int scale) {
    // Used on two different plates, so its rounded corners are cut out rather than blended.
    Canvas c(17, 16, Rgb{0, 20, 64}, scale);
    const auto chip = [](double x, double y) { return SdRoundRect(x, y, 0, 0, 17, 16, 4); };
    Fill(c, chip,
         Vertical(0, 16, hot ? Rgb{0, 120, 200} : Rgb{24, 60, 110},
                  hot ? Rgb{0, 80, 160} : Rgb{10, 36, 80}));
    Fill(
        c,
        [](double x, double y) {
            return SdPolygon(x, y, {{4.5, 6}, {12.5, 6}, {8.5, 11}});
        },
        hot ? kWhite : Rgb{170, 210, 240});
    CutCorners(c, 4);
    return c;
}

}  // namespace art
