#include "tools/artgen/shapes.hpp"

#include <algorithm>
#include <cmath>

namespace art {

double SdCircle(double x, double y, double cx, double cy, double radius) {
    return std::hypot(x - cx, y - cy) - radius;
}

double SdRoundRect(double x, double y, double l, double t, double r, double b, double radius) {
    const double cx = (l + r) / 2;
    const double cy = (t + b) / 2;
    const double hx = (r - l) / 2 - radius;
    const double hy = (b - t) / 2 - radius;
    const double qx = std::abs(x - cx) - hx;
    const double qy = std::abs(y - cy) - hy;
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

double SdSegment(double x, double y, Pt a, Pt b, double halfWidth) {
    const double px = x - a.x;
    const double py = y - a.y;
    const double bx = b.x - a.x;
    const double by = b.y - a.y;
    const double len2 = bx * bx + by * by;
    const double h = len2 > 0 ? std::clamp((px * bx + py * by) / len2, 0.0, 1.0) : 0.0;
    return std::hypot(px - bx * h, py - by * h) - halfWidth;
}

double SdPolygon(double x, double y, const std::vector<Pt>& points) {
    const std::size_t n = points.size();
    if (n < 3) return 1e9;
    double d2 = 1e18;
    bool inside = false;
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const Pt a = points[j];
        const Pt b = points[i];
        const double ex = b.x - a.x;
        const double ey = b.y - a.y;
        const double wx = x - a.x;
        const double wy = y - a.y;
        const double len2 = ex * ex + ey * ey;
        const double h = len2 > 0 ? std::clamp((wx * ex + wy * ey) / len2, 0.0, 1.0) : 0.0;
        d2 = std::min(d2, (wx - ex * h) * (wx - ex * h) + (wy - ey * h) * (wy - ey * h));
        if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * ex / ey) inside = !inside;
    }
    return inside ? -std::sqrt(d2) : std::sqrt(d2);
}

double SdRing(double x, double y, double cx, double cy, double radius, double halfWidth) {
    return std::abs(std::hypot(x - cx, y - cy) - radius) - halfWidth;
}

// Shapes are sampled at the centre of every device pixel; a distance in the picture's pixels is
// scale() device pixels, so the smoothed edge is one device pixel wide at every scale.
void Fill(Canvas& canvas, const Distance& shape, const Paint& paint, double alpha) {
    FillFaded(canvas, shape, paint, [alpha](double, double) { return alpha; });
}

void FillFaded(Canvas& canvas, const Distance& shape, const Paint& paint, const Opacity& opacity) {
    const int s = canvas.scale();
    for (int y = 0; y < canvas.deviceHeight(); ++y) {
        for (int x = 0; x < canvas.deviceWidth(); ++x) {
            const double px = canvas.Centre(x);
            const double py = canvas.Centre(y);
            const double coverage = std::clamp(0.5 - shape(px, py) * s, 0.0, 1.0);
            if (coverage > 0) canvas.BlendDevice(x, y, paint(px, py), coverage * opacity(px, py));
        }
    }
}

void Fill(Canvas& canvas, const Distance& shape, Rgb color, double alpha) {
    Fill(canvas, shape, Solid(color), alpha);
}

void Stroke(Canvas& canvas, const Distance& shape, double width, Rgb color, double alpha) {
    Fill(
        canvas,
        [&shape, width](double x, double y) {
            const double d = shape(x, y);
            return std::max(d, -d - width);
        },
        color, alpha);
}

void Glow(Canvas& canvas, const Distance& shape, double spread, Rgb color, double strength) {
    for (int y = 0; y < canvas.deviceHeight(); ++y) {
        for (int x = 0; x < canvas.deviceWidth(); ++x) {
            const double d = shape(canvas.Centre(x), canvas.Centre(y));
            if (d <= 0 || d >= spread) continue;
            const double t = 1.0 - d / spread;
            canvas.BlendDevice(x, y, color, strength * t * t);
        }
    }
}

Paint Solid(Rgb c) {
    return [c](double, double) { return c; };
}

Paint Vertical(double top, double bottom, Rgb atTop, Rgb atBottom) {
    return [=](double, double y) {
        return Mix(atTop, atBottom, std::clamp((y - top) / (bottom - top), 0.0, 1.0));
    };
}

Paint Radial(double cx, double cy, double radius, Rgb inner, Rgb outer) {
    return [=](double x, double y) {
        return Mix(inner, outer, std::clamp(std::hypot(x - cx, y - cy) / radius, 0.0, 1.0));
    };
}

}  // namespace art
