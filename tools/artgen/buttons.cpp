#include "tools/artgen/palette.hpp"
#include "tools/artgen/pieces.hpp"
#include "tools/artgen/shapes.hpp"

namespace art {

Canvas DrawWindowButton(bool close, bool hot) {
    Canvas c(24, 28, kPanel);
    const Rgb ink = hot ? (close ? Rgb{255, 80, 80} : kAccent) : kText;
    if (close) {
        Fill(
            c,
            [](double x, double y) {
                return SdSegment(x, y, {7, 9}, {17, 19}, 1);
            },
            ink);
        Fill(
            c,
            [](double x, double y) {
                return SdSegment(x, y, {17, 9}, {7, 19}, 1);
            },
            ink);
    } else {
        Fill(
            c,
            [](double x, double y) {
                return SdSegment(x, y, {7, 18}, {17, 18}, 1);
            },
            ink);
    }
    return c;
}

Canvas DrawChannelButton(bool vrgb, bool selected) {
    Canvas c(vrgb ? 70 : 72, 32, kPanel);
    const int w = c.width();
    Fill(
        c, [w](double x, double y) { return SdRoundRect(x, y, 1, 1, w - 1, 31, 8); },
        selected ? kAccent : kPlate);
    return c;
}

Canvas DrawSyncSwitch(bool on) {
    Canvas c(34, 19, kPanel);
    Fill(
        c, [](double x, double y) { return SdRoundRect(x, y, 1, 1, 33, 18, 8.5); },
        on ? kAccent : kPlate);
    Fill(
        c, [on](double x, double y) { return SdCircle(x, y, on ? 24.5 : 9.5, 9.5, 6); }, kText);
    return c;
}

Canvas DrawApplyPlate(bool hot) {
    Canvas c(194, 49, kPanel);
    Fill(
        c, [](double x, double y) { return SdRoundRect(x, y, 1, 1, 193, 48, 10); },
        hot ? Rgb{0, 120, 190} : Rgb{0, 90, 150});
    return c;
}

Canvas DrawPresetSwatch(Rgb color, bool selected) {
    Canvas c(29, 28, kPanel);
    Fill(
        c, [](double x, double y) { return SdRoundRect(x, y, 1, 1, 28, 27, 5); },
        selected ? kWhite : Rgb{60, 80, 100});
    Fill(
        c, [](double x, double y) { return SdRoundRect(x, y, 3, 3, 26, 25, 4); }, color);
    return c;
}

Canvas DrawArrow(bool hot) {
    Canvas c(17, 16, kPlate);
    Fill(
        c,
        [](double x, double y) {
            return SdPolygon(x, y, {{4, 5}, {13, 5}, {8.5, 11}});
        },
        hot ? kAccent : kText);
    return c;
}

}  // namespace art
