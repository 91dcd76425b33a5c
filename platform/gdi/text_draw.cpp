// Fonts and text output of device contexts.
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/draw_target.hpp"
#include "platform/gdi/font_catalog.hpp"
#include "platform/gdi/object_table.hpp"
#include "platform/gdi/text.hpp"

namespace {

const FontObject* FontOf(HDC dc) {
    const FontObject* font = dc->font != nullptr ? dc->font : gdi::StockSystemFont();
    return font->face ? font : gdi::StockSystemFont();
}

const FontFace* FaceOf(HDC dc) {
    return FontOf(dc)->face.get();
}

// The DC's font for the rendition of its target's surface; null when the surface has none.
std::shared_ptr<const FontFace> FineFaceOf(HDC dc, const gdi::DrawTarget& t) {
    if (t.scale() == 1) return nullptr;
    return ResolveFontAtScale(FontOf(dc)->logFont, t.scale());
}

std::wstring_view TextOf(const wchar_t* text, int length) {
    if (text == nullptr) return {};
    if (length < 0) return {text, std::wcslen(text)};
    return {text, static_cast<std::size_t>(length)};
}

// One line as drawn: its characters and the index of the character a prefix underlines.
struct Line {
    std::wstring text;
    int underline = -1;
};

// Splits the text into lines (at line feeds unless single-line) and resolves the '&' prefixes:
// "&x" draws x underlined, "&&" draws one '&'.
std::vector<Line> Layout(std::wstring_view text, UINT format) {
    std::vector<Line> lines(1);
    const bool prefix = (format & DT_NOPREFIX) == 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if ((format & DT_SINGLELINE) == 0 && (c == L'\n' || c == L'\r')) {
            if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
            lines.emplace_back();
            continue;
        }
        if (prefix && c == L'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != L'&')
                lines.back().underline = static_cast<int>(lines.back().text.size());
        }
        lines.back().text.push_back(text[i]);
    }
    return lines;
}

}  // namespace

HFONT CreateFontIndirectW(const LOGFONTW* logFont) {
    if (logFont == nullptr) return nullptr;
    auto font = std::make_unique<FontObject>();
    font->logFont = *logFont;
    font->face = ResolveFont(*logFont);
    return gdi::Adopt(std::move(font));
}

BOOL GetTextExtentPoint32W(HDC dc, const wchar_t* text, int length, SIZE* size) {
    if (dc == nullptr || size == nullptr || length < 0) return FALSE;
    const FontFace* face = FaceOf(dc);
    if (face == nullptr) return FALSE;
    *size = {face->width(TextOf(text, length)), face->height()};
    return TRUE;
}

BOOL TextOutW(HDC dc, int x, int y, const wchar_t* text, int length) {
    if (dc == nullptr || length < 0) return FALSE;
    const FontFace* face = FaceOf(dc);
    if (face == nullptr) return FALSE;
    const gdi::DrawTarget t = gdi::TargetOf(dc);
    if (!t.valid()) return FALSE;
    const std::wstring_view s = TextOf(text, length);
    const int sx = x + t.dx;
    const int sy = y + t.dy;
    if (dc->bkMode == OPAQUE) {
        t.fill({sx, sy, sx + face->width(s), sy + face->height()},
               gdi::StoredPixel(t, dc->bkColor));
    }
    const RECT unlimited{sx - 1'000'000, sy - 1'000'000, sx + 1'000'000, sy + 1'000'000};
    gdi::DrawGlyphRun(t, *face, FineFaceOf(dc, t).get(), sx, sy, s,
                      PixelFromColorref(dc->textColor), unlimited);
    return TRUE;
}

int DrawTextW(HDC dc, const wchar_t* text, int length, RECT* rect, UINT format) {
    if (dc == nullptr || rect == nullptr) return 0;
    const FontFace* face = FaceOf(dc);
    if (face == nullptr) return 0;
    const std::vector<Line> lines = Layout(TextOf(text, length), format);
    const int lineHeight = face->height();
    const int total = lineHeight * static_cast<int>(lines.size());

    if ((format & DT_CALCRECT) != 0) {
        int widest = 0;
        for (const Line& line : lines) widest = std::max(widest, face->width(line.text));
        rect->right = rect->left + widest;
        rect->bottom = rect->top + total;
        return total;
    }

    int top = rect->top;
    if ((format & DT_SINGLELINE) != 0) {
        if ((format & DT_VCENTER) != 0) {
            top = rect->top + (rect->bottom - rect->top - lineHeight) / 2;
        } else if ((format & DT_BOTTOM) != 0) {
            top = rect->bottom - lineHeight;
        }
    }

    const gdi::DrawTarget t = gdi::TargetOf(dc);
    if (t.valid()) {
        const RECT limit = (format & DT_NOCLIP) != 0
                               ? RECT{-1'000'000, -1'000'000, 1'000'000, 1'000'000}
                               : RECT{rect->left + t.dx, rect->top + t.dy, rect->right + t.dx,
                                      rect->bottom + t.dy};
        const std::uint32_t ink = PixelFromColorref(dc->textColor);
        const std::shared_ptr<const FontFace> fineFace = FineFaceOf(dc, t);
        int y = top;
        for (const Line& line : lines) {
            const int w = face->width(line.text);
            int x = rect->left;
            if ((format & DT_CENTER) != 0) {
                x = (rect->left + rect->right - w) / 2;
            } else if ((format & DT_RIGHT) != 0) {
                x = rect->right - w;
            }
            const int sx = x + t.dx;
            const int sy = y + t.dy;
            if (dc->bkMode == OPAQUE) {
                const RECT box{std::max<LONG>(sx, limit.left), std::max<LONG>(sy, limit.top),
                               std::min<LONG>(sx + w, limit.right),
                               std::min<LONG>(sy + lineHeight, limit.bottom)};
                t.fill(box, gdi::StoredPixel(t, dc->bkColor));
            }
            gdi::DrawGlyphRun(t, *face, fineFace.get(), sx, sy, line.text, ink, limit);
            if (line.underline >= 0) {
                const std::wstring_view before(line.text.data(),
                                               static_cast<std::size_t>(line.underline));
                const int ux = sx + face->width(before);
                const int uw = face->glyph(static_cast<char32_t>(
                                               line.text[static_cast<std::size_t>(line.underline)]))
                                   .advance;
                const int uy = sy + face->ascent() + 1;
                const RECT underline{std::max<LONG>(ux, limit.left), std::max<LONG>(uy, limit.top),
                                     std::min<LONG>(ux + uw, limit.right),
                                     std::min<LONG>(uy + 1, limit.bottom)};
                t.fill(underline, gdi::StoredPixel(t, dc->textColor));
            }
            y += lineHeight;
        }
    }
    return (format & (DT_VCENTER | DT_BOTTOM)) != 0 && (format & DT_SINGLELINE) != 0
               ? top - rect->top + total
               : total;
}

int EnumFontFamiliesW(HDC /*dc*/, const wchar_t* family, FONTENUMPROCW callback, LPARAM lParam) {
    if (family == nullptr || callback == nullptr) return 0;
    int last = 1;
    for (const std::wstring& name : CurrentFontCatalog().FamiliesNamed(family)) {
        LOGFONTW lf;
        lf.lfHeight = 16;
        lf.lfWeight = FW_NORMAL;
        lf.lfCharSet = DEFAULT_CHARSET;
        const std::size_t n = std::min<std::size_t>(name.size(), LF_FACESIZE - 1);
        std::copy_n(name.begin(), n, lf.lfFaceName);
        lf.lfFaceName[n] = L'\0';
        TEXTMETRICW tm;
        tm.tmWeight = FW_NORMAL;
        if (const auto face = ResolveFont(lf)) {
            tm.tmHeight = face->height();
            tm.tmAscent = face->ascent();
            tm.tmDescent = face->descent();
        }
        last = callback(&lf, &tm, TRUETYPE_FONTTYPE, lParam);
        if (last == 0) break;
    }
    return last;
}

int AddFontResourceW(const wchar_t* fileName) {
    if (fileName == nullptr) return 0;
    return CurrentFontCatalog().RegisterFontFile(fileName) ? 1 : 0;
}
