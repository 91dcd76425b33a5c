// Drawing an effect pictogram: shapes given around the icon's centre, in the colours of the
// icon's look (full colour when selected, muted when not, grey when greyed).
#pragma once

#include "tools/artgen/canvas.hpp"
#include "tools/artgen/pieces.hpp"
#include "tools/artgen/shapes.hpp"

namespace art {

class Pen {
  public:
    Pen(Canvas& canvas, Look look, double cx, double cy);

    Rgb Ink(Rgb color) const;  // a colour as this look shows it
    // Shapes take coordinates relative to the centre of the icon.
    void Shape(const Distance& local, Rgb color, double alpha = 1.0);
    void Shape(const Distance& local, const Paint& localPaint, double alpha = 1.0);
    void Faded(const Distance& local, const Paint& localPaint, const Opacity& localOpacity);
    void Light(const Distance& local, Rgb color, double spread, double strength = 0.6);

    // Common pieces.
    void Disc(double x, double y, double radius, Rgb color);
    void Line(Pt a, Pt b, double width, Rgb color);
    void Star(double x, double y, double size, Rgb color);  // a four-pointed sparkle

  private:
    Distance Place(const Distance& local) const;
    Paint Place(const Paint& local) const;

    Canvas& canvas_;
    Look look_;
    double cx_;
    double cy_;
};

// The pictogram of effect e (1..24).
void DrawPictogram(int effect, Pen& pen);

}  // namespace art
