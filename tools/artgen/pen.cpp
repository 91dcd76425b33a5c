#include "tools/artgen/pen.hpp"

#include <algorithm>
#include <cmath>

namespace art {

Pen::Pen(Canvas& canvas, Look look, double cx, double cy)
    : canvas_(canvas), look_(look), cx_(cx), cy_(cy) {}

Rgb Pen::Ink(Rgb color) const {
    const double luma = 0.299 * color.r + 0.587 * color.g + 0.114 * color.b;
    switch (look_) {
        case Look::Selected:
            return color;
        case Look::Unselected:
            return Scale(Mix(color, Rgb{luma, luma, luma}, 0.3), 0.78);
        case Look::Greyed:
            break;
    }
    const double grey = 40 + luma * 0.4;
    return {grey, grey, grey + 6};
}

Distance Pen::Place(const Distance& local) const {
    return [local, cx = cx_, cy = cy_](double x, double y) { return local(x - cx, y - cy); };
}

Paint Pen::Place(const Paint& local) const {
    return [this, local](double x, double y) { return Ink(local(x - cx_, y - cy_)); };
}

void Pen::Shape(const Distance& local, Rgb color, double alpha) {
    Fill(canvas_, Place(local), Ink(color), alpha);
}

void Pen::Shape(const Distance& local, const Paint& localPaint, double alpha) {
    Fill(canvas_, Place(local), Place(localPaint), alpha);
}

void Pen::Faded(const Distance& local, const Paint& localPaint, const Opacity& localOpacity) {
    FillFaded(canvas_, Place(local), Place(localPaint),
              [localOpacity, cx = cx_, cy = cy_](double x, double y) {
                  return localOpacity(x - cx, y - cy);
              });
}

void Pen::Light(const Distance& local, Rgb color, double spread, double strength) {
    const double scale = look_ == Look::Selected ? 1.0 : look_ == Look::Unselected ? 0.35 : 0.0;
    if (scale > 0) Glow(canvas_, Place(local), spread, Ink(color), strength * scale);
}

void Pen::Disc(double x, double y, double radius, Rgb color) {
    Shape([=](double px, double py) { return SdCircle(px, py, x, y, radius); }, color);
}

void Pen::Line(Pt a, Pt b, double width, Rgb color) {
    Shape([=](double px, double py) { return SdSegment(px, py, a, b, width / 2); }, color);
}

void Pen::Star(double x, double y, double size, Rgb color) {
    const double t = size * 0.22;
    const auto star = [=](double px, double py) {
        return SdPolygon(px, py,
                         {{x, y - size},
                          {x + t, y - t},
                          {x + size, y},
                          {x + t, y + t},
                          {x, y + size},
                          {x - t, y + t},
                          {x - size, y},
                          {x - t, y - t}});
    };
    Light(star, color, size * 0.9, 0.5);
    Shape(star, color);
}

}  // namespace art
