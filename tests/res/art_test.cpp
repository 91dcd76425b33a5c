// Checks of the artwork: every bitmap the program loads is there, through its own resource
// loader, at the size its controls expect, with the cut-out and transparency colours the drawing
// code relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi/afxgdi.hpp"
#include "platform/gdi/bmp.hpp"
#include "platform/gdi/icon.hpp"
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

}  // namespace
