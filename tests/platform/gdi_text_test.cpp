// Text: faces and sizes, glyph pixels of Latin and Chinese text, DrawTextW's layout flags,
// clipping, background modes, and font enumeration and registration.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "gdi_fake_font_catalog.hpp"
#include "gdi_test_support.hpp"
#include "platform/gdi/text.hpp"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr std::uint32_t kWhitePixel = 0xFFFFFF;

LOGFONTW Arial(LONG height, LONG weight, BYTE quality) {
    LOGFONTW lf;
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfQuality = quality;
    const wchar_t face[] = L"Arial";
    std::copy(std::begin(face), std::end(face), lf.lfFaceName);
    return lf;
}

// A white canvas with a font selected, black text, transparent background.
class TextCanvas : public MemoryCanvas {
  public:
    TextCanvas(int width, int height, const LOGFONTW& lf) : MemoryCanvas(width, height, kWhite) {
        font_ = CreateFontIndirectW(&lf);
        old_ = SelectObject(dc(), font_);
        SetBkMode(dc(), TRANSPARENT);
        SetTextColor(dc(), kBlack);
    }
    ~TextCanvas() {
        SelectObject(dc(), old_);
        DeleteObject(font_);
    }
    HFONT font() const { return font_; }

  private:
    HFONT font_;
    HGDIOBJ old_;
};

int DarkPixels(const Surface& s) {
    return static_cast<int>(std::count_if(s.pixels().begin(), s.pixels().end(),
                                          [](std::uint32_t p) { return (p & 0xFF) < 128; }));
}

TEST(GdiText, ArialResolvesToArialOrItsMetricTwin) {
    const auto face = ResolveFont(Arial(14, 0, PROOF_QUALITY));
    ASSERT_NE(face, nullptr);
    EXPECT_TRUE(face->family() == "Arial" || face->family() == "Liberation Sans") << face->family();
    EXPECT_EQ(face->height(), 14);
    EXPECT_EQ(face->ascent() + face->descent(), 14);
    EXPECT_GT(face->ascent(), face->descent());
    // A negative height is the character height: the cell is taller.
    EXPECT_GT(ResolveFont(Arial(-14, 0, PROOF_QUALITY))->height(), 14);
    // The same request gives the same shared face.
    EXPECT_EQ(ResolveFont(Arial(14, 0, PROOF_QUALITY)), face);
}

TEST(GdiText, ApplyInTheLargeBoldFont) {
    TextCanvas c(120, 30, Arial(18, FW_BOLD, DRAFT_QUALITY));
    SIZE extent;
    ASSERT_TRUE(GetTextExtentPoint32W(c.dc(), L"Apply", 5, &extent));
    EXPECT_EQ(extent.cy, 18);
    EXPECT_GT(extent.cx, 30);
    EXPECT_LT(extent.cx, 70);
    ASSERT_TRUE(TextOutW(c.dc(), 5, 4, L"Apply", 5));

    const RECT ink = InkBounds(c.surface(), kWhitePixel);
    // From the top of the capital A to the bottom of the descenders of p and y.
    EXPECT_GE(ink.bottom - ink.top, 13);
    EXPECT_LE(ink.bottom - ink.top, 18);
    EXPECT_GE(ink.top, 4);
    EXPECT_LE(ink.bottom, 4 + 18);
    EXPECT_GE(ink.left, 5);
    EXPECT_LE(ink.right, 5 + extent.cx + 1);
    // Full-coverage pixels take exactly the text colour.
    EXPECT_NE(std::find(c.surface().pixels().begin(), c.surface().pixels().end(), 0u),
              c.surface().pixels().end());

    // Bold puts down clearly more ink than the regular weight.
    TextCanvas regular(120, 30, Arial(18, 0, DRAFT_QUALITY));
    TextOutW(regular.dc(), 5, 4, L"Apply", 5);
    EXPECT_GT(DarkPixels(c.surface()), DarkPixels(regular.surface()) * 11 / 10);
}

TEST(GdiText, ChineseTextRendersRealGlyphs) {
    const std::wstring text = L"灯效应用";
    TextCanvas c(120, 24, Arial(14, 0, PROOF_QUALITY));
    ASSERT_TRUE(TextOutW(c.dc(), 2, 2, text.c_str(), static_cast<int>(text.size())));
    const RECT ink = InkBounds(c.surface(), kWhitePixel);
    EXPECT_GE(ink.bottom - ink.top, 9);
    EXPECT_LE(ink.bottom - ink.top, 15);

    // Each character has its own glyph (a missing-glyph box would look the same for all four),
    // as wide as a CJK character is.
    const auto face = ResolveFont(Arial(14, 0, PROOF_QUALITY));
    std::set<std::vector<std::uint8_t>> shapes;
    for (const wchar_t ch : text) {
        const Glyph& g = face->glyph(static_cast<char32_t>(ch));
        EXPECT_GE(g.advance, 11) << static_cast<int>(ch);
        EXPECT_GT(std::count_if(g.coverage.begin(), g.coverage.end(),
                                [](std::uint8_t v) { return v > 128; }),
                  10);
        shapes.insert(g.coverage);
    }
    EXPECT_EQ(shapes.size(), 4u);
    // Each quarter of the drawn run holds ink.
    SIZE extent;
    GetTextExtentPoint32W(c.dc(), text.c_str(), 4, &extent);
    for (int i = 0; i < 4; ++i) {
        int dark = 0;
        for (int y = 0; y < 24; ++y) {
            for (int x = 2 + extent.cx * i / 4; x < 2 + extent.cx * (i + 1) / 4; ++x) {
                dark += (c.surface().at(x, y) & 0xFF) < 128 ? 1 : 0;
            }
        }
        EXPECT_GT(dark, 10) << "character " << i;
    }
}

TEST(GdiText, DrawTextAlignsInItsRectangle) {
    const LOGFONTW lf = Arial(18, FW_BOLD, DRAFT_QUALITY);
    const RECT box{0, 0, 200, 40};
    auto inkOf = [&](UINT format) {
        TextCanvas c(200, 40, lf);
        RECT r = box;
        const int h = DrawTextW(c.dc(), L"Apply", -1, &r, format);
        EXPECT_GT(h, 0);
        return InkBounds(c.surface(), kWhitePixel);
    };
    const RECT centred = inkOf(DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    EXPECT_NEAR((centred.left + centred.right) / 2.0, 100.0, 3.0);
    EXPECT_NEAR((centred.top + centred.bottom) / 2.0, 20.0, 3.0);
    const RECT right = inkOf(DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    EXPECT_GE(right.right, 195);
    EXPECT_LE(right.right, 200);
    EXPECT_EQ(right.top, centred.top);
    const RECT left = inkOf(DT_SINGLELINE);
    EXPECT_LE(left.left, 3);
    EXPECT_LT(left.top, centred.top);
    // Both alignment flags centre, as the platform does.
    EXPECT_EQ(inkOf(DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_RIGHT).left, centred.left);
}

TEST(GdiText, DrawTextClipsToItsRectangleUnlessAskedNotTo) {
    const LOGFONTW lf = Arial(18, FW_BOLD, DRAFT_QUALITY);
    TextCanvas c(200, 30, lf);
    RECT r{10, 0, 30, 30};
    DrawTextW(c.dc(), L"Lighting effect", -1, &r, DT_SINGLELINE | DT_VCENTER);
    const RECT ink = InkBounds(c.surface(), kWhitePixel);
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 30);

    TextCanvas free(200, 30, lf);
    RECT r2{10, 0, 30, 30};
    DrawTextW(free.dc(), L"Lighting effect", -1, &r2, DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
    EXPECT_GT(InkBounds(free.surface(), kWhitePixel).right, 60);
}

TEST(GdiText, CalcRectMeasuresWithoutDrawing) {
    TextCanvas c(200, 60, Arial(14, 0, PROOF_QUALITY));
    SIZE extent;
    GetTextExtentPoint32W(c.dc(), L"Lights Qty", 10, &extent);
    RECT r{5, 7, 6, 8};
    EXPECT_EQ(DrawTextW(c.dc(), L"Lights Qty", -1, &r, DT_SINGLELINE | DT_CALCRECT), 14);
    EXPECT_EQ(r, (RECT{5, 7, 5 + extent.cx, 7 + 14}));
    EXPECT_EQ(InkBounds(c.surface(), kWhitePixel), RECT{});

    // Without DT_SINGLELINE a line feed starts a new line.
    RECT two{0, 0, 0, 0};
    EXPECT_EQ(DrawTextW(c.dc(), L"Lights\nQty", -1, &two, DT_CALCRECT), 28);
}

TEST(GdiText, TwoLinesStackAndPrefixesUnderline) {
    TextCanvas c(120, 60, Arial(14, 0, PROOF_QUALITY));
    RECT r{0, 0, 120, 60};
    DrawTextW(c.dc(), L"Red\nBlue", -1, &r, DT_CENTER);
    const RECT ink = InkBounds(c.surface(), kWhitePixel);
    EXPECT_GT(ink.bottom - ink.top, 20);
    EXPECT_LE(ink.bottom, 28);

    // "&A" draws "A" underlined; "&&" draws one ampersand.
    SIZE plain;
    GetTextExtentPoint32W(c.dc(), L"About", 5, &plain);
    TextCanvas p(120, 30, Arial(14, 0, PROOF_QUALITY));
    RECT pr{0, 0, 120, 30};
    DrawTextW(p.dc(), L"&About", -1, &pr, DT_SINGLELINE);
    const RECT pink = InkBounds(p.surface(), kWhitePixel);
    EXPECT_LE(pink.right, plain.cx + 1);
    const int underlineRow = ResolveFont(Arial(14, 0, PROOF_QUALITY))->ascent() + 1;
    EXPECT_EQ(p.surface().at(2, underlineRow), 0u);
    TextCanvas q(120, 30, Arial(14, 0, PROOF_QUALITY));
    RECT qr{0, 0, 120, 30};
    DrawTextW(q.dc(), L"&About", -1, &qr, DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_GT(InkBounds(q.surface(), kWhitePixel).right, pink.right + 3);
}

TEST(GdiText, OpaqueBackgroundFillsTheTextCell) {
    TextCanvas c(100, 30, Arial(14, 0, PROOF_QUALITY));
    SetBkMode(c.dc(), OPAQUE);
    SetBkColor(c.dc(), RGB(255, 0, 0));
    TextOutW(c.dc(), 10, 5, L"ab", 2);
    SIZE extent;
    GetTextExtentPoint32W(c.dc(), L"ab", 2, &extent);
    EXPECT_EQ(c.at(10, 5), RGB(255, 0, 0));
    EXPECT_EQ(c.at(10 + extent.cx - 1, 5 + 13), RGB(255, 0, 0));
    EXPECT_EQ(c.at(10 + extent.cx, 5), kWhite);
    EXPECT_EQ(c.at(10, 4), kWhite);
    EXPECT_EQ(c.at(10, 5 + 14), kWhite);
}

TEST(GdiText, DefaultSystemFontDrawsWithoutAnySelection) {
    MemoryCanvas c(80, 24, kWhite);
    SetBkMode(c.dc(), TRANSPARENT);
    ASSERT_TRUE(TextOutW(c.dc(), 0, 0, L" 61", 3));
    const RECT ink = InkBounds(c.surface(), kWhitePixel);
    EXPECT_GT(ink.right - ink.left, 8);
    EXPECT_GE(ink.bottom - ink.top, 8);
    EXPECT_LE(ink.bottom, 16);
    // The leading space moves the digits right.
    EXPECT_GT(ink.left, 2);
}

TEST(GdiText, TextInAWindowContextStaysInsideItsClip) {
    Surface window(100, 40, kWhitePixel);
    HDC dc = GdiCreateSurfaceDC(&window, {20, 10}, Region::FromRect({20, 10, 40, 30}));
    LOGFONTW lf = Arial(18, FW_BOLD, DRAFT_QUALITY);
    HFONT font = CreateFontIndirectW(&lf);
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 0, 0, L"WWWWWW", 6);
    const RECT ink = InkBounds(window, kWhitePixel);
    EXPECT_GE(ink.left, 20);
    EXPECT_LE(ink.right, 40);
    EXPECT_GE(ink.top, 10);
    EXPECT_GT(ink.right - ink.left, 10);
    DeleteDC(dc);
    DeleteObject(font);
}

class GdiFontCatalog : public ::testing::Test {
  protected:
    void SetUp() override { SetFontCatalogForTesting(&fake); }
    void TearDown() override { SetFontCatalogForTesting(nullptr); }
    FakeCatalog fake;
};

struct Seen {
    std::vector<std::wstring> names;
    int stopAfter = 100;
};

int Collect(const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM lParam) {
    auto* seen = reinterpret_cast<Seen*>(lParam);
    seen->names.emplace_back(lf->lfFaceName);
    return static_cast<int>(seen->names.size()) < seen->stopAfter ? 1 : 0;
}

TEST_F(GdiFontCatalog, EnumerationReportsInstalledNamesAndStopsOnZero) {
    fake.installed = {L"ARIAL", L"arial", L"Verdana"};
    Seen seen;
    EXPECT_EQ(EnumFontFamiliesW(nullptr, L"Arial", Collect, reinterpret_cast<LPARAM>(&seen)), 1);
    EXPECT_EQ(seen.names, (std::vector<std::wstring>{L"ARIAL", L"arial"}));
    Seen once{{}, 1};
    EXPECT_EQ(EnumFontFamiliesW(nullptr, L"Arial", Collect, reinterpret_cast<LPARAM>(&once)), 0);
    EXPECT_EQ(once.names.size(), 1u);
    Seen none;
    EXPECT_EQ(EnumFontFamiliesW(nullptr, L"Tahoma", Collect, reinterpret_cast<LPARAM>(&none)), 1);
    EXPECT_TRUE(none.names.empty());
}

TEST_F(GdiFontCatalog, RegistrationAsksTheCatalog) {
    EXPECT_EQ(AddFontResourceW(L"arial.ttf"), 0);
    fake.registrationWorks = true;
    EXPECT_EQ(AddFontResourceW(L"arial.ttf"), 1);
    EXPECT_EQ(fake.registered, (std::vector<std::wstring>{L"arial.ttf", L"arial.ttf"}));
    EXPECT_EQ(AddFontResourceW(nullptr), 0);
}

// The system catalog on this machine: fontconfig substitutes Liberation Sans for Arial, but an
// alias is not an installed family; registering "arial.ttf" makes "Arial" available.
TEST(GdiSystemFonts, AliasIsNotInstalledUntilRegistered) {
    Seen liberation;
    EnumFontFamiliesW(nullptr, L"liberation sans", Collect, reinterpret_cast<LPARAM>(&liberation));
    if (liberation.names.empty()) GTEST_SKIP() << "Liberation Sans is not installed";
    EXPECT_EQ(liberation.names, std::vector<std::wstring>{L"Liberation Sans"});

    Seen before;
    EnumFontFamiliesW(nullptr, L"Arial", Collect, reinterpret_cast<LPARAM>(&before));
    const bool arialInstalled = !before.names.empty();
    for (const auto& name : before.names) EXPECT_EQ(name, L"Arial");

    EXPECT_EQ(AddFontResourceW(L"arial.ttf"), 1);
    Seen after;
    EnumFontFamiliesW(nullptr, L"Arial", Collect, reinterpret_cast<LPARAM>(&after));
    ASSERT_FALSE(after.names.empty());
    EXPECT_EQ(after.names.front(), L"Arial");
    if (!arialInstalled) {
        EXPECT_EQ(ResolveFont(Arial(18, FW_BOLD, DRAFT_QUALITY))->family(), "Liberation Sans");
    }
    EXPECT_EQ(AddFontResourceW(L"no-such-face-at-all.ttf"), 0);
}

}  // namespace

namespace {

TEST(GdiText, AbsurdHeightsAreKeptToScreenSizes) {
    const auto face = ResolveFont(Arial(1000000, 0, PROOF_QUALITY));
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->height(), 1000);
}

}  // namespace
