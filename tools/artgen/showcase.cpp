#include "tools/artgen/showcase.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/artgen/kit.hpp"
#include "tools/artgen/shapes.hpp"

namespace art {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

double AngleDeg(double x, double y, double cx, double cy) {
    return std::atan2(y - cy, x - cx) / kDegree;
}

// One curved fan blade between the hub and the rim, as a polygon swept along an arc.
std::vector<Pt> Blade(double cx, double cy, double startDeg, double inner, double outer) {
    std::vector<Pt> points;
    constexpr int kSteps = 8;
    for (int i = 0; i <= kSteps; ++i) {  // leading edge, curving forward
        const double t = static_cast<double>(i) / kSteps;
        const double r = inner + (outer - inner) * t;
        const double a = (startDeg + 28 * t * t) * kDegree;
        points.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    for (int i = kSteps; i >= 0; --i) {  // trailing edge
        const double t = static_cast<double>(i) / kSteps;
        const double r = inner + (outer - inner) * t;
        const double a = (startDeg + 30 + 40 * t) * kDegree;
        points.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return points;
}

void DrawFan(Canvas& c, double cx, double cy, double size, double hueOffset) {
    const double half = size / 2;
    const auto frame = [=](double x, double y) {
        return SdRoundRect(x, y, cx - half, cy - half, cx + half, cy + half, 14);
    };
    Fill(c, frame, Vertical(cy - half, cy + half, {22, 34, 50}, {12, 20, 32}));
    Stroke(c, frame, 1, {52, 74, 98});
    // Screw holes in the corners.
    for (const double dx : {-1.0, 1.0})
        for (const double dy : {-1.0, 1.0}) {
            const double sx = cx + dx * (half - 9);
            const double sy = cy + dy * (half - 9);
            Fill(c, [=](double x, double y) { return SdCircle(x, y, sx, sy, 3); }, {6, 10, 16});
        }
    const double ringRadius = half - 12;
    const auto opening = [=](double x, double y) { return SdCircle(x, y, cx, cy, ringRadius); };
    Fill(c, opening, {4, 8, 14});
    // The lit ring: every hue around it, with light spilling into the opening and the frame.
    const auto ring = [=](double x, double y) { return SdRing(x, y, cx, cy, ringRadius, 3); };
    const Paint hue = [=](double x, double y) {
        return HueColor(AngleDeg(x, y, cx, cy) + hueOffset);
    };
    for (int y = 0; y < c.deviceHeight(); ++y) {
        for (int x = 0; x < c.deviceWidth(); ++x) {
            const double px = c.Centre(x);
            const double py = c.Centre(y);
            const double d = ring(px, py);
            if (d <= 0 || d > 18 || frame(px, py) > 0) continue;
            const double t = 1 - d / 18;
            c.BlendDevice(x, y, hue(px, py), 0.55 * t * t);
        }
    }
    Fill(c, ring, [=](double x, double y) { return Mix(hue(x, y), Rgb{255, 255, 255}, 0.25); });
    Fill(
        c, [=](double x, double y) { return SdRing(x, y, cx, cy, ringRadius, 1); }, hue);
    // Blades, lit at their tips by the ring.
    for (int i = 0; i < 7; ++i) {
        const std::vector<Pt> blade = Blade(cx, cy, i * 360.0 / 7 + 10, 13, ringRadius - 5);
        const auto shape = [&blade](double x, double y) { return SdPolygon(x, y, blade); };
        Fill(c, shape, [=](double x, double y) {
            const double r = std::hypot(x - cx, y - cy) / ringRadius;
            return Mix(Rgb{28, 40, 56}, Mix(hue(x, y), Rgb{40, 50, 64}, 0.55), r * r);
        });
        Stroke(c, shape, 1, {70, 90, 112}, 0.5);
    }
    // Hub with a small V.
    const auto hub = [=](double x, double y) { return SdCircle(x, y, cx, cy, 15); };
    Fill(c, hub, Radial(cx - 4, cy - 5, 20, {52, 66, 84}, {18, 26, 38}));
    Stroke(c, hub, 1, {84, 104, 128});
    Fill(c,
         [=](double x, double y) {
             return std::min(SdSegment(x, y, {cx - 6, cy - 5}, {cx, cy + 6}, 1.6),
                             SdSegment(x, y, {cx + 6, cy - 5}, {cx, cy + 6}, 1.6));
         },
         {0, 200, 255});
}

void DrawLedStrip(Canvas& c, double left, double right, double y) {
    const auto body = [=](double x, double yy) {
        return SdRoundRect(x, yy, left, y - 6, right, y + 6, 6);
    };
    Fill(c, body, {10, 16, 24});
    Stroke(c, body, 1, {44, 62, 82});
    constexpr int kLeds = 22;
    const double step = (right - left - 20) / (kLeds - 1);
    for (int i = 0; i < kLeds; ++i) {
        const double x0 = left + 10 + step * i;
        const Rgb color = HueColor(300.0 * i / (kLeds - 1));
        const auto led = [=](double x, double yy) { return SdCircle(x, yy, x0, y, 3); };
        Glow(c, led, 11, color, 0.45);
        Fill(c, led, Mix(color, Rgb{255, 255, 255}, 0.45));
    }
}

// A memory module standing upright with its light bar on top.
void DrawMemoryModule(Canvas& c, double left, double top, double bottom, double hue) {
    const double right = left + 18;
    const auto board = [=](double x, double y) {
        return SdRoundRect(x, y, left, top + 12, right, bottom, 2);
    };
    Fill(c, board, Vertical(top, bottom, {34, 46, 62}, {18, 26, 38}));
    Stroke(c, board, 1, {62, 84, 108});
    // Light from the bar spilling down the heat spreader, and a bevelled stripe across it.
    FillFaded(c, board, Solid(HueColor(hue)),
              [=](double, double y) { return 0.4 * std::max(0.0, 1 - (y - top - 12) / 50); });
    Fill(
        c,
        [=](double x, double y) {
            return std::max(SdSegment(x, y, {left - 4, top + 70}, {right + 4, top + 52}, 1.2),
                            board(x, y));
        },
        Rgb{90, 116, 144}, 0.7);
    Fill(
        c,
        [=](double x, double y) {
            return SdRoundRect(x, y, left + 5, top + 80, right - 5, top + 84, 1);
        },
        HueColor(hue), 0.6);
    const auto bar = [=](double x, double y) {
        return SdRoundRect(x, y, left + 1, top, right - 1, top + 12, 3);
    };
    const Paint light = [=](double, double y) { return HueColor(hue + (y - top) * 6); };
    Glow(c, bar, 14, HueColor(hue), 0.7);
    Fill(c, bar, [=](double x, double y) { return Mix(light(x, y), Rgb{255, 255, 255}, 0.3); });
    // Gold contacts at the foot.
    Fill(
        c,
        [=](double x, double y) {
            return SdRoundRect(x, y, left + 2, bottom - 5, right - 2, bottom - 1, 0.5);
        },
        Rgb{170, 140, 60});
}

}  // namespace

void DrawShowcase(Canvas& c, const Box& area) {
    // A faint grid of dots behind the hardware.
    for (int y = area.top + 6; y < area.bottom - 2; y += 12)
        for (int x = area.left + 6; x < area.right - 2; x += 12) c.Blend(x, y, {40, 80, 120}, 0.35);
    const double cy = area.top + 92;
    DrawFan(c, area.left + 98, cy, 150, 0);
    DrawFan(c, area.left + 270, cy, 150, 140);
    DrawLedStrip(c, area.left + 26, area.left + 362, area.bottom - 26);
    // Memory modules below the channel plates.
    for (int i = 0; i < 4; ++i)
        DrawMemoryModule(c, area.left + 396 + 32 * i, area.top + 100, area.bottom - 14,
                         190 + 40 * i);
}

}  // namespace art
