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

// Sampled at every device pixel; the edges are smoothed over one device pixel (d: a radius in
// the picture's pixels, times s in device pixels).
Canvas DrawColorWheel(int scale) {
    Canvas c(171, 171, kPanel, scale);
    const double s = scale;
    for (int y = 0; y < c.deviceHeight(); ++y) {
        for (int x = 0; x < c.deviceWidth(); ++x) {
            const double dx = c.Centre(x) - kCentre;
            const double dy = c.Centre(y) - kCentre;
            const double r = std::hypot(dx, dy);
            if (r > kOuterLimit) continue;
            // Frame: a soft glow, a steel ring (1.1 pixels either side of its radius), and a dark
            // gap before the disc.
            const double ring = std::abs(r - kFrameRadius);
            if (ring < 3.5) c.BlendDevice(x, y, Rgb{0, 150, 220}, 0.22 * (1 - ring / 3.5));
            const double ringDevice = std::abs(r * s - kFrameRadius * s);
            c.BlendDevice(x, y, Rgb{70, 110, 138},
                          std::clamp(1.1 * s + 0.5 - ringDevice, 0.0, 1.0));
            if (r < kDiscRadius + 2.5)
                c.BlendDevice(x, y, Rgb{5, 12, 17},
                              std::clamp((kDiscRadius + 2) * s + 0.5 - r * s, 0.0, 1.0));
            const double coverage = std::clamp(kDiscRadius * s + 0.5 - r * s, 0.0, 1.0);
            if (coverage > 0) c.BlendDevice(x, y, WheelColor(dx, dy), coverage);
        }
    }
    return c;
}

}  // namespace art
