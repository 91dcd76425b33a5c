// Printed text on the artwork, rendered by the drawing layer's fonts (FreeType; Chinese falls
// back to a CJK face) and laid onto the canvas as a coverage mask, so it can take any paint
// and a glow.
#pragma once

#include <string_view>
#include <vector>

#include "tools/artgen/canvas.hpp"
#include "tools/artgen/shapes.hpp"

namespace art {

struct Font {
    const wchar_t* face = L"Arial";
    int pixels = 12;  // character (em) height
    bool bold = false;
};

// The coverage (0..1) of a line of text, cropped to its inked pixels; at a scale above 1 in the
// device pixels of that scale, the text laid out as at 1x (each character where it is at 1x, drawn
// with the font at scale times its height).
class TextMask {
  public:
    TextMask(std::wstring_view text, const Font& font, int scale = 1);
    int width() const { return width_; }
    int height() const { return height_; }
    double at(int x, int y) const {
        return coverage_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                         static_cast<std::size_t>(x)];
    }

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<double> coverage_;
};

enum class Align { Left, Center, Right };

struct TextLook {
    Paint paint = Solid({255, 255, 255});
    Rgb glow{0, 0, 0};
    double glowStrength = 0;  // 0: no glow
    Rgb shadow{0, 0, 0};
    double shadowStrength = 0;  // a one-pixel drop shadow below the text
};

// Prints text so that its inked pixels start at x (Left), are centred on x (Center) or end at x
// (Right), and are centred vertically on y.
void Print(Canvas& c, std::wstring_view text, const Font& font, double x, double y, Align align,
           const TextLook& look);

}  // namespace art
