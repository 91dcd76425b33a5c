#include "platform/gdi/font_catalog.hpp"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <memory>

#include "platform/gdi/drawing_state.hpp"
#include "platform/gdi/utf.hpp"

namespace {

struct PatternCloser {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternCloser>;
struct ObjectSetCloser {
    void operator()(FcObjectSet* o) const { FcObjectSetDestroy(o); }
};
struct FontSetCloser {
    void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};
using FontSetPtr = std::unique_ptr<FcFontSet, FontSetCloser>;

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::map<std::string, gdi::FontAlias>& Aliases() {
    return gdi::Drawing().fontAliases;
}

// The installed families named `family` (fontconfig compares family names ignoring case).
std::vector<std::string> InstalledFamilies(const std::string& family) {
    std::vector<std::string> names;
    if (FcInit() == FcFalse) return names;
    PatternPtr pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    std::unique_ptr<FcObjectSet, ObjectSetCloser> objects(FcObjectSetBuild(FC_FAMILY, nullptr));
    FontSetPtr fonts(FcFontList(nullptr, pattern.get(), objects.get()));
    if (!fonts) return names;
    const std::string wanted = Lower(family);
    for (int i = 0; i < fonts->nfont; ++i) {
        FcChar8* name = nullptr;
        for (int id = 0; FcPatternGetString(fonts->fonts[i], FC_FAMILY, id, &name) == FcResultMatch;
             ++id) {
            const std::string n = reinterpret_cast<const char*>(name);
            if (Lower(n) == wanted && std::find(names.begin(), names.end(), n) == names.end()) {
                names.push_back(n);
            }
        }
    }
    return names;
}

// "arial.ttf" names the face "Arial": the file's stem with each word capitalised.
std::string FaceNameOfFile(const std::string& fileName) {
    std::string stem = std::filesystem::path(fileName).stem().string();
    bool start = true;
    for (char& c : stem) {
        const auto u = static_cast<unsigned char>(c);
        c = static_cast<char>(start ? std::toupper(u) : std::tolower(u));
        start = std::isspace(u) != 0 || c == '-' || c == '_';
    }
    return stem;
}

// An installed family that fontconfig's configuration declares metric-compatible with `face`
// (Liberation Sans for Arial); empty when there is none. The configuration adds such twins with
// the binding of the requested name (strong), while mere fallbacks (sans-serif, DejaVu Sans ...)
// come weakly bound.
std::string MetricTwinOf(const std::string& face) {
    PatternPtr pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcValue value;
    FcValueBinding binding = FcValueBindingWeak;
    const std::string lowerFace = Lower(face);
    for (int id = 0;
         FcPatternGetWithBinding(pattern.get(), FC_FAMILY, id, &value, &binding) == FcResultMatch;
         ++id) {
        if (value.type != FcTypeString || binding == FcValueBindingWeak) continue;
        const std::string candidate = reinterpret_cast<const char*>(value.u.s);
        if (Lower(candidate) == lowerFace) continue;
        const auto installed = InstalledFamilies(candidate);
        if (!installed.empty()) return installed.front();
    }
    return {};
}

class SystemCatalog final : public FontCatalog {
  public:
    std::vector<std::wstring> FamiliesNamed(std::wstring_view family) override {
        const std::string name = Utf8FromWide(family);
        std::vector<std::wstring> out;
        for (const std::string& n : InstalledFamilies(name)) out.push_back(WideFromUtf8(n));
        const auto alias = Aliases().find(Lower(name));
        if (alias != Aliases().end()) out.push_back(WideFromUtf8(alias->second.name));
        return out;
    }

    // A file that exists is added to fontconfig's application fonts. A missing file names a
    // face; the face becomes available when an installed family is its metric twin.
    bool RegisterFontFile(std::wstring_view fileName) override {
        const std::string file = Utf8FromWide(fileName);
        if (file.empty() || FcInit() == FcFalse) return false;
        std::error_code error;
        if (std::filesystem::is_regular_file(file, error)) {
            return FcConfigAppFontAddFile(nullptr,
                                          reinterpret_cast<const FcChar8*>(file.c_str())) == FcTrue;
        }
        const std::string face = FaceNameOfFile(file);
        if (face.empty()) return false;
        if (!InstalledFamilies(face).empty()) return true;
        const std::string twin = MetricTwinOf(face);
        if (twin.empty()) return false;
        Aliases()[Lower(face)] = gdi::FontAlias{face, twin};
        return true;
    }
};

}  // namespace

FontCatalog& CurrentFontCatalog() {
    static SystemCatalog system;  // no state of its own: the names it registers are the context's
    FontCatalog* const test = gdi::Drawing().fontCatalog;
    return test != nullptr ? *test : system;
}

void SetFontCatalogForTesting(FontCatalog* catalog) {
    gdi::Drawing().fontCatalog = catalog;
}

std::string FontFamilyFor(const std::string& faceName) {
    const std::string lower = Lower(faceName);
    // The dialog font of Windows is a name that stands for its dialog face. Drawn in Liberation
    // Sans (Arial's metric twin, about as wide as that face), texts sized for Windows dialogs fit
    // their controls here too; a default sans-serif face such as DejaVu Sans is wider and cuts
    // them.
    if (lower == "ms shell dlg" || lower == "ms shell dlg 2") return "Liberation Sans";
    const auto alias = Aliases().find(lower);
    return alias != Aliases().end() ? alias->second.family : faceName;
}
