#include "platform/gdi/text.hpp"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <cmath>
#include <map>
#include <tuple>

#include "platform/gdi/draw_target.hpp"
#include "platform/gdi/drawing_state.hpp"
#include "platform/gdi/font_catalog.hpp"
#include "platform/gdi/utf.hpp"

namespace {

inline constexpr int kDefaultCellHeight = 16;
inline constexpr LONG kMaxCellHeight = 1000;

struct FtLibrary {
    FT_Library lib = nullptr;
    FtLibrary() {
        if (FT_Init_FreeType(&lib) != 0) lib = nullptr;
    }
    FtLibrary(const FtLibrary&) = delete;
    FtLibrary& operator=(const FtLibrary&) = delete;
    ~FtLibrary() {
        if (lib != nullptr) FT_Done_FreeType(lib);
    }
};

// Shared by every face, so the library outlives the last face whatever the order in which
// static caches holding faces are destroyed at exit.
const std::shared_ptr<FtLibrary>& SharedLibrary() {
    static const auto library = std::make_shared<FtLibrary>();
    return library;
}

FT_Library Library() {
    return SharedLibrary()->lib;
}

struct FaceCloser {
    void operator()(FT_Face f) const { FT_Done_Face(f); }
};
using FacePtr = std::unique_ptr<std::remove_pointer_t<FT_Face>, FaceCloser>;

struct PatternCloser {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternCloser>;

struct FontSetCloser {
    void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};
using FontSetPtr = std::unique_ptr<FcFontSet, FontSetCloser>;

// One opened font file at the face's pixel size.
struct SizedFace {
    FacePtr face;
    bool embolden = false;  // bold was asked for and the file is not bold
};

FacePtr OpenFace(const std::string& file, int index, double ppem) {
    FT_Face face = nullptr;
    if (Library() == nullptr || FT_New_Face(Library(), file.c_str(), index, &face) != 0)
        return nullptr;
    FacePtr owned(face);
    if (FT_IS_SCALABLE(face)) {
        if (FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(std::lround(ppem * 64.0)), 72, 72) !=
            0) {
            return nullptr;
        }
    } else if (face->num_fixed_sizes > 0) {
        FT_Select_Size(face, 0);
    }
    return owned;
}

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

}  // namespace

struct FontFace::Impl {
    std::shared_ptr<FtLibrary> library = SharedLibrary();  // first: released after the faces
    SizedFace primary;
    std::string family;
    double ppem = 0;
    int ascent = 0;
    int descent = 0;
    bool bold = false;
    bool antialias = true;
    PatternPtr pattern;             // the request, for finding fallback faces
    FontSetPtr fallbacks;           // installed faces ordered by closeness, found on first need
    std::vector<SizedFace> opened;  // fallback faces opened so far, by fallbacks index
    std::map<int, std::size_t> openedIndex;
    std::unordered_map<char32_t, Glyph> glyphs;

    // The face that has the character: the primary one, else the closest installed one.
    const SizedFace* faceFor(char32_t c);
    Glyph render(char32_t c);
};

const SizedFace* FontFace::Impl::faceFor(char32_t c) {
    if (FT_Get_Char_Index(primary.face.get(), c) != 0) return &primary;
    if (!fallbacks) {
        FcResult result = FcResultNoMatch;
        fallbacks.reset(FcFontSort(nullptr, pattern.get(), FcTrue, nullptr, &result));
        if (!fallbacks) return nullptr;
    }
    for (int i = 0; i < fallbacks->nfont; ++i) {
        FcCharSet* chars = nullptr;
        if (FcPatternGetCharSet(fallbacks->fonts[i], FC_CHARSET, 0, &chars) != FcResultMatch ||
            !FcCharSetHasChar(chars, c)) {
            continue;
        }
        const auto known = openedIndex.find(i);
        if (known != openedIndex.end()) return &opened[known->second];
        FcChar8* file = nullptr;
        int index = 0;
        if (FcPatternGetString(fallbacks->fonts[i], FC_FILE, 0, &file) != FcResultMatch) continue;
        FcPatternGetInteger(fallbacks->fonts[i], FC_INDEX, 0, &index);
        FacePtr face = OpenFace(reinterpret_cast<const char*>(file), index, ppem);
        if (!face || FT_Get_Char_Index(face.get(), c) == 0) continue;
        const bool fileBold = (face->style_flags & FT_STYLE_FLAG_BOLD) != 0;
        opened.push_back({std::move(face), bold && !fileBold});
        openedIndex[i] = opened.size() - 1;
        return &opened.back();
    }
    return nullptr;
}

Glyph FontFace::Impl::render(char32_t c) {
    Glyph g;
    if (c < 0x20 || c == 0x7F) return g;
    const SizedFace* sized = faceFor(c);
    if (sized == nullptr) sized = &primary;  // the primary face's missing-glyph box
    FT_Face face = sized->face.get();
    const FT_UInt index = FT_Get_Char_Index(face, c);
    const FT_Int32 load = antialias ? FT_LOAD_TARGET_LIGHT : FT_LOAD_TARGET_MONO;
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | load) != 0) return g;
    if (sized->embolden) FT_GlyphSlot_Embolden(face->glyph);
    if (FT_Render_Glyph(face->glyph, antialias ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO) !=
        0) {
        return g;
    }
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bm = slot->bitmap;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = static_cast<int>(bm.width);
    g.height = static_cast<int>(bm.rows);
    g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    g.coverage.resize(static_cast<std::size_t>(g.width) * g.height);
    for (int y = 0; y < g.height; ++y) {
        const unsigned char* row = bm.buffer + static_cast<std::ptrdiff_t>(y) * bm.pitch;
        for (int x = 0; x < g.width; ++x) {
            std::uint8_t v = 0;
            if (bm.pixel_mode == FT_PIXEL_MODE_MONO) {
                v = ((row[x / 8] >> (7 - x % 8)) & 1) != 0 ? 255 : 0;
            } else if (bm.pixel_mode == FT_PIXEL_MODE_GRAY) {
                v = row[x];
            }
            g.coverage[static_cast<std::size_t>(y) * g.width + x] = v;
        }
    }
    return g;
}

FontFace::FontFace(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
FontFace::~FontFace() = default;

int FontFace::height() const {
    return impl_->ascent + impl_->descent;
}
int FontFace::ascent() const {
    return impl_->ascent;
}
int FontFace::descent() const {
    return impl_->descent;
}
const std::string& FontFace::family() const {
    return impl_->family;
}

const Glyph& FontFace::glyph(char32_t c) const {
    const auto it = impl_->glyphs.find(c);
    if (it != impl_->glyphs.end()) return it->second;
    return impl_->glyphs.emplace(c, impl_->render(c)).first->second;
}

int FontFace::width(std::wstring_view text) const {
    int w = 0;
    for (const wchar_t c : text) w += glyph(static_cast<char32_t>(c)).advance;
    return w;
}

namespace {

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

namespace {

// x / 255 rounded to nearest, exact for 0 <= x <= 255 * 255.
constexpr std::uint32_t Div255(std::uint32_t x) {
    const std::uint32_t t = x + 128;
    return (t + (t >> 8)) >> 8;
}
static_assert(Div255(255 * 255) == 255 && Div255(127) == 0 && Div255(128) == 1);

}  // namespace

namespace gdi {

void DrawGlyphRun(const DrawTarget& target, const FontFace& face, int x, int y,
                  std::wstring_view text, std::uint32_t color, const RECT& limit) {
    const int baseline = y + face.ascent();
    const std::uint32_t cr = (color >> 16) & 0xFF;
    const std::uint32_t cg = (color >> 8) & 0xFF;
    const std::uint32_t cb = color & 0xFF;
    int pen = x;
    for (const wchar_t ch : text) {
        const Glyph& g = face.glyph(static_cast<char32_t>(ch));
        const int gx = pen + g.left;
        const int gy = baseline - g.top;
        pen += g.advance;
        if (g.width == 0 || g.height == 0) continue;
        const RECT box{std::max<LONG>(gx, limit.left), std::max<LONG>(gy, limit.top),
                       std::min<LONG>(gx + g.width, limit.right),
                       std::min<LONG>(gy + g.height, limit.bottom)};
        target.forEachSpan(box, [&](int row, int x0, int x1) {
            const std::uint8_t* cov = &g.coverage[static_cast<std::size_t>(row - gy) * g.width];
            std::uint32_t* out = target.surface->row(row);
            for (int px = x0; px < x1; ++px) {
                const std::uint32_t a = cov[px - gx];
                if (a == 0) continue;
                if (target.monochrome) {
                    if (a >= 128) out[px] = StoredPixel(target, ColorrefFromPixel(color));
                    continue;
                }
                if (a == 255) {
                    out[px] = color;
                    continue;
                }
                const std::uint32_t d = out[px];
                const std::uint32_t r = Div255(cr * a + ((d >> 16) & 0xFF) * (255 - a));
                const std::uint32_t gg = Div255(cg * a + ((d >> 8) & 0xFF) * (255 - a));
                const std::uint32_t b = Div255(cb * a + (d & 0xFF) * (255 - a));
                out[px] = (r << 16) | (gg << 8) | b;
            }
        });
    }
}

}  // namespace gdi
