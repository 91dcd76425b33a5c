// Resolving a logical font: fontconfig finds the file, the cell height gives the pixel size, and
// the faces found are kept in the platform context.
#include <ft2build.h>
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

#include "platform/gdi/drawing_state.hpp"
#include "platform/gdi/font_catalog.hpp"
#include "platform/gdi/freetype_face.hpp"
#include "platform/gdi/utf.hpp"

namespace {

using gdi::freetype::FacePtr;
using gdi::freetype::Library;
using gdi::freetype::OpenFace;
using gdi::freetype::PatternPtr;

inline constexpr int kDefaultCellHeight = 16;
inline constexpr LONG kMaxCellHeight = 1000;

// The vertical extent of a face in font units, as the platform measures cells.
void CellUnits(FT_Face face, double& ascent, double& descent) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->usWinAscent + os2->usWinDescent > 0) {
        ascent = os2->usWinAscent;
        descent = os2->usWinDescent;
    } else {
        ascent = face->ascender;
        descent = -face->descender;
    }
    if (ascent + descent <= 0) {
        ascent = face->units_per_EM * 0.8;
        descent = face->units_per_EM * 0.2;
    }
}

std::shared_ptr<const FontFace> Resolve(const std::string& family, LONG height, bool bold,
                                        bool italic, bool antialias) {
    if (Library() == nullptr || FcInit() == FcFalse) return nullptr;
    PatternPtr pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(nullptr, pattern.get(), &result));
    if (!match) return nullptr;
    FcChar8* file = nullptr;
    FcChar8* matchedFamily = nullptr;
    int index = 0;
    if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) return nullptr;
    FcPatternGetInteger(match.get(), FC_INDEX, 0, &index);
    FcPatternGetString(match.get(), FC_FAMILY, 0, &matchedFamily);

    // Measure the cell in font units first, then open at the pixel size that gives it.
    FacePtr probe = OpenFace(reinterpret_cast<const char*>(file), index, 16.0);
    if (!probe) return nullptr;
    double unitsAscent = 0;
    double unitsDescent = 0;
    CellUnits(probe.get(), unitsAscent, unitsDescent);
    const double upem = probe->units_per_EM > 0 ? probe->units_per_EM : 1000.0;
    const double cellPerEm = (unitsAscent + unitsDescent) / upem;

    // Sizes are kept to what a screen can show, so glyph pictures stay small.
    height = std::clamp<LONG>(height, -kMaxCellHeight, kMaxCellHeight);
    auto impl = std::make_unique<FontFace::Impl>();
    int cell = 0;
    if (height < 0) {
        impl->ppem = -static_cast<double>(height);
        cell = static_cast<int>(std::lround(impl->ppem * cellPerEm));
    } else {
        cell = height > 0 ? static_cast<int>(height) : kDefaultCellHeight;
        impl->ppem = cell / cellPerEm;
    }
    impl->ascent = static_cast<int>(std::lround(unitsAscent * impl->ppem / upem));
    impl->descent = cell - impl->ascent;
    impl->primary.face = OpenFace(reinterpret_cast<const char*>(file), index, impl->ppem);
    if (!impl->primary.face) return nullptr;
    impl->primary.embolden = bold && (impl->primary.face->style_flags & FT_STYLE_FLAG_BOLD) == 0;
    impl->family = matchedFamily != nullptr ? reinterpret_cast<const char*>(matchedFamily) : family;
    impl->bold = bold;
    impl->antialias = antialias;
    impl->pattern = std::move(pattern);
    return std::make_shared<const FontFace>(std::move(impl));
}

}  // namespace

std::shared_ptr<const FontFace> ResolveFont(const LOGFONTW& logFont) {
    std::wstring_view face(logFont.lfFaceName);
    face = face.substr(0, face.find(L'\0'));
    std::string family = Utf8FromWide(face);
    if (family.empty()) family = "sans-serif";
    family = FontFamilyFor(family);
    const bool bold = logFont.lfWeight >= 600;
    const bool italic = logFont.lfItalic != 0;
    const bool antialias = logFont.lfQuality != NONANTIALIASED_QUALITY;

    auto& cache = gdi::Drawing().faces;
    const gdi::FaceKey key{family, logFont.lfHeight, bold, italic, antialias};
    const auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    auto resolved = Resolve(family, logFont.lfHeight, bold, italic, antialias);
    cache.emplace(key, resolved);
    return resolved;
}

std::shared_ptr<const FontFace> ResolveFontAtScale(const LOGFONTW& logFont, int scale) {
    LOGFONTW scaled = logFont;
    scaled.lfHeight = (logFont.lfHeight != 0 ? logFont.lfHeight : kDefaultCellHeight) * scale;
    return ResolveFont(scaled);
}
