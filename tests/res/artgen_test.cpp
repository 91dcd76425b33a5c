// The art generator's building blocks: shapes, blending, hues, the ID rules of the catalog, the
// white cut-out corners, text masks and the preview's shaped placement.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "platform/gdi/bmp.hpp"
#include "platform/gdi/png.hpp"
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

// Device pixels of the canvas equal to p.
int CountDevice(const Canvas& c, std::uint32_t p) {
    int n = 0;
    for (int y = 0; y < c.deviceHeight(); ++y)
        for (int x = 0; x < c.deviceWidth(); ++x) n += c.device(x, y) == p ? 1 : 0;
    return n;
}

TEST(ArtgenCanvas, AtAScaleThePixelCallsWriteWholeBlocks) {
    Canvas c(4, 3, Rgb{0, 0, 0}, 3);
    ASSERT_EQ(c.width(), 4);
    ASSERT_EQ(c.deviceWidth(), 12);
    ASSERT_EQ(c.deviceHeight(), 9);
    c.Set(1, 1, 0xFF0000u);
    c.FillRect(3, 0, 9, 1, Rgb{0, 255, 0});  // clipped to the picture's last column
    c.Blend(0, 2, Rgb{200, 100, 50}, 0.5);
    c.Set(4, 0, 0x0000FFu);  // outside: ignored
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 12; ++x) {
            std::uint32_t expected = 0;
            if (x / 3 == 1 && y / 3 == 1) expected = 0xFF0000u;
            if (x / 3 == 3 && y / 3 == 0) expected = 0x00FF00u;
            if (x / 3 == 0 && y / 3 == 2) expected = Pack({100, 50, 25});
            ASSERT_EQ(c.device(x, y), expected) << x << "," << y;
        }
    EXPECT_EQ(c.at(1, 1), 0xFF0000u);
    // Copies between canvases of one scale go device pixel by device pixel.
    Canvas target(6, 4, Rgb{0, 0, 0}, 3);
    target.Blit(c, 1, 1);
    EXPECT_EQ(target.device(3 + 3, 3 + 3), 0xFF0000u);
    EXPECT_EQ(target.device(3 + 2, 3 + 3), 0u);
    EXPECT_EQ(CountDevice(target, 0xFF0000u), 9);
    const Canvas crop = Crop(target, 2, 2, 2, 2);
    EXPECT_EQ(crop.scale(), 3);
    EXPECT_EQ(crop.at(0, 0), 0xFF0000u);
    EXPECT_EQ(CountDevice(crop, 0xFF0000u), 9);
}

// The sum of the red channel over the canvas, in the picture's pixels (device pixels count
// 1 / scale^2 each), and how many device pixels are partly red.
struct RedCover {
    double area = 0;
    int partial = 0;
};
RedCover RedCoverOf(const Canvas& c) {
    RedCover cover;
    const double s = c.scale();
    for (int y = 0; y < c.deviceHeight(); ++y)
        for (int x = 0; x < c.deviceWidth(); ++x) {
            const std::uint32_t red = c.device(x, y) >> 16;
            cover.area += red / 255.0 / (s * s);
            cover.partial += red > 0 && red < 255 ? 1 : 0;
        }
    return cover;
}

TEST(ArtgenShapes, AtAScaleAShapeCoversTheSameAreaWithAnEdgeOneDevicePixelWide) {
    const auto disc = [](double x, double y) { return SdCircle(x, y, 10, 10, 6); };
    Canvas one(20, 20, Rgb{0, 0, 0});
    Canvas two(20, 20, Rgb{0, 0, 0}, 2);
    Canvas four(20, 20, Rgb{0, 0, 0}, 4);
    for (Canvas* c : {&one, &two, &four}) Fill(*c, disc, Rgb{255, 0, 0});
    const RedCover a = RedCoverOf(one);
    const RedCover b = RedCoverOf(two);
    const RedCover d = RedCoverOf(four);
    const double circle = 3.14159265358979 * 36;
    EXPECT_NEAR(a.area, circle, circle * 0.01);
    EXPECT_NEAR(b.area, circle, circle * 0.01);
    EXPECT_NEAR(d.area, circle, circle * 0.01);
    // The edge is a band of one device pixel around the same circumference: twice as many
    // device pixels at each doubling, not four times (as enlarged blocks would be).
    ASSERT_GT(a.partial, 0);
    EXPECT_LT(b.partial, 3 * a.partial);
    EXPECT_GT(b.partial, a.partial);
    EXPECT_LT(d.partial, 3 * b.partial);
    // A glow spreads over the same distance in the picture's pixels.
    Canvas glowOne(20, 20, Rgb{0, 0, 0});
    Canvas glowTwo(20, 20, Rgb{0, 0, 0}, 2);
    for (Canvas* c : {&glowOne, &glowTwo}) Glow(*c, disc, 3, Rgb{255, 0, 0}, 1);
    EXPECT_NEAR(RedCoverOf(glowTwo).area, RedCoverOf(glowOne).area,
                RedCoverOf(glowOne).area * 0.05);
    EXPECT_EQ(glowTwo.device(2 * 10, 1) >> 16, 0u) << "beyond the glow's spread";
    EXPECT_GT(glowTwo.device(2 * 10, 2 * 2 + 1) >> 16, 0u) << "within the glow's spread";
}

TEST(ArtgenKit, AtAScaleCutCornersWhitensTheBlocksOfThePixelsItWhitensAt1x) {
    Canvas one(20, 10, Rgb{10, 20, 30});
    Canvas three(20, 10, Rgb{10, 20, 30}, 3);
    CutCorners(one, 4);
    CutCorners(three, 4);
    for (int y = 0; y < three.deviceHeight(); ++y)
        for (int x = 0; x < three.deviceWidth(); ++x)
            ASSERT_EQ(three.device(x, y), one.at(x / 3, y / 3)) << x << "," << y;
}

TEST(ArtgenText, AtAScaleTextIsFinerAndLandsWhereItDoesAt1x) {
    struct Ink {
        int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
    };
    const auto inkOf = [](const Canvas& c) {
        Ink ink;
        for (int y = 0; y < c.deviceHeight(); ++y)
            for (int x = 0; x < c.deviceWidth(); ++x)
                if (c.device(x, y) != 0) {
                    ink.left = std::min(ink.left, x);
                    ink.right = std::max(ink.right, x);
                    ink.top = std::min(ink.top, y);
                    ink.bottom = std::max(ink.bottom, y);
                }
        return ink;
    };
    TextLook look;
    look.paint = Solid({255, 255, 255});
    Canvas one(80, 30, Rgb{0, 0, 0});
    Canvas two(80, 30, Rgb{0, 0, 0}, 2);
    Print(one, L"SYNC 64", {L"Arial", 14, true}, 40, 15, Align::Center, look);
    Print(two, L"SYNC 64", {L"Arial", 14, true}, 40, 15, Align::Center, look);
    const Ink a = inkOf(one);
    const Ink b = inkOf(two);
    ASSERT_GE(a.right, 0);
    ASSERT_GE(b.right, 0);
    // Centred on the same point, in the picture's pixels, and about twice as wide in device pixels.
    EXPECT_NEAR((b.left + b.right + 1) / 4.0, 40, 1.0);
    EXPECT_NEAR((b.top + b.bottom + 1) / 4.0, 15, 1.0);
    EXPECT_NEAR(b.right - b.left + 1, 2 * (a.right - a.left + 1), 4);
    EXPECT_NEAR(b.bottom - b.top + 1, 2 * (a.bottom - a.top + 1), 3);
    // Drawn at the device's resolution, not as blocks.
    int offBlock = 0;
    for (int y = 0; y < two.deviceHeight(); ++y)
        for (int x = 0; x < two.deviceWidth(); ++x)
            offBlock += two.device(x, y) != two.device(x - x % 2, y - y % 2) ? 1 : 0;
    EXPECT_GT(offBlock, 100);
}

// The committed artwork is what the generator draws, at 1x and at 2x (pictures without text,
// which would depend on the fonts installed).
TEST(ArtgenCatalog, TheCommittedPicturesAreWhatTheGeneratorDraws) {
    for (const Piece& piece : Bitmaps()) {
        if (piece.id != 227 && piece.id != 233 && piece.id != 248 && piece.id != 249) continue;
        const std::string name = std::to_string(piece.id);
        const auto bmp = ReadWholeFile(std::string(VR_RES_DIR) + "/bitmaps/" + name + ".bmp");
        const auto png = ReadWholeFile(std::string(VR_RES_DIR) + "/bitmaps/2x/" + name + ".png");
        ASSERT_TRUE(bmp && png) << name;
        const auto committed = DecodeBmp(*bmp);
        const auto committedFine = DecodePng(*png);
        ASSERT_TRUE(committed && committedFine) << name;
        const Canvas drawn = piece.draw(1);
        const Canvas drawnFine = piece.draw(2);
        EXPECT_TRUE(std::equal(committed->pixels().begin(), committed->pixels().end(),
                               drawn.surface().pixels().begin(), drawn.surface().pixels().end()))
            << name;
        EXPECT_TRUE(std::equal(committedFine->pixels().begin(), committedFine->pixels().end(),
                               drawnFine.surface().pixels().begin(),
                               drawnFine.surface().pixels().end()))
            << name << " at 2x";
    }
}

}  // namespace
}  // namespace art
