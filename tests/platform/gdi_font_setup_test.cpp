// The application's font set-up and font table, against installed families and registration
// results chosen by the test.
#include <gtest/gtest.h>

#include "app/fonts.hpp"
#include "gdi_fake_font_catalog.hpp"

namespace {

LOGFONTW LogFontOf(HFONT font) {
    LOGFONTW lf;
    EXPECT_EQ(GetObjectW(font, sizeof(lf), &lf), static_cast<int>(sizeof(lf)));
    return lf;
}

void ExpectFontsCreated(const FontTable& table) {
    ASSERT_NE(table.Font(0), nullptr);
    ASSERT_NE(table.Font(1), nullptr);
    const LOGFONTW small = LogFontOf(table.Font(0));
    EXPECT_EQ(small.lfHeight, 14);
    EXPECT_EQ(small.lfWeight, 0);
    EXPECT_EQ(small.lfQuality, PROOF_QUALITY);
    EXPECT_EQ(std::wstring(small.lfFaceName), L"Arial");
    EXPECT_EQ(small.lfWidth, 0);
    EXPECT_EQ(small.lfItalic, 0);
    EXPECT_EQ(small.lfCharSet, 0);
    const LOGFONTW large = LogFontOf(table.Font(1));
    EXPECT_EQ(large.lfHeight, 18);
    EXPECT_EQ(large.lfWeight, 700);
    EXPECT_EQ(large.lfQuality, DRAFT_QUALITY);
    EXPECT_EQ(std::wstring(large.lfFaceName), L"Arial");
    for (int n = 2; n < FontTable::kSize; ++n) EXPECT_EQ(table.Font(n), nullptr) << n;
}

TEST(AppFonts, NoRegistrationWhenArialIsInstalled) {
    FakeCatalog catalog({L"Arial"});
    ScopedFontCatalog scope(catalog);
    FontTable table;
    EXPECT_EQ(table.SetUp(), TRUE);
    EXPECT_TRUE(catalog.registered.empty());
    ExpectFontsCreated(table);
}

TEST(AppFonts, FaceNameCompareIsCaseSensitive) {
    // Enumeration finds "ARIAL" for "Arial", but only an exact name counts as installed.
    FakeCatalog catalog({L"ARIAL"}, /*registrationSucceeds=*/true);
    ScopedFontCatalog scope(catalog);
    FontTable table;
    EXPECT_EQ(table.SetUp(), TRUE);
    EXPECT_EQ(catalog.registered, std::vector<std::wstring>{L"arial.ttf"});
    ExpectFontsCreated(table);
}

TEST(AppFonts, MissingFaceThatCannotBeRegisteredLeavesTheTableEmpty) {
    FakeCatalog catalog({L"Verdana"}, /*registrationSucceeds=*/false);
    ScopedFontCatalog scope(catalog);
    const std::size_t live = GdiLiveObjectCount();
    FontTable table;
    EXPECT_EQ(table.SetUp(), FALSE);
    EXPECT_EQ(catalog.registered, std::vector<std::wstring>{L"arial.ttf"});
    for (int n = 0; n < FontTable::kSize; ++n) EXPECT_EQ(table.Font(n), nullptr) << n;
    EXPECT_EQ(GdiLiveObjectCount(), live);  // the set-up's device context is gone too
}

TEST(AppFonts, LookupOutsideTheTableAndEmptyEntries) {
    FakeCatalog catalog({L"Arial"});
    ScopedFontCatalog scope(catalog);
    FontTable table;
    EXPECT_EQ(table.Font(0), nullptr);  // before set-up every entry is empty
    table.SetUp();
    EXPECT_EQ(table.Font(5), nullptr);
    EXPECT_EQ(table.Font(-1), nullptr);
    EXPECT_EQ(table.Font(FontTable::kSize), nullptr);
    // A repeated set-up replaces the two fonts without leaking the old ones.
    const std::size_t live = GdiLiveObjectCount();
    table.SetUp();
    EXPECT_EQ(GdiLiveObjectCount(), live);
    ExpectFontsCreated(table);
}

TEST(AppFonts, ProcessTableOnThisMachine) {
    // On this machine "Arial" is installed or its metric twin can stand in for it.
    EXPECT_EQ(SetUpFonts(), TRUE);
    EXPECT_EQ(AppFont(0), AppFontTable().Font(0));
    ASSERT_NE(AppFont(1), nullptr);
    EXPECT_NE(AppFont(1)->face, nullptr);
    EXPECT_EQ(AppFont(5), nullptr);
}

}  // namespace
