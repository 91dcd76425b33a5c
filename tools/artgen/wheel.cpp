#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/artgen/palette.hpp"
#include "tools/artgen/pieces.hpp"
#include "tools/artgen/shapes.hpp"

namespace art {

namespace {

// Fully saturated colour of a hue in degrees.
Rgb HueColor(double hue) {
    const double h = std::fmod(hue + 360.0, 360.0) / 60.0;
    const double f = h - std::floor(h);
    switch (static_cast<int>(h)) {
        case 0:
            return {255, 255 * f, 0};
        case 1:
            return {255 * (1 - f), 255, 0};
        case 2:
            return {0, 255, 255 * f};
        case 3:
            return {0, 255 * (1 - f), 255};
        case 4:
            return {255 * f, 0, 255};
        default:
            return {255, 0, 255 * (1 - f)};
    }
}

}  // namespace

Canvas DrawColorWheel() {
    Canvas c(171, 171, kPanel);
    constexpr double kCentre = 85.5;
    constexpr double kRadius = 80;
    constexpr double kSaturatedBand = 10;  // the rim is at full saturation over this width
    for (int y = 0; y < 171; ++y) {
        for (int x = 0; x < 171; ++x) {
            const double dx = x + 0.5 - kCentre;
            const double dy = y + 0.5 - kCentre;
            const double r = std::hypot(dx, dy);
            if (r > kRadius) continue;
            double hue = std::atan2(-dy, dx) * 180.0 / std::numbers::pi;
            // Snap the pure primaries and secondaries so each appears exactly on the rim.
            const double nearest = std::round(hue / 60.0) * 60.0;
            if (std::abs(hue - nearest) < 0.6) hue = nearest;
            const double saturation = std::clamp(r / (kRadius - kSaturatedBand), 0.0, 1.0);
            c.Set(x, y, Mix(kWhite, HueColor(hue), saturation));
        }
    }
    return c;
}

}  // namespace art
