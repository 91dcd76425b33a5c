// Faces and their glyphs: rendering a character with FreeType, from the primary face or the
// closest installed face that has it, and keeping each rendered glyph.
#include <ft2build.h>
#include FT_SYNTHESIS_H

#include <cmath>

#include "platform/gdi/freetype_face.hpp"

namespace gdi::freetype {

const std::shared_ptr<FtLibrary>& SharedLibrary() {
    static const auto library = std::make_shared<FtLibrary>();
    return library;
}

FT_Library Library() {
    return SharedLibrary()->lib;
}

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

}  // namespace gdi::freetype

using gdi::freetype::FacePtr;
using gdi::freetype::OpenFace;
using gdi::freetype::SizedFace;

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
