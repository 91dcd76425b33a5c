// Anti-aliased shapes drawn from signed distance functions (negative inside, in pixels).
#pragma once

#include <functional>
#include <vector>

#include "tools/artgen/canvas.hpp"

namespace art {

struct Pt {
    double x = 0;
    double y = 0;
};

using Distance = std::function<double(double x, double y)>;
using Paint = std::function<Rgb(double x, double y)>;
using Opacity = std::function<double(double x, double y)>;  // 0..1

// Signed distances.
double SdCircle(double x, double y, double cx, double cy, double radius);
// Rectangle (left, top, right, bottom in continuous coordinates) with rounded corners.
double SdRoundRect(double x, double y, double l, double t, double r, double b, double radius);
// A stroke of the given half width along the segment a-b, round caps.
double SdSegment(double x, double y, Pt a, Pt b, double halfWidth);
double SdPolygon(double x, double y, const std::vector<Pt>& points);
// A ring: the band between radius - halfWidth and radius + halfWidth.
double SdRing(double x, double y, double cx, double cy, double radius, double halfWidth);

// Fills every pixel whose centre lies inside the shape, with coverage-based edge smoothing.
void Fill(Canvas& canvas, const Distance& shape, const Paint& paint, double alpha = 1.0);
void Fill(Canvas& canvas, const Distance& shape, Rgb color, double alpha = 1.0);
// A fill whose opacity varies over the shape (a tail that fades out, a light that dims).
void FillFaded(Canvas& canvas, const Distance& shape, const Paint& paint, const Opacity& opacity);
// Outline of a shape: the band of the given width just inside its edge.
void Stroke(Canvas& canvas, const Distance& shape, double width, Rgb color, double alpha = 1.0);
// A soft light around the shape, fading out over `spread` pixels outside its edge.
void Glow(Canvas& canvas, const Distance& shape, double spread, Rgb color, double strength);

// Paints.
Paint Solid(Rgb c);
Paint Vertical(double top, double bottom, Rgb atTop, Rgb atBottom);
Paint Radial(double cx, double cy, double radius, Rgb inner, Rgb outer);

}  // namespace art
