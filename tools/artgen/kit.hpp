// Building blocks shared by the pictures: hues, plates, and the backgrounds buttons sit on.
#pragma once

#include "tools/artgen/canvas.hpp"
#include "tools/artgen/shapes.hpp"

namespace art {

// Fully saturated colour of a hue in degrees (0 red, 120 green, 240 blue).
Rgb HueColor(double hue);

// A raised plate: a rounded rectangle with a vertical gradient, a light top edge and a border.
struct PlateStyle {
    Rgb top;
    Rgb bottom;
    Rgb edge;
    double radius = 6;
};
void DrawPlate(Canvas& c, double l, double t, double r, double b, const PlateStyle& style);
// A face filled with a vertical gradient from `top` (at y0) to `bottom` (at y1), then framed.
struct FaceLook {
    Rgb top;
    Rgb bottom;
    double frameWidth;
    Rgb frame;
};
void PaintFace(Canvas& c, const Distance& face, double y0, double y1, const FaceLook& look);
// A sunken well: darker inside with a shadow along its top edge.
void DrawWell(Canvas& c, double l, double t, double r, double b, double radius, Rgb fill, Rgb edge);

// The finished main-window skin and LED quantity popup skins at a scale (drawn once, then
// shared), and copies of their pixels under a control (at the scale they are drawn at), so that
// a button blends into what lies beneath it.
const Canvas& MainSkin(int scale);
const Canvas& PopupSkin(bool chinese, int scale);
Canvas Crop(const Canvas& from, int x, int y, int width, int height);

// Gives a button shaped by its bitmap rounded corners: every pixel outside the rounded
// rectangle (0, 0, width, height) with the given radius becomes pure white, the key colour that
// its window leaves out. At a scale above 1 the whole block of such a pixel becomes white, as the
// window's shape is made from the pixels at scale 1.
void CutCorners(Canvas& c, double radius);

}  // namespace art
