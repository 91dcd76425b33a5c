#include "tools/artgen/kit.hpp"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "tools/artgen/palette.hpp"
#include "tools/artgen/pieces.hpp"

namespace art {

Rgb HueColor(double hue) {
    const double h = std::fmod(std::fmod(hue, 360.0) + 360.0, 360.0) / 60.0;
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

void PaintFace(Canvas& c, const Distance& face, double y0, double y1, const FaceLook& look) {
    Fill(c, face, Vertical(y0, y1, look.top, look.bottom));
    Stroke(c, face, look.frameWidth, look.frame);
}

void DrawPlate(Canvas& c, double l, double t, double r, double b, const PlateStyle& style) {
    const double radius = style.radius;
    const auto body = [=](double x, double y) { return SdRoundRect(x, y, l, t, r, b, radius); };
    Glow(c, body, 4, Rgb{0, 0, 0}, 0.35);
    Fill(c, body, Vertical(t, b, style.top, style.bottom));
    Stroke(c, body, 1, style.edge);
    // A faint highlight just inside the top edge.
    const auto rim = [=](double x, double y) {
        return std::max(SdRoundRect(x, y, l + 1, t + 1, r - 1, b - 1, radius - 1), t + 2.2 - y);
    };
    Stroke(c, rim, 1, Rgb{255, 255, 255}, 0.08);
}

void DrawWell(Canvas& c, double l, double t, double r, double b, double radius, Rgb fill,
              Rgb edge) {
    const auto body = [=](double x, double y) { return SdRoundRect(x, y, l, t, r, b, radius); };
    // Darker along the top edge, as if the well were sunk into the panel.
    Fill(c, body, Vertical(t, t + 6, Scale(fill, 0.5), fill));
    Stroke(c, body, 1, edge);
}

const Canvas& MainSkin(int scale) {
    static std::map<int, Canvas> skins;
    auto it = skins.find(scale);
    if (it == skins.end()) it = skins.emplace(scale, DrawSkin(scale)).first;
    return it->second;
}

const Canvas& PopupSkin(bool chinese, int scale) {
    static std::map<std::pair<bool, int>, Canvas> skins;
    const std::pair key{chinese, scale};
    auto it = skins.find(key);
    if (it == skins.end()) it = skins.emplace(key, DrawPopupSkin(chinese, scale)).first;
    return it->second;
}

Canvas Crop(const Canvas& from, int x, int y, int width, int height) {
    const int s = from.scale();
    Canvas out(width, height, kPanel, s);
    for (int sy = 0; sy < height * s; ++sy)
        for (int sx = 0; sx < width * s; ++sx)
            if (from.contains(x + sx / s, y + sy / s))
                out.SetDevice(sx, sy, from.device(x * s + sx, y * s + sy));
    return out;
}

void CutCorners(Canvas& c, double radius) {
    const double w = c.width();
    const double h = c.height();
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (SdRoundRect(x + 0.5, y + 0.5, 0, 0, w, h, radius) > 0) c.Set(x, y, kWhite);
}

}  // namespace art
