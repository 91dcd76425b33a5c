// The LED quantity popup: its two skins (Chinese 240, English 250) and its two buttons.
#include <cmath>

#include "tools/artgen/kit.hpp"
#include "tools/artgen/layout.hpp"
#include "tools/artgen/palette.hpp"
#include "tools/artgen/pieces.hpp"
#include "tools/artgen/text.hpp"

namespace art {

namespace {

constexpr Rgb kPopupFace{12, 28, 48};
constexpr Rgb kNumberBox{232, 240, 247};

Distance BoxShape(const Box& b, double radius, double grow) {
    return [=](double x, double y) {
        return SdRoundRect(x, y, b.left - grow, b.top - grow, b.right + grow, b.bottom + grow,
                           radius);
    };
}

}  // namespace

Canvas DrawPopupSkin(bool chinese, int scale) {
    Canvas c(340, 195, kPopupFace, scale);
    Fill(
        c, [](double, double) { return -1.0; }, Vertical(0, 195, {18, 42, 70}, {8, 20, 36}));
    // Title band and its accent line.
    Fill(
        c, [](double x, double y) { return SdRoundRect(x, y, 0, 0, 340, 44, 0); },
        Vertical(0, 44, {22, 56, 94}, {14, 36, 64}));
    Fill(
        c,
        [](double x, double y) {
            return SdSegment(x, y, {14, 44.5}, {326, 44.5}, 0.6);
        },
        kAccent, 0.8);
    TextLook titleLook;
    titleLook.paint = Vertical(12, 32, {255, 255, 255}, {170, 225, 255});
    titleLook.shadowStrength = 0.7;
    titleLook.glow = {0, 160, 255};
    titleLook.glowStrength = 0.2;
    Print(c, chinese ? L"5V ARGB设备灯数设置" : L"5V ARGB Devices LED Qty Setting",
          {L"Arial", chinese ? 16 : 15, true}, 20, 23, Align::Left, titleLook);
    // The caption, then the light box the program prints the count in.
    const Box number = chinese ? Box{204, 62, 242, 87} : Box{235, 61, 271, 87};
    TextLook caption;
    caption.paint = Solid({214, 232, 246});
    caption.shadowStrength = 0.6;
    Print(c, chinese ? L"当前灯数：" : L"Current Quantity :", {L"Arial", chinese ? 15 : 14, true},
          number.left - 8, (number.top + number.bottom) / 2.0, Align::Right, caption);
    Fill(c, BoxShape(number, 5, 0), kNumberBox);
    Stroke(c, BoxShape(number, 5, 0), 1, {120, 180, 220});
    // The ends of the range under the slider.
    TextLook ends;
    ends.paint = Solid({130, 170, 200});
    Print(c, L"4", {L"Arial", 11, true}, kPopupSlider.left + 3, kPopupSlider.bottom + 9,
          Align::Left, ends);
    Print(c, L"64", {L"Arial", 11, true}, kPopupSlider.right - 3, kPopupSlider.bottom + 9,
          Align::Right, ends);
    // The slider's groove and the buttons' sockets.
    const auto groove = [](double x, double y) {
        const Box& s = kPopupSlider;
        return SdRoundRect(x, y, s.left + 2, s.top + 5, s.right - 2, s.top + 11, 3);
    };
    Fill(c, groove, {4, 10, 18});
    Stroke(c, groove, 1, {40, 70, 100});
    for (const Box& b : {kPopupReset, kPopupOk}) {
        Fill(c, BoxShape(b, 10, 2), {5, 12, 22});
        Stroke(c, BoxShape(b, 10, 2), 1, {34, 64, 94});
    }
    // Outline, then the rounded corners cut out with white.
    Stroke(c, [](double x, double y) { return SdRoundRect(x, y, 0, 0, 340, 195, 14); }, 1.5,
           {70, 130, 190});
    CutCorners(c, 14);
    return c;
}

Canvas DrawPopupButton(bool ok, bool hot, int scale) {
    const Box& b = ok ? kPopupOk : kPopupReset;
    Canvas c = Crop(PopupSkin(false, scale), b.left, b.top, 114, 32);
    const auto face = [](double x, double y) { return SdRoundRect(x, y, 1, 1, 113, 31, 9); };
    if (ok) {
        Fill(c, face,
             Vertical(1, 31, hot ? Rgb{0, 150, 235} : Rgb{0, 110, 190},
                      hot ? Rgb{0, 90, 180} : Rgb{0, 62, 130}));
    } else {
        Fill(c, face,
             Vertical(1, 31, hot ? Rgb{44, 84, 124} : Rgb{30, 58, 90},
                      hot ? Rgb{26, 52, 84} : Rgb{18, 36, 60}));
    }
    Stroke(c, face, hot ? 1.5 : 1, hot ? Rgb{140, 225, 255} : Rgb{60, 120, 170});
    const Rgb ink = hot ? kWhite : Rgb{200, 226, 245};
    if (ok) {
        Fill(
            c,
            [](double x, double y) {
                return std::min(SdSegment(x, y, {47, 16}, {54, 23}, 1.8),
                                SdSegment(x, y, {54, 23}, {67, 9}, 1.8));
            },
            ink);
    } else {
        // Circular arrow: three quarters of a ring with an arrowhead at its end.
        Fill(
            c,
            [](double x, double y) {
                const double ringD = SdRing(x, y, 57, 16, 8, 1.6);
                const bool gap = x > 57 && y < 16;  // the open quarter, upper right
                return gap ? std::max(ringD, 1.0) : ringD;
            },
            ink);
        Fill(
            c,
            [](double x, double y) {
                return SdPolygon(x, y, {{61, 3.5}, {61, 12.5}, {66.5, 8}});
            },
            ink);
    }
    return c;
}

}  // namespace art
