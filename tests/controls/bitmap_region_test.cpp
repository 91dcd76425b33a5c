// The outline of a bitmap's opaque pixels, row by row, that shapes a window.
#include "controls/bitmap_region.hpp"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;

// GetBitmapBits-style rows (blue, green, red, 0) from one colour per pixel.
std::vector<std::uint8_t> Bits(const std::vector<COLORREF>& colors) {
    std::vector<std::uint8_t> bits;
    for (const COLORREF c : colors) {
        bits.insert(bits.end(), {GetBValue(c), GetGValue(c), GetRValue(c), 0});
    }
    return bits;
}

// Rows written as 'W' (white) and 'X' (opaque dark grey).
std::vector<std::uint8_t> Picture(std::initializer_list<std::string_view> rows) {
    std::vector<COLORREF> colors;
    for (const std::string_view row : rows) {
        for (const char c : row) colors.push_back(c == 'W' ? kWhite : RGB(40, 40, 40));
    }
    return Bits(colors);
}

std::vector<POINT> Points(std::initializer_list<POINT> points) {
    return points;
}

TEST(OutlineVertices, FollowsTheOpaquePixelsDownTheLeftAndUpTheRight) {
    const auto bits = Picture({"WXXW", "XXXX", "WWXW"});
    EXPECT_EQ(OutlineVertices(bits, 4, 3, kWhite, 0, 0),
              Points({{1, 0}, {0, 1}, {2, 2}, {2, 2}, {3, 1}, {2, 0}}));
}

TEST(OutlineVertices, InsetsShiftTheLeftEdgeRightAndTheRightEdgeLeft) {
    const auto bits = Picture({"XXXXX", "XXXXX"});
    EXPECT_EQ(OutlineVertices(bits, 5, 2, kWhite, 1, 2), Points({{1, 0}, {1, 1}, {2, 1}, {2, 0}}));
}

TEST(OutlineVertices, KeepsWhiteBetweenOpaquePixelsInsideTheRow) {
    const auto bits = Picture({"WXWXW"});
    EXPECT_EQ(OutlineVertices(bits, 5, 1, kWhite, 0, 0), Points({{1, 0}, {3, 0}}));
}

TEST(OutlineVertices, NearWhiteIsWithinTwoPerComponent) {
    EXPECT_TRUE(IsNearKeyColor(RGB(253, 255, 254), kWhite));
    EXPECT_FALSE(IsNearKeyColor(RGB(252, 255, 255), kWhite));
    EXPECT_FALSE(IsNearKeyColor(RGB(255, 255, 252), kWhite));
    // Against another key the distance counts both ways.
    EXPECT_TRUE(IsNearKeyColor(RGB(6, 10, 8), RGB(8, 8, 8)));
    EXPECT_FALSE(IsNearKeyColor(RGB(5, 8, 8), RGB(8, 8, 8)));

    const auto bits =
        Bits({RGB(253, 255, 254), RGB(252, 255, 255), RGB(0, 0, 0), RGB(253, 255, 254)});
    EXPECT_EQ(OutlineVertices(bits, 4, 1, kWhite, 0, 0), Points({{1, 0}, {2, 0}}));
}

TEST(OutlineVertices, RowWithoutOpaquePixelsTakesItsNeighboursOutline) {
    const auto bits = Picture({"WWWW", "WXXW", "WWWW", "XXXX"});
    EXPECT_EQ(OutlineVertices(bits, 4, 4, kWhite, 0, 0),
              Points({{1, 0}, {1, 1}, {1, 2}, {0, 3}, {3, 3}, {2, 2}, {2, 1}, {2, 0}}));
}

TEST(OutlineVertices, AllTransparentBitmapEnclosesNothing) {
    const auto bits = Picture({"WWW", "WWW"});
    const std::vector<POINT> vertices = OutlineVertices(bits, 3, 2, kWhite, 0, 0);
    ASSERT_EQ(vertices.size(), 4u);
    for (const POINT& p : vertices) EXPECT_EQ(p.x, 0);
}

}  // namespace
