// Shaping real windows after bitmaps: size, place and region, and the cases that leave a window
// as it was.
#include <gtest/gtest.h>

#include <vector>

#include "controls/bitmap_region.hpp"
#include "harness.hpp"
#include "platform/wnd/window_tree.hpp"

namespace ctltest {
namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kDark = RGB(40, 40, 40);

HBITMAP Bitmap(const Surface& picture) {
    std::vector<std::uint8_t> bits;
    for (const std::uint32_t p : picture.pixels()) {
        bits.insert(bits.end(), {static_cast<std::uint8_t>(p & 0xFF),
                                 static_cast<std::uint8_t>((p >> 8) & 0xFF),
                                 static_cast<std::uint8_t>((p >> 16) & 0xFF), 0});
    }
    return CreateBitmap(picture.width(), picture.height(), 1, 32, bits.data());
}

class ShapeWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(child.Create(kPlainClass, L"", WS_CHILD | WS_VISIBLE, RECT{30, 20, 130, 90},
                                 &parent, 1600));
    }
    RECT Placement() const {
        WINDOWPLACEMENT placement;
        child.GetWindowPlacement(&placement);
        return placement.rcNormalPosition;
    }

    TestParent parent;
    CWnd child;
};

TEST_F(ShapeWindowTest, WindowTakesTheBitmapsSizeAndOutline) {
    // Three rows W X W X W: the white between the two X stays inside.
    const Surface picture = Picture(5, 3, [](int x, int) { return x % 2 == 1 ? kDark : kWhite; });
    const std::size_t before = GdiLiveObjectCount();
    {
        CBmpRgn shape;
        shape.window = child.m_hWnd;
        shape.bitmap = Bitmap(picture);
        shape.ShapeWindow();
        EXPECT_NE(shape.region, nullptr);
    }
    EXPECT_EQ(Placement(), (RECT{30, 20, 35, 23}));
    const Region region = platform::WindowShape(child.m_hWnd);
    EXPECT_TRUE(region.contains(2, 1));
    EXPECT_TRUE(region.contains(1, 1));
    EXPECT_FALSE(region.contains(0, 1));
    EXPECT_FALSE(region.contains(4, 1));
    // The bitmap went with the shaper; the region now belongs to the window.
    EXPECT_EQ(GdiLiveObjectCount(), before);
}

TEST_F(ShapeWindowTest, RegionIsTheRectangleCutByTheOutlinePolygon) {
    const char* rows[] = {"WXXW", "XXXX", "WWXW"};
    const Surface picture =
        Picture(4, 3, [&rows](int x, int y) { return rows[y][x] == 'W' ? kWhite : kDark; });
    CBmpRgn shape;
    shape.window = child.m_hWnd;
    shape.bitmap = Bitmap(picture);
    shape.ShapeWindow();
    const POINT outline[] = {{1, 0}, {0, 1}, {2, 2}, {2, 2}, {3, 1}, {2, 0}};
    EXPECT_EQ(platform::WindowShape(child.m_hWnd),
              Region::FromRect(RECT{0, 0, 4, 3}).intersected(Region::FromPolygon(outline)));
}

TEST_F(ShapeWindowTest, NothingToShapeLeavesTheWindowAlone) {
    {
        CBmpRgn noBitmap;
        noBitmap.window = child.m_hWnd;
        noBitmap.ShapeWindow();
    }
    {
        CBmpRgn noWindow;
        noWindow.bitmap = Bitmap(Picture(4, 4, [](int, int) { return kDark; }));
        noWindow.ShapeWindow();
        EXPECT_EQ(noWindow.region, nullptr);
    }
    EXPECT_EQ(Placement(), (RECT{30, 20, 130, 90}));
    EXPECT_EQ(platform::WindowShape(child.m_hWnd), Region::FromRect(RECT{0, 0, 100, 70}));
}

TEST_F(ShapeWindowTest, MainSkinKeepsItsFullSizeWithTheLeftInset) {
    // 800 x 540 without near-white at the row ends, shaped with leftInset 1.
    const Surface picture =
        Picture(800, 540, [](int x, int y) { return RGB(x % 200, y % 200, 9); });
    const std::vector<std::uint8_t> bits = [&] {
        std::vector<std::uint8_t> b;
        for (const std::uint32_t p : picture.pixels()) {
            b.insert(b.end(), {static_cast<std::uint8_t>(p & 0xFF),
                               static_cast<std::uint8_t>((p >> 8) & 0xFF),
                               static_cast<std::uint8_t>((p >> 16) & 0xFF), 0});
        }
        return b;
    }();
    const std::vector<POINT> vertices = OutlineVertices(bits, 800, 540, kWhite, 1, 0);
    ASSERT_EQ(vertices.size(), 1080u);
    for (int y = 0; y < 540; ++y) {
        EXPECT_EQ(vertices[static_cast<std::size_t>(y)], (POINT{1, y}));
        EXPECT_EQ(vertices[static_cast<std::size_t>(1079 - y)], (POINT{799, y}));
    }

    CBmpRgn shape;
    shape.window = child.m_hWnd;
    shape.bitmap = Bitmap(picture);
    shape.leftInset = 1;
    shape.ShapeWindow();
    EXPECT_EQ(Placement(), (RECT{30, 20, 830, 560}));
    EXPECT_FALSE(platform::WindowShape(child.m_hWnd).contains(0, 100));
    EXPECT_TRUE(platform::WindowShape(child.m_hWnd).contains(1, 100));
}

}  // namespace
}  // namespace ctltest
