// The art generator's building blocks: shapes, blending, hues, the ID rules of the catalog, the
// white cut-out corners, text masks and the preview's shaped placement.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tools/artgen/canvas.hpp"
#include "tools/artgen/catalog.hpp"
#include "tools/artgen/kit.hpp"
#include "tools/artgen/shapes.hpp"
#include "tools/artgen/text.hpp"

namespace art {
namespace {

TEST(ArtgenShapes, SignedDistancesAreNegativeInsideAndPositiveOutside) {
    EXPECT_LT(SdRoundRect(10, 10, 0, 0, 20, 20, 5), 0);
    EXPECT_GT(SdRoundRect(25, 10, 0, 0, 20, 20, 5), 0);
    EXPECT_NEAR(SdRoundRect(25, 10, 0, 0, 20, 20, 5), 5, 1e-9);
    // The very corner of the box lies outside its rounding.
    EXPECT_GT(SdRoundRect(0.5, 0.5, 0, 0, 20, 20, 5), 0);
    const std::vector<Pt> triangle{{0, 0}, {10, 0}, {0, 10}};
    EXPECT_LT(SdPolygon(2, 2, triangle), 0);
    EXPECT_GT(SdPolygon(8, 8, triangle), 0);
    EXPECT_NEAR(SdPolygon(5, -3, triangle), 3, 1e-9);
    EXPECT_LT(SdRing(15, 10, 10, 10, 5, 1), 0);
    EXPECT_GT(SdRing(10, 10, 10, 10, 5, 1), 0);
    EXPECT_NEAR(SdSegment(5, 3, {0, 0}, {10, 0}, 1), 2, 1e-9);
}

TEST(ArtgenShapes, FillCoversInsideBlendsTheEdgeAndLeavesTheOutside) {
    Canvas c(20, 20, Rgb{0, 0, 0});
    Fill(
        c, [](double x, double y) { return SdCircle(x, y, 10, 10, 6); }, Rgb{255, 0, 0});
    EXPECT_EQ(c.at(10, 10), 0xFF0000u);
    EXPECT_EQ(c.at(1, 1), 0x000000u);
    // A pixel the edge passes through is partly covered.
    bool blended = false;
    for (int x = 0; x < 20; ++x) {
        const std::uint32_t red = c.at(x, 10) >> 16;
        blended = blended || (red > 0 && red < 255);
    }
    EXPECT_TRUE(blended);
}

TEST(ArtgenCanvas, PackRoundsAndClampsAndBlendMixes) {
    EXPECT_EQ(Pack({255.4, -3, 300}), 0xFF00FFu);
    EXPECT_EQ(Pack({12.5, 0.49, 7}), 0x0D0007u);
    Canvas c(2, 1, Rgb{0, 0, 0});
    c.Blend(0, 0, {200, 100, 50}, 0.5);
    EXPECT_EQ(c.at(0, 0), Pack({100, 50, 25}));
    c.Blend(5, 5, {255, 255, 255}, 1);  // outside: ignored
    EXPECT_EQ(c.at(1, 0), 0u);
}

TEST(ArtgenHues, PrimariesAndSecondariesAreExact) {
    EXPECT_EQ(Pack(HueColor(0)), 0xFF0000u);
    EXPECT_EQ(Pack(HueColor(60)), 0xFFFF00u);
    EXPECT_EQ(Pack(HueColor(120)), 0x00FF00u);
    EXPECT_EQ(Pack(HueColor(240)), 0x0000FFu);
    EXPECT_EQ(Pack(HueColor(360)), 0xFF0000u);
    EXPECT_EQ(Pack(HueColor(-60)), 0xFF00FFu);
}

TEST(ArtgenCatalog, EffectImagesFollowTheProgramsNumbering) {
    EXPECT_EQ(EffectSelectedId(1), 131);
    EXPECT_EQ(EffectUnselectedId(1), 132);
    EXPECT_EQ(EffectSelectedId(7), 143);
    EXPECT_EQ(EffectUnselectedId(7), 144);
    EXPECT_EQ(EffectGreyedId(7), 0);
    EXPECT_EQ(EffectSelectedId(8), 145);
    EXPECT_EQ(EffectGreyedId(8), 146);
    EXPECT_EQ(EffectUnselectedId(8), 147);
    EXPECT_EQ(EffectSelectedId(24), 193);
    EXPECT_EQ(EffectUnselectedId(24), 195);
    EXPECT_EQ(EffectWidth(3), 59);
    EXPECT_EQ(EffectWidth(5), 59);
    EXPECT_EQ(EffectWidth(16), 59);
    EXPECT_EQ(EffectWidth(9), 60);
}

TEST(ArtgenCatalog, EveryIdAppearsOnceAndNoneIsLeftOut) {
    std::set<int> ids;
    for (const Piece& p : Bitmaps()) EXPECT_TRUE(ids.insert(p.id).second) << p.id;
    EXPECT_EQ(ids.size(), 112u);
    for (int id = 130; id <= 223; ++id) EXPECT_EQ(ids.count(id), 1u) << id;
    for (const int id :
         {227, 228, 231, 232, 233, 236, 237, 240, 241, 242, 243, 244, 245, 246, 247, 248, 249, 250})
        EXPECT_EQ(ids.count(id), 1u) << id;
    EXPECT_EQ(AppIconPiece().id, 128);
}

TEST(ArtgenKit, CutCornersWhitensOnlyTheCornersAndNoWholeRow) {
    Canvas c(20, 10, Rgb{10, 20, 30});
    CutCorners(c, 4);
    EXPECT_EQ(c.at(0, 0), 0xFFFFFFu);
    EXPECT_EQ(c.at(19, 9), 0xFFFFFFu);
    EXPECT_EQ(c.at(10, 5), Pack({10, 20, 30}));
    EXPECT_EQ(c.at(10, 0), Pack({10, 20, 30}));
    for (int y = 0; y < 10; ++y) {
        int white = 0;
        for (int x = 0; x < 20; ++x) white += c.at(x, y) == 0xFFFFFFu ? 1 : 0;
        EXPECT_LT(white, 20) << "row " << y;
    }
}

TEST(ArtgenText, MasksAreCroppedToTheirInkAndGrowWithTheText) {
    const TextMask one(L"4", {L"Arial", 12, true});
    const TextMask two(L"64", {L"Arial", 12, true});
    ASSERT_GT(one.width(), 0);
    EXPECT_GT(two.width(), one.width());
    EXPECT_LE(one.height(), 12);
    // Cropped: the first and last columns carry ink.
    double first = 0;
    double last = 0;
    for (int y = 0; y < two.height(); ++y) {
        first += two.at(0, y);
        last += two.at(two.width() - 1, y);
    }
    EXPECT_GT(first, 0);
    EXPECT_GT(last, 0);
    // Chinese text renders through the fallback face.
    EXPECT_GT(TextMask(L"当前灯数", {L"Arial", 15, true}).width(), 40);
}

TEST(ArtgenText, PrintCentresTheInkOnTheGivenPoint) {
    Canvas c(60, 30, Rgb{0, 0, 0});
    TextLook look;
    look.paint = Solid({255, 255, 255});
    Print(c, L"SYNC", {L"Arial", 14, true}, 30, 15, Align::Center, look);
    int left = 60, right = -1, top = 30, bottom = -1;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x)
            if (c.at(x, y) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, 0);
    EXPECT_NEAR((left + right + 1) / 2.0, 30, 1.0);
    EXPECT_NEAR((top + bottom + 1) / 2.0, 15, 1.0);
}

}  // namespace
}  // namespace art
