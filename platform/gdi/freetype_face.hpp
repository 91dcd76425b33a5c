// What the drawing layer's font files share inside it: FreeType and fontconfig handles owned by
// RAII wrappers, opening a font file at a pixel size, and the insides of a FontFace.
#pragma once

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "platform/gdi/text.hpp"

namespace gdi::freetype {

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

// Shared by every face, so the library outlives the last face whatever the order in which the
// faces are released.
const std::shared_ptr<FtLibrary>& SharedLibrary();
FT_Library Library();

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

// The face of a font file at a size of `ppem` pixels per em; null when it cannot be opened.
FacePtr OpenFace(const std::string& file, int index, double ppem);

}  // namespace gdi::freetype

// A face: its primary file at the face's size, the fallbacks found so far and its glyphs.
struct FontFace::Impl {
    // First: released after the faces.
    std::shared_ptr<gdi::freetype::FtLibrary> library = gdi::freetype::SharedLibrary();
    gdi::freetype::SizedFace primary;
    std::string family;
    double ppem = 0;
    int ascent = 0;
    int descent = 0;
    bool bold = false;
    bool antialias = true;
    gdi::freetype::PatternPtr pattern;  // the request, for finding fallback faces
    // Installed faces ordered by closeness, found on first need, and those opened so far (by
    // index into the fallbacks).
    gdi::freetype::FontSetPtr fallbacks;
    std::vector<gdi::freetype::SizedFace> opened;
    std::map<int, std::size_t> openedIndex;
    std::unordered_map<char32_t, Glyph> glyphs;

    // The face that has the character: the primary one, else the closest installed one.
    const gdi::freetype::SizedFace* faceFor(char32_t c);
    Glyph render(char32_t c);
};
