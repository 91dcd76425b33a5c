// Damage: the rectangles drawn since the last present, merged only where merging costs nothing,
// and never more than a few.
#include <gtest/gtest.h>

#include <memory>

#include "platform/gdi/damage.hpp"
#include "platform/gdi/gdi.hpp"

namespace {

bool Covers(const std::vector<RECT>& rects, int x, int y) {
    for (const RECT& r : rects) {
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
    }
    return false;
}

TEST(Damage, KeepsSeparateDrawingsApartAndMergesWhatCostsNothing) {
    Damage d;
    d.Add(RECT{0, 0, 10, 10});
    d.Add(RECT{2, 2, 5, 5});     // inside the first
    d.Add(RECT{10, 0, 20, 10});  // continues it to the right
    d.Add(RECT{100, 100, 110, 120});
    d.Add(RECT{5, 5, 5, 50});  // empty
    EXPECT_EQ(d.rects(), (std::vector<RECT>{RECT{0, 0, 20, 10}, RECT{100, 100, 110, 120}}));
    EXPECT_EQ(PixelCount(d.rects()), 200 + 200);
    d.Add(RECT{-5, -5, 30, 30});  // swallows the first
    EXPECT_EQ(d.rects(), (std::vector<RECT>{RECT{100, 100, 110, 120}, RECT{-5, -5, 30, 30}}));
}

TEST(Damage, OverlappingDrawingsOfDifferentShapeStayTwoRectangles) {
    Damage d;
    d.Add(RECT{0, 0, 100, 10});
    d.Add(RECT{50, 5, 60, 100});
    EXPECT_EQ(d.rects().size(), 2u) << "their union would present 8,000 pixels not drawn";
}

TEST(Damage, ManyDrawingsAreMergedDownToTheLimitAndStillCoverEverything) {
    Damage d;
    for (int i = 0; i < 20; ++i) d.Add(RECT{i * 30, i * 7, i * 30 + 5, i * 7 + 3});
    EXPECT_LE(d.rects().size(), Damage::kMaxRects);
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(Covers(d.rects(), i * 30, i * 7));
        EXPECT_TRUE(Covers(d.rects(), i * 30 + 4, i * 7 + 2));
    }
}

TEST(Damage, TakeHandsOverAndEmpties) {
    Damage d;
    EXPECT_TRUE(d.empty());
    d.Add(RECT{1, 2, 3, 4});
    EXPECT_EQ(d.Take(), (std::vector<RECT>{RECT{1, 2, 3, 4}}));
    EXPECT_TRUE(d.empty());
    EXPECT_TRUE(d.Take().empty());
}

TEST(Damage, AWindowDcNotesThePixelsItDrawsNotItsExtent) {
    Surface window(100, 100);
    const auto damage = std::make_shared<Damage>();
    HDC dc = GdiCreateSurfaceDC(&window, {10, 10}, Region::FromRect({20, 20, 60, 60}), damage);
    EXPECT_TRUE(damage->empty()) << "taking a context draws nothing";
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    const RECT fill{0, 0, 30, 30};  // surface 10..40, cut by the clip at 20
    FillRect(dc, &fill, brush);
    EXPECT_EQ(damage->Take(), (std::vector<RECT>{RECT{20, 20, 40, 40}}));
    GetPixel(dc, 15, 15);
    EXPECT_TRUE(damage->empty()) << "reading is not drawing";
    SetPixel(dc, 45, 45, RGB(9, 9, 9));
    EXPECT_EQ(damage->Take(), (std::vector<RECT>{RECT{55, 55, 56, 56}}));
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(5, 5, 1, 32, nullptr);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(dc, 40, 0, 5, 5, memory, 0, 0, SRCCOPY);  // above the clip
    EXPECT_TRUE(damage->empty());
    FillRect(memory, &fill, brush);
    EXPECT_TRUE(damage->empty()) << "a memory context's drawing is not the window's";
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    DeleteObject(brush);
    DeleteDC(dc);
}

}  // namespace
