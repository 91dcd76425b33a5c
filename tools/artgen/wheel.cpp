// The colour wheel (bitmap 227): every hue at full saturation around its rim, whiter towards
// the centre, in a thin frame. The program samples the pixel under a click; outside the disc the
// colour is exactly the panel colour, which the program ignores.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/artgen/kit.hpp"
#include "tools/artgen/palette.hpp"
#include "tools/artgen/pieces.hpp"

namespace art {

namespace {
constexpr double kCentre = 85.5;
constexpr double kDiscRadius = 76;
constexpr double kSaturatedBand = 7;  // the rim is at full saturation over this width
constexpr double kFrameRadius = 80;
constexpr double kOuterLimit = 83.5;  // nothing is drawn beyond this radius

Rgb WheelColor(double dx, double dy) {
    const double r = std::hypot(dx, dy);
    double hue = std::atan2(-dy, dx) * 180.0 / std::numbers::pi;
    // Snap the pure primaries and secondaries so that each appears exactly on the rim.
    const double nearest = std::round(hue / 60.0) * 60.0;
    if (std::abs(hue - nearest) < 0.6) hue = nearest;
    const double saturation = std::clamp(r / (kDiscRadius - kSaturatedBand), 0.0, 1.0);
    return Mix(kWhite, HueColor(hue), std::pow(saturation, 0.75));
}
}  // namespace

Canvas DrawColorWheel() {
    Canvas c(171, 171, kPanel);
    for (int y = 0; y < 171; ++y) {
        for (int x = 0; x < 171; ++x) {
            const double dx = x + 0.5 - kCentre;
            const double dy = y + 0.5 - kCentre;
            const double r = std::hypot(dx, dy);
            if (r > kOuterLimit) continue;
            // Frame: a soft glow, a steel ring, and a dark gap before the disc.
            const double ring = std::abs(r - kFrameRadius);
            if (ring < 3.5) c.Blend(x, y, Rgb{0, 150, 220}, 0.22 * (1 - ring / 3.5));
            c.Blend(x, y, Rgb{70, 110, 138}, std::clamp(1.6 - ring, 0.0, 1.0));
            if (r < kDiscRadius + 2.5)
                c.Blend(x, y, Rgb{5, 12, 17}, std::clamp(kDiscRadius + 2.5 - r, 0.0, 1.0));
            const double coverage = std::clamp(kDiscRadius + 0.5 - r, 0.0, 1.0);
            if (coverage > 0) c.Blend(x, y, WheelColor(dx, dy), coverage);
        }
    }
    return c;
}

}  // namespace art
