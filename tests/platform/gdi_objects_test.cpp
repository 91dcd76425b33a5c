// The object table: live counts, stock objects, selection, and what bitmaps report.
#include <gtest/gtest.h>

#include <array>

#include "gdi_test_support.hpp"
#include "platform/gdi/afxgdi.hpp"

namespace {

TEST(GdiObjects, LiveCountReturnsToItsStartAfterCreateDeleteCycles) {
    const std::size_t start = GdiLiveObjectCount();
    for (int i = 0; i < 3; ++i) {
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(nullptr, 8, 8);
        HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(4, 5, 6));
        HRGN region = CreateRectRgn(0, 0, 4, 4);
        LOGFONTW lf;
        lf.lfHeight = 14;
        HFONT font = CreateFontIndirectW(&lf);
        EXPECT_EQ(GdiLiveObjectCount(), start + 6);
        HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
        HGDIOBJ oldFont = SelectObject(dc, font);
        SelectObject(dc, oldBitmap);
        SelectObject(dc, oldFont);
        EXPECT_TRUE(DeleteObject(bitmap));
        EXPECT_TRUE(DeleteObject(brush));
        EXPECT_TRUE(DeleteObject(pen));
        EXPECT_TRUE(DeleteObject(region));
        EXPECT_TRUE(DeleteObject(font));
        EXPECT_TRUE(DeleteDC(dc));
        EXPECT_EQ(GdiLiveObjectCount(), start);
    }
    {
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateBitmap(4, 4, 1, 32, nullptr));
        CBrush brush(RGB(9, 9, 9));
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        EXPECT_EQ(GdiLiveObjectCount(), start + 3);
    }
    EXPECT_EQ(GdiLiveObjectCount(), start);
}

TEST(GdiObjects, DeletingTwiceOrDeletingStockObjectsFails) {
    const std::size_t start = GdiLiveObjectCount();
    HBRUSH brush = CreateSolidBrush(0);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_FALSE(DeleteObject(nullptr));
    for (int stock : {WHITE_BRUSH, BLACK_BRUSH, BLACK_PEN, SYSTEM_FONT, DEFAULT_GUI_FONT}) {
        HGDIOBJ object = GetStockObject(stock);
        ASSERT_NE(object, nullptr) << stock;
        EXPECT_FALSE(DeleteObject(object)) << stock;
    }
    EXPECT_EQ(GetStockObject(12345), nullptr);
    EXPECT_EQ(GdiLiveObjectCount(), start);
}

TEST(GdiObjects, ObjectDeletedWhileSelectedLivesUntilDeselected) {
    const std::size_t start = GdiLiveObjectCount();
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(nullptr, 2, 2);
    HGDIOBJ old = SelectObject(dc, bitmap);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_EQ(GdiLiveObjectCount(), start + 1);  // only the context counts as live
    // The context still draws into it safely.
    EXPECT_EQ(SetPixel(dc, 1, 1, RGB(255, 0, 0)), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(255, 0, 0));
    SelectObject(dc, old);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_EQ(GdiLiveObjectCount(), start);
}

TEST(GdiObjects, SelectionReturnsThePreviousObject) {
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    EXPECT_EQ(SelectObject(dc, pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, GetStockObject(BLACK_PEN)), pen);
    HFONT systemFont = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    LOGFONTW lf;
    lf.lfHeight = 12;
    HFONT font = CreateFontIndirectW(&lf);
    EXPECT_EQ(SelectObject(dc, font), systemFont);
    EXPECT_EQ(SelectObject(dc, systemFont), font);
    EXPECT_EQ(SelectObject(dc, nullptr), nullptr);
    DeleteObject(pen);
    DeleteObject(font);
    DeleteDC(dc);

    // A window context holds no bitmap.
    Surface s(4, 4);
    HDC window = GdiCreateSurfaceDC(&s, {0, 0}, std::nullopt);
    HBITMAP bitmap = CreateCompatibleBitmap(nullptr, 2, 2);
    EXPECT_EQ(SelectObject(window, bitmap), nullptr);
    DeleteObject(bitmap);
    DeleteDC(window);
}

TEST(GdiObjects, CompatibleBitmapTakesTheDepthOfTheContext) {
    HDC memory = CreateCompatibleDC(nullptr);
    // A fresh memory context holds the 1 x 1 monochrome stock bitmap.
    HBITMAP mono = CreateCompatibleBitmap(memory, 4, 4);
    EXPECT_TRUE(mono->monochrome);
    HBITMAP color = CreateCompatibleBitmap(nullptr, 4, 4);
    EXPECT_FALSE(color->monochrome);
    HGDIOBJ old = SelectObject(memory, color);
    HBITMAP color2 = CreateCompatibleBitmap(memory, 4, 4);
    EXPECT_FALSE(color2->monochrome);
    SelectObject(memory, old);
    for (HBITMAP b : {mono, color, color2}) DeleteObject(b);
    DeleteDC(memory);
}

TEST(GdiObjects, BitmapInformationAndBits) {
    const std::array<std::uint8_t, 8> rgbx = {1, 2, 3, 0, 4, 5, 6, 0};  // two pixels, B G R x
    HBITMAP bitmap = CreateBitmap(2, 1, 1, 32, rgbx.data());
    ASSERT_NE(bitmap, nullptr);
    BITMAP info;
    ASSERT_EQ(GetObjectW(bitmap, sizeof(info), &info), static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(info.bmWidth, 2);
    EXPECT_EQ(info.bmHeight, 1);
    EXPECT_EQ(info.bmBitsPixel, 32);
    EXPECT_EQ(info.bmWidthBytes, 8);
    std::array<std::uint8_t, 8> bits{};
    EXPECT_EQ(GetBitmapBits(bitmap, static_cast<LONG>(bits.size()), bits.data()), 8);
    EXPECT_EQ(bits, rgbx);
    std::array<std::uint8_t, 3> part{};
    EXPECT_EQ(GetBitmapBits(bitmap, 3, part.data()), 3);
    EXPECT_EQ(part, (std::array<std::uint8_t, 3>{1, 2, 3}));
    // A buffer that ends inside the second pixel gets the bytes that fit, the rest untouched.
    std::array<std::uint8_t, 7> cut{};
    cut.fill(0xAA);
    EXPECT_EQ(GetBitmapBits(bitmap, 6, cut.data()), 6);
    EXPECT_EQ(cut, (std::array<std::uint8_t, 7>{1, 2, 3, 0, 4, 5, 0xAA}));
    EXPECT_EQ(bitmap->surface.at(1, 0), 0x060504u);
    DeleteObject(bitmap);

    // Rows follow each other without padding, each pixel's fourth byte zero whatever the
    // surface holds above its colour; a buffer that ends in the second row gets what fits.
    HBITMAP rows = CreateBitmap(2, 2, 1, 32, nullptr);
    ASSERT_NE(rows, nullptr);
    rows->surface.set(0, 0, 0xFF030201u);
    rows->surface.set(1, 0, 0x00060504u);
    rows->surface.set(0, 1, 0x7F090807u);
    rows->surface.set(1, 1, 0x000C0B0Au);
    std::array<std::uint8_t, 16> all{};
    EXPECT_EQ(GetBitmapBits(rows, static_cast<LONG>(all.size()), all.data()), 16);
    EXPECT_EQ(all,
              (std::array<std::uint8_t, 16>{1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 10, 11, 12, 0}));
    std::array<std::uint8_t, 16> firstRowAndMore{};
    firstRowAndMore.fill(0xAA);
    EXPECT_EQ(GetBitmapBits(rows, 13, firstRowAndMore.data()), 13);
    EXPECT_EQ(firstRowAndMore, (std::array<std::uint8_t, 16>{1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 10,
                                                             0xAA, 0xAA, 0xAA}));
    DeleteObject(rows);

    // Monochrome rows are padded to 16 bits; a set bit is white.
    const std::array<std::uint8_t, 4> monoBits = {0b1010'0000, 0, 0b0100'0000, 0};
    HBITMAP mono = CreateBitmap(3, 2, 1, 1, monoBits.data());
    ASSERT_NE(mono, nullptr);
    ASSERT_EQ(GetObjectW(mono, sizeof(info), &info), static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(info.bmBitsPixel, 1);
    EXPECT_EQ(info.bmWidthBytes, 2);
    EXPECT_EQ(mono->surface.at(0, 0), 0xFFFFFFu);
    EXPECT_EQ(mono->surface.at(1, 0), 0u);
    EXPECT_EQ(mono->surface.at(2, 0), 0xFFFFFFu);
    EXPECT_EQ(mono->surface.at(1, 1), 0xFFFFFFu);
    std::array<std::uint8_t, 4> monoOut{};
    EXPECT_EQ(GetBitmapBits(mono, 4, monoOut.data()), 4);
    EXPECT_EQ(monoOut, monoBits);
    DeleteObject(mono);

    EXPECT_EQ(CreateBitmap(0, 4, 1, 32, nullptr), nullptr);
    EXPECT_EQ(CreateBitmap(4, 4, 1, 8, nullptr), nullptr);
}

TEST(GdiObjects, FontsReportTheirLogicalFont) {
    LOGFONTW lf;
    lf.lfHeight = 18;
    lf.lfWeight = FW_BOLD;
    lf.lfQuality = DRAFT_QUALITY;
    const wchar_t face[] = L"Arial";
    std::copy(std::begin(face), std::end(face), lf.lfFaceName);
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirectW(&lf));
    LOGFONTW back;
    ASSERT_EQ(GetObjectW(font, sizeof(back), &back), static_cast<int>(sizeof(LOGFONTW)));
    EXPECT_EQ(back.lfHeight, 18);
    EXPECT_EQ(back.lfWeight, FW_BOLD);
    EXPECT_EQ(back.lfQuality, DRAFT_QUALITY);
    EXPECT_EQ(std::wstring(back.lfFaceName), L"Arial");
}

TEST(GdiRects, Helpers) {
    RECT r;
    SetRect(&r, 1, 2, 5, 6);
    EXPECT_TRUE(PtInRect(&r, {1, 2}));
    EXPECT_FALSE(PtInRect(&r, {5, 2}));
    RECT other{3, 0, 10, 4};
    RECT both;
    EXPECT_TRUE(IntersectRect(&both, &r, &other));
    EXPECT_EQ(both, (RECT{3, 2, 5, 4}));
    RECT far{20, 20, 30, 30};
    EXPECT_FALSE(IntersectRect(&both, &r, &far));
    EXPECT_TRUE(IsRectEmpty(&both));
    OffsetRect(&r, -1, 1);
    EXPECT_EQ(r, (RECT{0, 3, 4, 7}));
}

}  // namespace
