// The off-screen buffer: drawing lands in the buffer and only its rectangle reaches the target.
#include "controls/mem_dc.hpp"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kTargetColor = RGB(10, 20, 30);
constexpr COLORREF kBackground = RGB(200, 100, 50);
constexpr COLORREF kInk = RGB(1, 2, 3);
constexpr int kSize = 10;

// A 10 x 10 memory target filled with kTargetColor, background colour kBackground.
class MemDcTest : public ::testing::Test {
  protected:
    void SetUp() override {
        target.CreateCompatibleDC(nullptr);
        pixels.CreateBitmap(kSize, kSize, 1, 32, nullptr);
        previous = target.SelectObject(&pixels);
        target.FillSolidRect(0, 0, kSize, kSize, kTargetColor);
        target.SetBkColor(kBackground);
    }
    void TearDown() override { target.SelectObject(previous); }

    static bool Inside(const RECT& r, int x, int y) {
        return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
    }

    CDC target;
    CBitmap pixels;
    HGDIOBJ previous = nullptr;
};

TEST_F(MemDcTest, CopiesExactlyItsAreaAndNothingElse) {
    const RECT area{2, 3, 6, 8};
    {
        CMemDCC buffer(&target, area);
        buffer.FillSolidRect(0, 0, kSize, kSize, kInk);  // larger than the area on purpose
    }
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            EXPECT_EQ(target.GetPixel(x, y), Inside(area, x, y) ? kInk : kTargetColor)
                << "at " << x << "," << y;
        }
    }
}

TEST_F(MemDcTest, StartsWithTheTargetBackgroundAndKeepsTargetCoordinates) {
    const RECT area{4, 1, 9, 5};
    {
        CMemDCC buffer(&target, area);
        buffer.FillSolidRect(5, 2, 1, 1, kInk);  // target coordinates, not buffer ones
        EXPECT_EQ(buffer.GetPixel(5, 2), kInk);
        EXPECT_EQ(buffer.GetPixel(4, 1), kBackground);
        // Nothing reaches the target before the buffer is closed.
        EXPECT_EQ(target.GetPixel(5, 2), kTargetColor);
    }
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            COLORREF expected = kTargetColor;
            if (Inside(area, x, y)) expected = (x == 5 && y == 2) ? kInk : kBackground;
            EXPECT_EQ(target.GetPixel(x, y), expected) << "at " << x << "," << y;
        }
    }
}

TEST_F(MemDcTest, ReleasesEverythingItCreated) {
    const std::size_t before = GdiLiveObjectCount();
    for (int i = 0; i < 100; ++i) {
        CMemDCC buffer(&target, RECT{0, 0, 5, 5});
        buffer.FillSolidRect(1, 1, 2, 2, kInk);
    }
    EXPECT_EQ(GdiLiveObjectCount(), before);
}

}  // namespace
