#include "app/fonts.hpp"

#include <algorithm>
#include <cwchar>

#include "platform/context.hpp"

namespace {

struct FontRegistration {
    const wchar_t* face;
    const wchar_t* file;
    bool needsRegistration;
};

struct FontSpec {
    int number;
    LONG height;
    LONG weight;
    BYTE quality;
    const wchar_t* face;
};

constexpr std::array<FontSpec, 2> kFonts{{
    {0, 14, 0, PROOF_QUALITY, L"Arial"},
    {1, 18, FW_BOLD, DRAFT_QUALITY, L"Arial"},
}};

// Clears the row's flag at the first family whose name is the row's face exactly (the whole
// string, case-sensitive) and stops the enumeration there.
int FindFace(const LOGFONTW* logFont, const TEXTMETRICW* /*metrics*/, DWORD /*fontType*/,
             LPARAM lParam) {
    auto* row = reinterpret_cast<FontRegistration*>(lParam);
    if (std::wcscmp(logFont->lfFaceName, row->face) == 0) {
        row->needsRegistration = false;
        return 0;
    }
    return 1;
}

}  // namespace

BOOL FontTable::SetUp() {
    std::array<FontRegistration, 1> registrations{{{L"Arial", L"arial.ttf", true}}};
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    for (FontRegistration& row : registrations) {
        EnumFontFamiliesW(dc, row.face, FindFace, reinterpret_cast<LPARAM>(&row));
        // The registration lasts as long as the process; it is never removed.
        if (row.needsRegistration && AddFontResourceW(row.file) == 0) {
            dc.DeleteDC();
            return FALSE;  // no font is created; the table stays as it was
        }
    }
    dc.DeleteDC();

    for (const FontSpec& spec : kFonts) {
        LOGFONTW lf;
        lf.lfHeight = spec.height;
        lf.lfWeight = spec.weight;
        lf.lfQuality = spec.quality;
        const std::size_t n = std::min<std::size_t>(std::wcslen(spec.face), LF_FACESIZE - 1);
        std::copy_n(spec.face, n, lf.lfFaceName);
        CFont& font = fonts_[static_cast<std::size_t>(spec.number)];
        font.DeleteObject();  // a repeated set-up replaces the fonts
        font.CreateFontIndirectW(&lf);
    }
    return TRUE;
}

HFONT FontTable::Font(int number) const {
    if (number < 0 || number >= kSize) return nullptr;
    return fonts_[static_cast<std::size_t>(number)];
}

FontTable& AppFontTable() {
    // Its fonts are drawing objects, which live as long as the platform context: so does it.
    return platform::Context::Current().Part<FontTable>();
}

BOOL SetUpFonts() {
    return AppFontTable().SetUp();
}

HFONT AppFont(int number) {
    return AppFontTable().Font(number);
}
