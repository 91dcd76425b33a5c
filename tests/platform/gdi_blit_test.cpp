// Block transfers with each raster operation and both monochrome conversions, stretching,
// fills, clipping, coordinates and pen lines.
#include <gtest/gtest.h>

#include "gdi_test_support.hpp"
#include "platform/gdi/afxgdi.hpp"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 200, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

TEST(GdiBlit, RasterOperationsCombineSourceAndDestination) {
    MemoryCanvas src(2, 1, RGB(0x0F, 0xF0, 0x3C));
    SetPixel(src.dc(), 1, 0, RGB(0xFF, 0x00, 0x81));
    MemoryCanvas dst(2, 1, RGB(0x33, 0x55, 0xC3));

    ASSERT_TRUE(BitBlt(dst.dc(), 0, 0, 1, 1, src.dc(), 0, 0, SRCAND));
    EXPECT_EQ(dst.at(0, 0), RGB(0x03, 0x50, 0x00));
    ASSERT_TRUE(BitBlt(dst.dc(), 1, 0, 1, 1, src.dc(), 1, 0, SRCPAINT));
    EXPECT_EQ(dst.at(1, 0), RGB(0xFF, 0x55, 0xC3));
    ASSERT_TRUE(BitBlt(dst.dc(), 0, 0, 2, 1, src.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(dst.at(0, 0), RGB(0x0F, 0xF0, 0x3C));
    EXPECT_EQ(dst.at(1, 0), RGB(0xFF, 0x00, 0x81));
    EXPECT_FALSE(BitBlt(dst.dc(), 0, 0, 2, 1, src.dc(), 0, 0, 0x00550009));  // not provided
}

TEST(GdiBlit, ColorToMonochromeMarksTheSourceBackgroundColour) {
    MemoryCanvas src(3, 1, kRed);
    SetPixel(src.dc(), 1, 0, kBlue);
    SetPixel(src.dc(), 2, 0, RGB(255, 0, 1));  // close to the key, but not equal
    MemoryCanvas mask(3, 1, kBlack, /*monochrome=*/true);
    SetBkColor(src.dc(), kRed);
    ASSERT_TRUE(BitBlt(mask.dc(), 0, 0, 3, 1, src.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(mask.at(0, 0), kWhite);
    EXPECT_EQ(mask.at(1, 0), kBlack);
    EXPECT_EQ(mask.at(2, 0), kBlack);
}

TEST(GdiBlit, MonochromeToColorUsesTheDestinationColours) {
    MemoryCanvas mask(2, 1, kBlack, /*monochrome=*/true);
    SetPixel(mask.dc(), 0, 0, kWhite);
    MemoryCanvas dst(2, 1, kGreen);
    SetBkColor(dst.dc(), kRed);
    SetTextColor(dst.dc(), kBlue);
    SetBkColor(mask.dc(), kGreen);  // the source's own colours play no part
    SetTextColor(mask.dc(), kGreen);
    ASSERT_TRUE(BitBlt(dst.dc(), 0, 0, 2, 1, mask.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(dst.at(0, 0), kRed);
    EXPECT_EQ(dst.at(1, 0), kBlue);
}

// The slider's thumb: a 3 x 12 picture whose top and bottom rows have the colour of its top-left
// pixel. The mask marks those rows; the picture's key pixels turn black; drawing with the mask
// (SRCAND) and then the picture (SRCPAINT) leaves the target untouched under the key pixels.
TEST(GdiBlit, MaskedThumbLeavesKeyPixelsUntouched) {
    const COLORREF key = RGB(8, 8, 8);
    MemoryCanvas image(3, 12, kRed);
    for (int x = 0; x < 3; ++x) {
        SetPixel(image.dc(), x, 0, key);
        SetPixel(image.dc(), x, 11, key);
    }
    MemoryCanvas mask(3, 12, kBlack, /*monochrome=*/true);

    SetBkColor(image.dc(), GetPixel(image.dc(), 0, 0));
    ASSERT_TRUE(BitBlt(mask.dc(), 0, 0, 3, 12, image.dc(), 0, 0, SRCCOPY));
    SetTextColor(image.dc(), kWhite);
    SetBkColor(image.dc(), kBlack);
    ASSERT_TRUE(BitBlt(image.dc(), 0, 0, 3, 12, mask.dc(), 0, 0, SRCAND));
    EXPECT_EQ(image.at(1, 0), kBlack);
    EXPECT_EQ(image.at(1, 5), kRed);

    MemoryCanvas target(10, 14, kGreen);
    SetPixel(target.dc(), 5, 1, kBlue);  // under the thumb's transparent top row
    ASSERT_TRUE(BitBlt(target.dc(), 4, 1, 3, 12, mask.dc(), 0, 0, SRCAND));
    ASSERT_TRUE(BitBlt(target.dc(), 4, 1, 3, 12, image.dc(), 0, 0, SRCPAINT));
    EXPECT_EQ(target.at(5, 1), kBlue);
    EXPECT_EQ(target.at(4, 12), kGreen);
    for (int y = 2; y <= 11; ++y) {
        for (int x = 4; x <= 6; ++x) EXPECT_EQ(target.at(x, y), kRed) << x << "," << y;
    }
    EXPECT_EQ(target.at(3, 5), kGreen);
    EXPECT_EQ(target.at(7, 5), kGreen);
}

TEST(GdiBlit, OnlyPixelsThatExistInTheSourceAreCopied) {
    MemoryCanvas src(4, 4, kRed);
    MemoryCanvas dst(8, 8, kGreen);
    ASSERT_TRUE(BitBlt(dst.dc(), 0, 0, 8, 8, src.dc(), 2, 2, SRCCOPY));
    EXPECT_EQ(dst.at(0, 0), kRed);
    EXPECT_EQ(dst.at(1, 1), kRed);
    EXPECT_EQ(dst.at(2, 2), kGreen);
    EXPECT_EQ(dst.at(0, 5), kGreen);
    ASSERT_TRUE(BitBlt(dst.dc(), 6, 6, 4, 4, src.dc(), 0, 0, SRCCOPY));  // beyond the target
    EXPECT_EQ(dst.at(7, 7), kRed);
}

TEST(GdiBlit, OverlappingCopyWithinOneBitmap) {
    MemoryCanvas c(5, 1, kBlack);
    for (int x = 0; x < 5; ++x) SetPixel(c.dc(), x, 0, RGB(x * 10, 0, 0));
    ASSERT_TRUE(BitBlt(c.dc(), 1, 0, 4, 1, c.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(c.at(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(c.at(1, 0), RGB(0, 0, 0));
    EXPECT_EQ(c.at(2, 0), RGB(10, 0, 0));
    EXPECT_EQ(c.at(4, 0), RGB(30, 0, 0));
}

TEST(GdiStretch, SameSizeIsAnExactCopy) {
    MemoryCanvas src(3, 2, kRed);
    SetPixel(src.dc(), 1, 1, kBlue);
    MemoryCanvas dst(3, 2, kGreen);
    SetStretchBltMode(dst.dc(), HALFTONE);
    ASSERT_TRUE(StretchBlt(dst.dc(), 0, 0, 3, 2, src.dc(), 0, 0, 3, 2, SRCCOPY));
    EXPECT_EQ(dst.surface().pixels(), src.surface().pixels());
}

TEST(GdiStretch, HalftoneAveragesWhenShrinking) {
    MemoryCanvas src(4, 4, kBlack);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            if ((x + y) % 2 == 0) SetPixel(src.dc(), x, y, kWhite);
        }
    }
    MemoryCanvas dst(2, 2, kRed);
    SetStretchBltMode(dst.dc(), HALFTONE);
    ASSERT_TRUE(StretchBlt(dst.dc(), 0, 0, 2, 2, src.dc(), 0, 0, 4, 4, SRCCOPY));
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 2; ++x) {
            const COLORREF c = dst.at(x, y);
            EXPECT_NEAR(GetRValue(c), 128, 1);
            EXPECT_EQ(GetRValue(c), GetGValue(c));
            EXPECT_EQ(GetGValue(c), GetBValue(c));
        }
    }
}

TEST(GdiStretch, HalftoneInterpolatesWhenEnlarging) {
    MemoryCanvas src(2, 1, kBlack);
    SetPixel(src.dc(), 1, 0, kWhite);
    MemoryCanvas dst(4, 1, kRed);
    SetStretchBltMode(dst.dc(), HALFTONE);
    ASSERT_TRUE(StretchBlt(dst.dc(), 0, 0, 4, 1, src.dc(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(dst.at(0, 0), kBlack);
    EXPECT_EQ(dst.at(3, 0), kWhite);
    const int a = GetGValue(dst.at(1, 0));
    const int b = GetGValue(dst.at(2, 0));
    EXPECT_GT(a, 0);
    EXPECT_LT(a, b);
    EXPECT_LT(b, 255);
}

TEST(GdiStretch, OtherModesPickTheNearestPixel) {
    MemoryCanvas src(2, 1, kBlack);
    SetPixel(src.dc(), 1, 0, kWhite);
    MemoryCanvas dst(4, 2, kRed);
    SetStretchBltMode(dst.dc(), COLORONCOLOR);
    ASSERT_TRUE(StretchBlt(dst.dc(), 0, 0, 4, 2, src.dc(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(dst.at(0, 0), kBlack);
    EXPECT_EQ(dst.at(1, 1), kBlack);
    EXPECT_EQ(dst.at(2, 0), kWhite);
    EXPECT_EQ(dst.at(3, 1), kWhite);
}

TEST(GdiClip, WindowContextDrawsOnlyInsideItsClipAtItsOrigin) {
    Surface window(40, 40, 0);
    Region clip = Region::FromRect({10, 10, 20, 20}).united(Region::FromRect({25, 10, 30, 15}));
    HDC dc = GdiCreateSurfaceDC(&window, {10, 10}, clip);
    HBRUSH brush = CreateSolidBrush(kRed);
    const RECT all{-10, -10, 30, 30};
    EXPECT_TRUE(FillRect(dc, &all, brush));
    const std::uint32_t red = PixelFromColorref(kRed);
    EXPECT_EQ(window.at(9, 9), 0u);
    EXPECT_EQ(window.at(10, 10), red);
    EXPECT_EQ(window.at(19, 19), red);
    EXPECT_EQ(window.at(20, 19), 0u);
    EXPECT_EQ(window.at(22, 12), 0u);
    EXPECT_EQ(window.at(27, 12), red);
    EXPECT_EQ(window.at(27, 17), 0u);

    // Logical (0, 0) lies at the device origin; reads outside the clip give CLR_INVALID.
    EXPECT_EQ(GetPixel(dc, 0, 0), kRed);
    EXPECT_EQ(GetPixel(dc, 12, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(dc, 100, 100), CLR_INVALID);
    EXPECT_EQ(SetPixel(dc, 12, 0, kBlue), CLR_INVALID);
    EXPECT_EQ(window.at(22, 10), 0u);

    // A blit into the window honours the same clip.
    MemoryCanvas src(40, 40, kBlue);
    EXPECT_TRUE(BitBlt(dc, -10, -10, 40, 40, src.dc(), 0, 0, SRCCOPY));
    EXPECT_EQ(window.at(15, 15), PixelFromColorref(kBlue));
    EXPECT_EQ(window.at(5, 5), 0u);
    EXPECT_EQ(window.at(22, 12), 0u);

    DeleteObject(brush);
    EXPECT_TRUE(DeleteDC(dc));
}

TEST(GdiClip, WindowOriginShiftsLogicalCoordinates) {
    MemoryCanvas c(10, 10, kBlack);
    POINT previous;
    ASSERT_TRUE(SetWindowOrgEx(c.dc(), 20, 30, &previous));
    EXPECT_EQ(previous, (POINT{0, 0}));
    HBRUSH brush = CreateSolidBrush(kRed);
    const RECT r{20, 30, 22, 32};
    FillRect(c.dc(), &r, brush);
    DeleteObject(brush);
    EXPECT_EQ(c.at(0, 0), kRed);
    EXPECT_EQ(c.at(1, 1), kRed);
    EXPECT_EQ(c.at(2, 2), kBlack);
    EXPECT_EQ(GetPixel(c.dc(), 21, 31), kRed);

    POINT p[1] = {{25, 35}};
    ASSERT_TRUE(LPtoDP(c.dc(), p, 1));
    EXPECT_EQ(p[0], (POINT{5, 5}));
    ASSERT_TRUE(DPtoLP(c.dc(), p, 1));
    EXPECT_EQ(p[0], (POINT{25, 35}));
    EXPECT_EQ(SetMapMode(c.dc(), 8), 0);  // only the text mapping mode exists
    EXPECT_EQ(GetMapMode(c.dc()), MM_TEXT);
}

TEST(GdiLines, LastPixelIsLeftOut) {
    MemoryCanvas c(12, 12, kWhite);
    HPEN pen = CreatePen(PS_SOLID, 1, kRed);
    HGDIOBJ old = SelectObject(c.dc(), pen);
    MoveToEx(c.dc(), 1, 1, nullptr);
    LineTo(c.dc(), 5, 1);
    for (int x = 1; x < 5; ++x) EXPECT_EQ(c.at(x, 1), kRed);
    EXPECT_EQ(c.at(5, 1), kWhite);
    EXPECT_EQ(c.at(0, 1), kWhite);

    MoveToEx(c.dc(), 0, 3, nullptr);
    LineTo(c.dc(), 3, 6);
    EXPECT_EQ(c.at(0, 3), kRed);
    EXPECT_EQ(c.at(1, 4), kRed);
    EXPECT_EQ(c.at(2, 5), kRed);
    EXPECT_EQ(c.at(3, 6), kWhite);
    POINT at;
    MoveToEx(c.dc(), 0, 0, &at);
    EXPECT_EQ(at, (POINT{3, 6}));
    SelectObject(c.dc(), old);
    DeleteObject(pen);
}

TEST(GdiLines, ClosedSquareOutlineWithTheDefaultPen) {
    // The colour-pick mark: a 7 x 7 square outline around (5, 5) in the default black pen.
    MemoryCanvas c(11, 11, kWhite);
    MoveToEx(c.dc(), 2, 2, nullptr);
    LineTo(c.dc(), 8, 2);
    LineTo(c.dc(), 8, 8);
    LineTo(c.dc(), 2, 8);
    LineTo(c.dc(), 2, 2);
    int black = 0;
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 11; ++x) {
            const bool edge =
                (x == 2 || x == 8 || y == 2 || y == 8) && x >= 2 && x <= 8 && y >= 2 && y <= 8;
            EXPECT_EQ(c.at(x, y), edge ? kBlack : kWhite) << x << "," << y;
            black += c.at(x, y) == kBlack ? 1 : 0;
        }
    }
    EXPECT_EQ(black, 24);
}

TEST(GdiFill, FillSolidRectFillsAndSetsTheBackgroundColour) {
    MemoryCanvas c(6, 6, kWhite);
    CDC dc;
    dc.Attach(c.dc());
    dc.FillSolidRect(1, 1, 2, 3, kBlue);
    EXPECT_EQ(dc.GetBkColor(), kBlue);
    EXPECT_EQ(c.at(1, 1), kBlue);
    EXPECT_EQ(c.at(2, 3), kBlue);
    EXPECT_EQ(c.at(3, 3), kWhite);
    EXPECT_EQ(c.at(2, 4), kWhite);
    dc.Detach();
}

TEST(GdiFill, MonochromeTargetsKeepOnlyBlackAndWhite) {
    MemoryCanvas mask(2, 1, kBlack, /*monochrome=*/true);
    HBRUSH light = CreateSolidBrush(RGB(200, 200, 200));
    const RECT r{0, 0, 1, 1};
    FillRect(mask.dc(), &r, light);
    DeleteObject(light);
    EXPECT_EQ(mask.at(0, 0), kWhite);
    EXPECT_EQ(mask.at(1, 0), kBlack);
}

}  // namespace

namespace {

// Absurd sizes fail or are cut instead of exhausting memory.
TEST(GdiLimits, HugeRequestsStayBounded) {
    EXPECT_EQ(CreateCompatibleBitmap(nullptr, 100000, 10), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(nullptr, 30000, 30000), nullptr);
    EXPECT_EQ(CreateBitmap(40000, 1, 1, 32, nullptr), nullptr);

    // Only the part of a stretch that lands on the target is computed.
    MemoryCanvas src(2, 2, kRed);
    MemoryCanvas dst(10, 10, kGreen);
    SetStretchBltMode(dst.dc(), HALFTONE);
    EXPECT_TRUE(
        StretchBlt(dst.dc(), -50000, -50000, 100000, 100000, src.dc(), 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(dst.at(5, 5), kRed);

    const Region r = Region::FromRect({-2000000000, 0, 2000000000, 2});
    EXPECT_EQ(r.bounds(), (RECT{-Region::kLimit, 0, Region::kLimit, 2}));
    const Region tall = Region::FromRect({0, -2000000000, 1, 2000000000});
    EXPECT_EQ(tall.spans().size(), static_cast<std::size_t>(2 * Region::kLimit));
    const POINT far[3] = {{-2000000000, -2000000000}, {2000000000, 0}, {0, 2000000000}};
    EXPECT_TRUE(Region::FromPolygon(far).contains(0, 0));
    EXPECT_FALSE(Region::FromRoundRect({0, 0, 10, 10}, INT32_MIN, INT32_MIN).empty());
}

}  // namespace
