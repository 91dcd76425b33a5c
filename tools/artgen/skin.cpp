// The main window's skin (bitmap 130): a dark blue panel whose printed parts line up with the
// controls placed over it.
#include <cmath>

#include "tools/artgen/kit.hpp"
#include "tools/artgen/layout.hpp"
#include "tools/artgen/palette.hpp"
#include "tools/artgen/pieces.hpp"
#include "tools/artgen/showcase.hpp"
#include "tools/artgen/text.hpp"

namespace art {

namespace {

constexpr Rgb kChannelColor[3] = {{255, 40, 40}, {40, 255, 80}, {40, 110, 255}};
constexpr Rgb kCaption{118, 156, 184};

TextLook PlateText(Rgb color) {
    TextLook look;
    look.paint = Solid(color);
    look.shadowStrength = 0.6;
    return look;
}

Distance RoundBox(const Box& b, double radius, double grow = 0) {
    return [=](double x, double y) {
        return SdRoundRect(x, y, b.left - grow, b.top - grow, b.right + grow, b.bottom + grow,
                           radius);
    };
}

void DrawBackground(Canvas& c) {
    Fill(
        c, [](double, double) { return -1.0; }, Vertical(0, 540, {12, 27, 46}, {6, 14, 27}));
    // A soft blue light from the upper left and a cooler one behind the colour column.
    Fill(
        c, [](double, double) { return -1.0; },
        [](double x, double y) {
            const double d = std::hypot(x - 180, y - 120) / 520.0;
            return Mix(Rgb{20, 70, 130}, Rgb{12, 27, 46}, std::min(1.0, d));
        },
        0.35);
    // Frame of the window, one pixel in from the cut-out left column.
    Stroke(c, [](double x, double y) { return SdRoundRect(x, y, 1, 0, 799, 540, 0); }, 1,
           {44, 80, 112});
}

void DrawPictureArea(Canvas& c) {
    const Box& a = kPictureArea;
    Glow(c, RoundBox(a, 12), 8, {0, 110, 200}, 0.18);
    DrawWell(c, a.left, a.top, a.right, a.bottom, 12, {5, 12, 23}, {40, 78, 112});
    DrawShowcase(c, {a.left + 4, kTitlePlate.bottom + 2, a.right - 4, kSyncPlate.top - 2});
    // Title plate in the top-left corner, flush with the frame.
    const Box& t = kTitlePlate;
    DrawPlate(c, t.left, t.top, t.right, t.bottom,
              {{22, 64, 108}, {10, 34, 64}, {58, 120, 178}, 12});
    const auto logo = [](double x, double y) { return SdRing(x, y, 38, 32, 8, 2.2); };
    Glow(c, logo, 6, {0, 190, 255}, 0.5);
    Fill(c, logo, [](double x, double y) {
        return HueColor(std::atan2(y - 32, x - 38) * 180 / 3.14159265358979 + 180);
    });
    TextLook title;
    title.paint = Vertical(24, 40, {255, 255, 255}, {150, 220, 255});
    title.glow = {0, 170, 255};
    title.glowStrength = 0.35;
    title.shadowStrength = 0.7;
    Print(c, L"VESPANE", {L"Arial", 17, true}, 54, 32, Align::Left, title);
    TextLook rgb = title;
    rgb.paint = [](double x, double) { return Mix(HueColor((x - 145) * 8.0), kWhite, 0.15); };
    Print(c, L"RGB", {L"Arial", 17, true}, 145, 32, Align::Left, rgb);
}

void DrawChannelColumn(Canvas& c) {
    for (const Box& b : {kArgbButton, kVrgbButton})
        DrawWell(c, b.left - 3, b.top - 3, b.right + 3, b.bottom + 3, 10, {4, 10, 20},
                 {34, 64, 94});
    const Box& d = kDevicesPlate;
    DrawPlate(c, d.left, d.top, d.right, d.bottom, {{20, 50, 84}, {12, 32, 58}, {46, 96, 144}, 7});
    Print(c, L"5V Devices SEL", {L"Arial", 12, true}, d.left + 10, (d.top + d.bottom) / 2.0,
          Align::Left, PlateText({205, 226, 242}));
    // The small arrow after the caption.
    const double ax = d.right - 14;
    const double ay = (d.top + d.bottom) / 2.0;
    Fill(c,
         [=](double x, double y) {
             return SdPolygon(x, y, {{ax - 5, ay - 2.5}, {ax + 5, ay - 2.5}, {ax, ay + 3.5}});
         },
         {0, 190, 255});
    // The plate under the LED quantity caption, count and arrow button; its face is the
    // labels' own background colour so that they sit flush.
    const Box& l = kLedPlate;
    Glow(c, RoundBox(l, 7), 4, {0, 0, 0}, 0.35);
    Fill(c, RoundBox(l, 7), Rgb{0, 20, 64});
    Stroke(c, RoundBox(l, 7), 1, {40, 86, 150});
    // A thin divider between the caption and the count.
    c.FillRect(488, 107, 489, 131, {30, 62, 120});
}

void DrawSyncPlate(Canvas& c) {
    const Box& s = kSyncPlate;
    DrawPlate(c, s.left, s.top, s.right, s.bottom, {{20, 50, 84}, {12, 32, 58}, {46, 96, 144}, 8});
    // A small link symbol, then the caption.
    const double cy = (kSyncSwitch.top + kSyncSwitch.bottom) / 2.0;
    for (const double dx : {0.0, 7.0})
        Stroke(c,
               [=](double x, double y) {
                   return SdRoundRect(x, y, s.left + 12 + dx, cy - 4, s.left + 24 + dx, cy + 4, 4);
               },
               1.8, {0, 190, 255});
    Print(c, L"SYNC", {L"Arial", 14, true}, s.left + 40, cy, Align::Left,
          PlateText({214, 232, 246}));
}

void DrawEffectGrid(Canvas& c) {
    const Box& p = kEffectPanel;
    DrawPlate(c, p.left, p.top, p.right, p.bottom, {{14, 32, 54}, {10, 22, 40}, {36, 66, 96}, 12});
    for (const double y : kEffectRowY) {
        for (int col = 0; col < 8; ++col) {
            const double x = kEffectColumnX + 63 * col;
            const double w = (col == 2 || col == 4 || col == 7) ? 59 : 60;
            DrawWell(c, x, y, x + w, y + 59, 9, {5, 12, 22}, {26, 48, 72});
        }
    }
}

void DrawColorCard(Canvas& c) {
    const Box& k = kColorCard;
    Glow(c, RoundBox(k, 12), 8, {0, 0, 0}, 0.4);
    Fill(c, RoundBox(k, 12), kPanel);
    Stroke(c, RoundBox(k, 12), 1, {38, 72, 92});
    // Divider between the wheel and the presets.
    Fill(c,
         [](double x, double y) {
             return SdSegment(x, y, {592, 246}, {772, 246}, 0.5);
         },
         {38, 72, 92});
    Print(c, L"PREVIEW", {L"Arial", 10, true}, kPreview.left, 261, Align::Left,
          PlateText(kCaption));
    Print(c, L"PRESETS", {L"Arial", 10, true}, kSwatchX[0], 261, Align::Left, PlateText(kCaption));
    // Frame of the preview square, which itself stays pure white.
    const Box& v = kPreview;
    Fill(c, RoundBox(v, 3, 3), {6, 14, 20});
    Stroke(c, RoundBox(v, 3, 3), 1, {60, 104, 128});
    c.FillRect(v.left, v.top, v.right, v.bottom, kWhite);
    // Sockets of the sliders: the coloured lines, their letters' places and the value boxes.
    for (int i = 0; i < 3; ++i) {
        const double y = kSliderY[i] + 6;
        const Rgb color = kChannelColor[i];
        const Pt a{kSliderX + 3.0, y};
        const Pt b{kSliderX + 129.0, y};
        Glow(
            c, [=](double x, double yy) { return SdSegment(x, yy, a, b, 2); }, 5, color, 0.25);
        Fill(c, [=](double x, double yy) { return SdSegment(x, yy, a, b, 2.5); }, {2, 6, 10});
        Fill(
            c, [=](double x, double yy) { return SdSegment(x, yy, a, b, 1.6); },
            [=](double x, double) {
                return Mix(Scale(color, 0.22), color, (x - a.x) / (b.x - a.x));
            });
        constexpr const wchar_t* kLetters[3] = {L"R:", L"G:", L"B:"};
        TextLook letter = PlateText(Mix(color, kWhite, 0.15));
        letter.glow = color;
        letter.glowStrength = 0.3;
        Print(c, kLetters[i], {L"Arial", 13, true}, 723, kValueBox[i].top + 10, Align::Left,
              letter);
        const Box& v2 = kValueBox[i];
        Fill(c, RoundBox(v2, 4), {3, 8, 13});
        Stroke(c, RoundBox(v2, 4), 1, Mix(color, kPanel, 0.55));
    }
    // Socket of the Apply plate.
    DrawWell(c, kApply.left - 3, kApply.top - 3, kApply.right + 3, kApply.bottom + 3, 14,
             {4, 10, 16}, {34, 64, 84});
}

void DrawTitleBar(Canvas& c) {
    const Box& p = kLanguagePill;
    Fill(c, RoundBox(p, 7), Rgb{5, 5, 5});
    Stroke(c, RoundBox(p, 7), 1, {56, 70, 84});
}

}  // namespace

Canvas DrawSkin(int scale) {
    Canvas skin(800, 540, kPanel, scale);
    DrawBackground(skin);
    DrawPictureArea(skin);
    DrawChannelColumn(skin);
    DrawSyncPlate(skin);
    DrawEffectGrid(skin);
    DrawColorCard(skin);
    DrawTitleBar(skin);
    return skin;
}

}  // namespace art
