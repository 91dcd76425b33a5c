// Checks of the artwork: every bitmap the program loads is there, through its own resource
// loader, at the size its controls expect, with the cut-out and transparency colours the drawing
// code relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/gdi/afxgdi.hpp"
#include "platform/gdi/bmp.hpp"
#include "platform/gdi/drawing_state.hpp"
#include "platform/gdi/icon.hpp"
#include "platform/gdi/resources.hpp"
#include "platform/res/resource_table.hpp"
#include "platform/wnd/wnd.hpp"
#include "tests/support/bitmap_pixels.hpp"

namespace {

struct Expected {
    int id;
    int width;
    int height;
};

int Red(std::uint32_t p) {
    return static_cast<int>((p >> 16) & 0xFF);
}
int Green(std::uint32_t p) {
    return static_cast<int>((p >> 8) & 0xFF);
}
int Blue(std::uint32_t p) {
    return static_cast<int>(p & 0xFF);
}
bool NearWhite(std::uint32_t p) {
    return Red(p) >= 253 && Green(p) >= 253 && Blue(p) >= 253;
}
double Luma(std::uint32_t p) {
    return 0.299 * Red(p) + 0.587 * Green(p) + 0.114 * Blue(p);
}

Surface Load(int id) {
    Surface image = ResourcePixels(static_cast<UINT>(id));
    if (image.empty()) ADD_FAILURE() << "bitmap " << id << " cannot be loaded";
    return image;
}

// Effect e (1..24) sits in grid column (e - 1) % 8; columns 2, 4 and 7 are one pixel narrower.
int EffectWidth(int effect) {
    const int column = (effect - 1) % 8;
    return column == 2 || column == 4 || column == 7 ? 59 : 60;
}

std::vector<Expected> EffectBitmaps() {
    std::vector<Expected> list;
    for (int e = 1; e <= 7; ++e) {
        list.push_back({130 + 2 * e, EffectWidth(e), 59});
        list.push_back({129 + 2 * e, EffectWidth(e), 59});
    }
    for (int e = 8; e <= 24; ++e)
        for (int k = 0; k < 3; ++k) list.push_back({145 + 3 * (e - 8) + k, EffectWidth(e), 59});
    return list;
}

// Every bitmap a window shapes itself after with the white cut-out (buttons and popup skins).
std::vector<Expected> ShapedBitmaps() {
    std::vector<Expected> list = EffectBitmaps();
    const std::vector<Expected> others = {
        {196, 24, 28},  {197, 24, 28},  {198, 24, 28},   {199, 24, 28},   {200, 72, 32},
        {201, 72, 32},  {202, 70, 32},  {203, 70, 32},   {204, 34, 19},   {205, 34, 19},
        {206, 194, 49}, {207, 194, 49}, {227, 171, 171}, {240, 340, 195}, {241, 114, 32},
        {242, 114, 32}, {243, 114, 32}, {244, 114, 32},  {248, 17, 16},   {249, 17, 16},
        {250, 340, 195}};
    list.insert(list.end(), others.begin(), others.end());
    for (int id = 208; id <= 223; ++id) list.push_back({id, 29, 28});
    return list;
}

std::vector<Expected> AllBitmaps() {
    std::vector<Expected> list = ShapedBitmaps();
    const std::vector<Expected> others = {
        {130, 800, 540}, {228, 132, 12}, {231, 132, 12}, {232, 132, 12}, {233, 3, 12},
        {236, 3, 12},    {237, 3, 12},   {245, 243, 16}, {246, 243, 16}, {247, 9, 16}};
    list.insert(list.end(), others.begin(), others.end());
    return list;
}

TEST(ArtFiles, EveryLoadedBitmapExistsAtItsExactSize) {
    const std::vector<Expected> all = AllBitmaps();
    EXPECT_EQ(all.size(), 112u);
    for (const Expected& e : all) {
        const Surface image = Load(e.id);
        EXPECT_EQ(image.width(), e.width) << "bitmap " << e.id;
        EXPECT_EQ(image.height(), e.height) << "bitmap " << e.id;
    }
}

TEST(ArtFiles, CommittedFilesAre24BitsPerPixel) {
    for (const Expected& e : AllBitmaps()) {
        const auto file =
            ReadWholeFile(std::string(VR_RES_DIR) + "/bitmaps/" + std::to_string(e.id) + ".bmp");
        ASSERT_TRUE(file.has_value()) << "bitmap " << e.id;
        ASSERT_GT(file->size(), 30u);
        EXPECT_EQ((*file)[28], 24) << "bitmap " << e.id;
    }
}

// The renditions built into the program are the committed files byte for byte, one for each
// bitmap at each scale.
TEST(ArtFiles, TheRenditionsBuiltInAreTheCommittedFiles) {
    const std::pair<int, std::span<const EmbeddedResource>> tables[] = {
        {2, EmbeddedBitmaps2x()}, {3, EmbeddedBitmaps3x()}, {4, EmbeddedBitmaps4x()}};
    for (const auto& [scale, table] : tables) {
        EXPECT_EQ(table.size(), AllBitmaps().size()) << "at " << scale;
        for (const EmbeddedResource& r : table) {
            const auto file =
                ReadWholeFile(std::string(VR_RES_DIR) + "/bitmaps/" + std::to_string(scale) + "x/" +
                              std::to_string(r.id) + ".png");
            ASSERT_TRUE(file.has_value()) << r.id << " at " << scale;
            EXPECT_TRUE(std::equal(file->begin(), file->end(), r.data, r.data + r.size))
                << r.id << " at " << scale;
            EXPECT_EQ(file->size(), r.size) << r.id << " at " << scale;
        }
    }
}

TEST(ArtFiles, IconIs32By32WithMagentaAroundIt) {
    const HICON icon = LoadIconW(AfxGetResourceHandle(), 128);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->image.width(), 32);
    EXPECT_EQ(icon->image.height(), 32);
    EXPECT_EQ(icon->image.at(0, 0), kIconTransparentPixel);
    EXPECT_TRUE(icon->opaque[16 * 32 + 16]);
    EXPECT_GT(std::count(icon->opaque.begin(), icon->opaque.end(), true), 32 * 32 / 2);
}

TEST(ArtShapes, SkinKeepsItsWholeRectangleAndTheWhitePreviewSquare) {
    const Surface skin = Load(130);
    ASSERT_EQ(skin.width(), 800);
    for (int y = 0; y < skin.height(); ++y) {
        EXPECT_FALSE(NearWhite(skin.at(0, y))) << "row " << y;
        EXPECT_FALSE(NearWhite(skin.at(799, y))) << "row " << y;
    }
    for (int y = 273; y < 330; ++y)
        for (int x = 585; x < 645; ++x) ASSERT_EQ(skin.at(x, y), 0xFFFFFFu) << x << "," << y;
}

TEST(ArtShapes, NoShapedBitmapHasAnAllWhiteRow) {
    for (const Expected& e : ShapedBitmaps()) {
        const Surface image = Load(e.id);
        for (int y = 0; y < image.height(); ++y) {
            bool allWhite = true;
            for (int x = 0; x < image.width() && allWhite; ++x)
                allWhite = NearWhite(image.at(x, y));
            EXPECT_FALSE(allWhite) << "bitmap " << e.id << " row " << y;
        }
    }
}

TEST(ArtThumbs, ColourThumbsHaveTransparentTopAndBottomRowsAndAColouredBar) {
    for (const int id : {233, 236, 237}) {
        const Surface thumb = Load(id);
        ASSERT_EQ(thumb.width(), 3);
        ASSERT_EQ(thumb.height(), 12);
        const std::uint32_t key = thumb.at(0, 0);
        EXPECT_EQ(key, 0x080808u) << "bitmap " << id;
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(thumb.at(x, 0), key) << "bitmap " << id;
            EXPECT_EQ(thumb.at(x, 11), key) << "bitmap " << id;
            for (int y = 1; y < 11; ++y) EXPECT_NE(thumb.at(x, y), key) << "bitmap " << id;
        }
    }
    // The bar shows its slider's colour: red 233, blue 236, green 237.
    EXPECT_GT(Red(Load(233).at(1, 5)), 200);
    EXPECT_GT(Blue(Load(236).at(1, 5)), 200);
    EXPECT_GT(Green(Load(237).at(1, 5)), 200);
}

TEST(ArtThumbs, QuantityThumbKeyOccursOnlyInItsCorner) {
    const Surface thumb = Load(247);
    ASSERT_EQ(thumb.width(), 9);
    EXPECT_EQ(thumb.at(0, 0), 0xFCFDFFu);
    EXPECT_EQ(std::count(thumb.pixels().begin(), thumb.pixels().end(), 0xFCFDFFu), 1);
}

TEST(ArtWheel, RimHoldsEveryHueAndTheOutsideIsTheIgnoredColour) {
    const Surface wheel = Load(227);
    ASSERT_EQ(wheel.width(), 171);
    for (const auto& [x, y] : {std::pair{0, 0}, {170, 0}, {0, 170}, {170, 170}, {1, 85}})
        EXPECT_EQ(wheel.at(x, y), 0x0D1D25u) << x << "," << y;
    const auto has = [&wheel](std::uint32_t p) {
        return std::find(wheel.pixels().begin(), wheel.pixels().end(), p) != wheel.pixels().end();
    };
    for (const std::uint32_t pure :
         {0xFF0000u, 0x00FF00u, 0x0000FFu, 0xFFFF00u, 0x00FFFFu, 0xFF00FFu})
        EXPECT_TRUE(has(pure)) << std::hex << pure;
    // Every hue, in steps of 5 degrees, appears at full saturation (one component 255, one 0)
    // within 3 degrees.
    std::vector<bool> seen(72, false);
    for (const std::uint32_t p : wheel.pixels()) {
        const int r = Red(p);
        const int g = Green(p);
        const int b = Blue(p);
        const int hi = std::max({r, g, b});
        const int lo = std::min({r, g, b});
        if (hi != 255 || lo != 0) continue;
        double hue = 0;
        if (r == 255)
            hue = b == 0 ? 60.0 * g / 255.0 : 360.0 - 60.0 * b / 255.0;
        else if (g == 255)
            hue = r == 0 ? 120.0 + 60.0 * b / 255.0 : 120.0 - 60.0 * r / 255.0;
        else
            hue = g == 0 ? 240.0 + 60.0 * r / 255.0 : 240.0 - 60.0 * g / 255.0;
        for (int k = 0; k < 72; ++k) {
            const double d = std::abs(std::remainder(hue - 5.0 * k, 360.0));
            if (d <= 3.0) seen[static_cast<std::size_t>(k)] = true;
        }
    }
    for (int k = 0; k < 72; ++k) EXPECT_TRUE(seen[static_cast<std::size_t>(k)]) << 5 * k << " deg";
}

// The popup draws its count in black at a fixed place; the area must be light enough.
TEST(ArtPopup, NumberAreaIsLightForBlackDigits) {
    struct Area {
        int id;
        int left, top, right, bottom;
    };
    for (const Area a : {Area{240, 210, 66, 237, 84}, Area{250, 237, 64, 262, 84}}) {
        const Surface skin = Load(a.id);
        ASSERT_EQ(skin.width(), 340);
        for (int y = a.top; y < a.bottom; ++y)
            for (int x = a.left; x < a.right; ++x)
                ASSERT_GT(Luma(skin.at(x, y)), 170.0) << "bitmap " << a.id << " " << x << "," << y;
    }
}

// "Apply" is written on the plate in white bold: the plate must be dark enough to carry it.
TEST(ArtPlates, ApplyPlateIsDarkBehindItsCaption) {
    for (const int id : {206, 207}) {
        const Surface plate = Load(id);
        ASSERT_EQ(plate.width(), 194);
        double sum = 0;
        int n = 0;
        for (int y = 14; y < 35; ++y)
            for (int x = 50; x < 144; ++x, ++n) sum += Luma(plate.at(x, y));
        EXPECT_LT(sum / n, 120.0) << "bitmap " << id;
    }
}

// The bitmap as LoadBitmapW gives it on a screen of the given scale: its own pixels and its
// rendition (empty when it has none).
struct Loaded {
    Surface pixels;
    Surface fine;
};

Loaded LoadAt(int id, int scale) {
    SetBitmapScale(scale);
    const HBITMAP bitmap = LoadBitmapW(AfxGetResourceHandle(), static_cast<UINT>(id));
    SetBitmapScale(1);
    Loaded loaded;
    if (bitmap == nullptr) {
        ADD_FAILURE() << "bitmap " << id << " cannot be loaded at scale " << scale;
        return loaded;
    }
    loaded.pixels = bitmap->surface;
    if (const Surface* fine = std::as_const(bitmap->surface).fine()) loaded.fine = *fine;
    DeleteObject(bitmap);
    return loaded;
}

// How far, on average over the picture, each k x k block of `fine` is from the pixel of
// `coarse` it stands for (the mean of the three components' differences, 0..255); and how many
// blocks are more than 48 off.
struct BlockAgreement {
    double meanDifference = 0;
    int farBlocks = 0;
};

BlockAgreement Agreement(const Surface& coarse, const Surface& fine, int k) {
    BlockAgreement a;
    double total = 0;
    for (int y = 0; y < coarse.height(); ++y) {
        for (int x = 0; x < coarse.width(); ++x) {
            double r = 0, g = 0, b = 0;
            for (int dy = 0; dy < k; ++dy)
                for (int dx = 0; dx < k; ++dx) {
                    const std::uint32_t p = fine.at(x * k + dx, y * k + dy);
                    r += Red(p);
                    g += Green(p);
                    b += Blue(p);
                }
            const double n = k * k;
            const std::uint32_t c = coarse.at(x, y);
            const double d = (std::abs(r / n - Red(c)) + std::abs(g / n - Green(c)) +
                              std::abs(b / n - Blue(c))) /
                             3;
            total += d;
            if (d > 48) ++a.farBlocks;
        }
    }
    a.meanDifference = total / (static_cast<double>(coarse.width()) * coarse.height());
    return a;
}

// Near-white pixels at the start and at the end of row y (the part a shaped window cuts away).
std::pair<int, int> CutEnds(const Surface& s, int y) {
    int left = 0;
    while (left < s.width() && NearWhite(s.at(left, y))) ++left;
    int right = 0;
    while (right < s.width() - left && NearWhite(s.at(s.width() - 1 - right, y))) ++right;
    return {left, right};
}

TEST(ArtRenditions, AtScaleOneNoBitmapHasARenditionAndNoneIsDecoded) {
    for (const Expected& e : AllBitmaps()) EXPECT_TRUE(LoadAt(e.id, 1).fine.empty()) << e.id;
    EXPECT_TRUE(gdi::Drawing().renditions.empty());
}

// At scales 2 to 4 every bitmap has its artwork drawn at that scale: exactly scale times its size,
// finer than blocks, each block on average the bitmap's pixel (closely over all the bitmaps; a
// small picture that is mostly edges, blurred at 1x, less so); its own pixels stay those of 1x.
TEST(ArtRenditions, EveryBitmapIsDrawnAtEachFinerScaleAndAgreesWithItsPixels) {
    for (const int k : {2, 3, 4}) {
        double sumOfMeans = 0;
        for (const Expected& e : AllBitmaps()) {
            const Surface plain = Load(e.id);
            const Loaded loaded = LoadAt(e.id, k);
            ASSERT_EQ(loaded.fine.width(), e.width * k) << "bitmap " << e.id << " at " << k;
            ASSERT_EQ(loaded.fine.height(), e.height * k) << "bitmap " << e.id << " at " << k;
            EXPECT_TRUE(std::equal(plain.pixels().begin(), plain.pixels().end(),
                                   loaded.pixels.pixels().begin()))
                << "bitmap " << e.id << " at " << k;
            // Drawn anew, not enlarged: only the flat colour thumbs are whole blocks.
            int offBlock = 0;
            for (int y = 0; y < loaded.fine.height(); ++y)
                for (int x = 0; x < loaded.fine.width(); ++x)
                    offBlock += loaded.fine.at(x, y) != loaded.fine.at(x - x % k, y - y % k);
            const bool flat = e.id == 233 || e.id == 236 || e.id == 237;
            EXPECT_EQ(offBlock > 0, !flat) << "bitmap " << e.id << " at " << k;
            const BlockAgreement a = Agreement(plain, loaded.fine, k);
            EXPECT_LT(a.meanDifference, 12.0) << "bitmap " << e.id << " at " << k;
            EXPECT_LE(a.farBlocks, e.width * e.height / 8) << "bitmap " << e.id << " at " << k;
            sumOfMeans += a.meanDifference;
        }
        EXPECT_LT(sumOfMeans / static_cast<double>(AllBitmaps().size()), 1.0) << "at " << k;
    }
}

// What the windows rely on holds in every rendition: a shaped window's cut-out (made from the
// 1x pixels) covers whole blocks of near-white pixels, and no more; the skin has none at its
// ends and keeps its white preview square; the colour thumbs' transparent rows are whole.
TEST(ArtRenditions, CutOutsAndKeyRowsCoverWholeBlocks) {
    for (const int k : {2, 3, 4}) {
        for (const Expected& e : ShapedBitmaps()) {
            const Surface plain = Load(e.id);
            const Surface fine = LoadAt(e.id, k).fine;
            ASSERT_FALSE(fine.empty()) << e.id;
            for (int y = 0; y < fine.height(); ++y) {
                const auto [left, right] = CutEnds(plain, y / k);
                const auto [fineLeft, fineRight] = CutEnds(fine, y);
                ASSERT_EQ(fineLeft, left * k) << "bitmap " << e.id << " at " << k << " row " << y;
                ASSERT_EQ(fineRight, right * k) << "bitmap " << e.id << " at " << k << " row " << y;
            }
        }
        const Surface skin = LoadAt(130, k).fine;
        for (int y = 0; y < skin.height(); ++y) {
            ASSERT_EQ(CutEnds(skin, y), (std::pair{0, 0})) << "row " << y << " at " << k;
        }
        for (int y = 273 * k; y < 330 * k; ++y)
            for (int x = 585 * k; x < 645 * k; ++x) ASSERT_EQ(skin.at(x, y), 0xFFFFFFu) << k;
        for (const int id : {233, 236, 237}) {
            const Surface thumb = LoadAt(id, k).fine;
            for (int x = 0; x < 3 * k; ++x)
                for (int y = 0; y < 12 * k; ++y) {
                    const bool keyRow = y < k || y >= 11 * k;
                    EXPECT_EQ(thumb.at(x, y) == 0x080808u, keyRow) << id << " " << x << "," << y;
                }
        }
    }
}

}  // namespace
