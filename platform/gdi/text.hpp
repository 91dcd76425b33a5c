// Faces and glyphs: a font resolved through fontconfig, rendered by FreeType, with per-glyph
// fallback to other installed faces (Chinese text falls back to a CJK face).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/gdi/gdi.hpp"

struct Glyph {
    int left = 0;  // from the pen position to the first column
    int top = 0;   // from the baseline up to the first row
    int width = 0;
    int height = 0;
    int advance = 0;                     // whole pixels
    std::vector<std::uint8_t> coverage;  // width x height, 0 (none) to 255 (full)
};

class FontFace {
  public:
    struct Impl;
    explicit FontFace(std::unique_ptr<Impl> impl);
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;
    ~FontFace();

    int height() const;  // cell height: ascent + descent
    int ascent() const;
    int descent() const;
    const std::string& family() const;  // the family of the primary face, as installed

    // The rendered glyph of a character (cached); control characters are empty and take no room.
    const Glyph& glyph(char32_t c) const;
    int width(std::wstring_view text) const;

  private:
    std::unique_ptr<Impl> impl_;
};

// The face for a logical font: cell height when lfHeight > 0, character (em) height when < 0,
// a default size when 0; weight 600 or more picks a bold face; NONANTIALIASED_QUALITY gives
// two-level glyphs, every other quality grey anti-aliased ones. Faces are cached and shared.
// Null only when no face at all can be found.
std::shared_ptr<const FontFace> ResolveFont(const LOGFONTW& logFont);
// The same font for a surface's rendition at a device scale: its height times the scale.
std::shared_ptr<const FontFace> ResolveFontAtScale(const LOGFONTW& logFont, int scale);

// Draws a line of text with its cell's top-left corner at surface point (x, y), blending the
// glyphs in the given colour (a 0x00RRGGBB pixel), within the target's clip and the surface
// rectangle limit. A target with a rendition at a device scale gets the glyphs of `fineFace`
// (the font at that scale) there, each where its character is in the line of `face`.
namespace gdi {
struct DrawTarget;
void DrawGlyphRun(const DrawTarget& target, const FontFace& face, const FontFace* fineFace, int x,
                  int y, std::wstring_view text, std::uint32_t color, const RECT& limit);
}  // namespace gdi
