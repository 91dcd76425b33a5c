// Regions: rectangles, rounded rectangles, polygons with the alternate rule, set operations,
// and the handle calls over them.
#include <gtest/gtest.h>

#include <array>

#include "platform/gdi/gdi.hpp"

namespace {

using Span = Region::Span;

TEST(GdiRegion, RectangleExcludesRightAndBottomEdges) {
    const Region r = Region::FromRect({2, 3, 5, 5});
    EXPECT_EQ(r.spans(), (std::vector<Span>{{3, 2, 5}, {4, 2, 5}}));
    EXPECT_TRUE(r.contains(2, 3));
    EXPECT_TRUE(r.contains(4, 4));
    EXPECT_FALSE(r.contains(5, 4));
    EXPECT_FALSE(r.contains(4, 5));
    EXPECT_EQ(r.bounds(), (RECT{2, 3, 5, 5}));
    // Swapped corners describe the same rectangle; an empty one holds nothing.
    EXPECT_EQ(Region::FromRect({5, 5, 2, 3}), r);
    EXPECT_TRUE(Region::FromRect({4, 4, 4, 9}).empty());
    EXPECT_EQ(Region().bounds(), RECT{});
}

TEST(GdiRegion, RoundRectangleWithTinyEllipseIsTheInnerRectangle) {
    // The platform's round rectangle ends one pixel inside the right and bottom edges, and an
    // ellipse of 2 x 2 cuts nothing from the corners.
    const Region r = Region::FromRoundRect({0, 0, 10, 6}, 2, 2);
    EXPECT_EQ(r, Region::FromRect({0, 0, 9, 5}));
}

TEST(GdiRegion, RoundRectangleCornersAreCutSymmetrically) {
    const Region r = Region::FromRoundRect({0, 0, 20, 20}, 10, 10);
    EXPECT_EQ(r.bounds(), (RECT{0, 0, 19, 19}));
    EXPECT_FALSE(r.contains(0, 0));
    EXPECT_FALSE(r.contains(18, 18));
    EXPECT_TRUE(r.contains(9, 0));
    EXPECT_TRUE(r.contains(0, 9));
    EXPECT_TRUE(r.contains(9, 9));
    // One span per row, mirrored left to right and top to bottom.
    ASSERT_EQ(r.spans().size(), 19u);
    for (int y = 0; y < 19; ++y) {
        const Span s = r.spans()[static_cast<std::size_t>(y)];
        const Span m = r.spans()[static_cast<std::size_t>(18 - y)];
        EXPECT_EQ(s.x0, 19 - s.x1) << "row " << y;
        EXPECT_EQ(s.x0, m.x0) << "row " << y;
        EXPECT_EQ(s.x1, m.x1) << "row " << y;
    }
    EXPECT_GT(r.spans()[0].x0, 0);
    EXPECT_EQ(r.spans()[9].x0, 0);
}

TEST(GdiRegion, PolygonFollowsThePlatformFillRule) {
    // A square outline covers the same pixels as the rectangle with those corners.
    const std::array<POINT, 4> square{{{0, 0}, {10, 0}, {10, 10}, {0, 10}}};
    EXPECT_EQ(Region::FromPolygon(square), Region::FromRect({0, 0, 10, 10}));

    // The outline of a 4 x 3 bitmap's opaque pixels, rows "W X X W", "X X X X", "W W X W":
    // left edge (1,0) (0,1) (2,2), right edge (2,2) (3,1) (2,0). The right and bottom edges of
    // a polygon are outside it.
    const std::array<POINT, 6> outline{{{1, 0}, {0, 1}, {2, 2}, {2, 2}, {3, 1}, {2, 0}}};
    const Region r = Region::FromPolygon(outline);
    EXPECT_EQ(r.spans(), (std::vector<Span>{{0, 1, 2}, {1, 0, 3}}));
}

TEST(GdiRegion, PolygonAlternateRuleLeavesAnInnerLoopOut) {
    // An outer square and an inner square traced in the same direction: with the alternate
    // rule the inner one is a hole.
    const std::array<POINT, 10> loops{
        {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {3, 3}, {7, 3}, {7, 7}, {3, 7}, {3, 3}}};
    const Region r = Region::FromPolygon(loops);
    EXPECT_TRUE(r.contains(1, 1));
    EXPECT_TRUE(r.contains(8, 5));
    EXPECT_FALSE(r.contains(5, 5));
    EXPECT_EQ(r.row(5).size(), 2u);
    EXPECT_EQ(r.row(1).size(), 1u);

    // A bow tie crosses itself; each triangle is inside.
    const std::array<POINT, 4> bowTie{{{0, 0}, {10, 10}, {10, 0}, {0, 10}}};
    const Region b = Region::FromPolygon(bowTie);
    EXPECT_TRUE(b.contains(1, 5));
    EXPECT_TRUE(b.contains(8, 5));
    EXPECT_FALSE(b.contains(5, 1));
    EXPECT_FALSE(b.contains(5, 8));
}

TEST(GdiRegion, DegeneratePolygonsAreEmpty) {
    const std::array<POINT, 2> two{{{0, 0}, {5, 5}}};
    EXPECT_TRUE(Region::FromPolygon(two).empty());
    const std::array<POINT, 3> flat{{{0, 2}, {5, 2}, {9, 2}}};
    EXPECT_TRUE(Region::FromPolygon(flat).empty());
}

TEST(GdiRegion, SetOperations) {
    const Region a = Region::FromRect({0, 0, 10, 10});
    const Region b = Region::FromRect({5, 5, 15, 15});
    EXPECT_EQ(a.intersected(b), Region::FromRect({5, 5, 10, 10}));

    const Region u = a.united(b);
    EXPECT_TRUE(u.contains(2, 2));
    EXPECT_TRUE(u.contains(12, 12));
    EXPECT_FALSE(u.contains(12, 2));
    EXPECT_EQ(u.bounds(), (RECT{0, 0, 15, 15}));

    const Region d = a.subtracted(b);
    EXPECT_TRUE(d.contains(2, 2));
    EXPECT_TRUE(d.contains(9, 4));
    EXPECT_FALSE(d.contains(7, 7));
    EXPECT_TRUE(a.subtracted(a).empty());

    // Touching spans merge, so equal pixel sets compare equal.
    EXPECT_EQ(Region::FromRect({0, 0, 5, 2}).united(Region::FromRect({5, 0, 10, 2})),
              Region::FromRect({0, 0, 10, 2}));

    Region moved = a;
    moved.offset(3, -2);
    EXPECT_EQ(moved, Region::FromRect({3, -2, 13, 8}));
}

TEST(GdiRegion, HandleCalls) {
    HRGN a = CreateRectRgn(0, 0, 10, 10);
    HRGN b = CreateRectRgn(5, 5, 15, 15);
    HRGN out = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(out, a, b, RGN_AND), SIMPLEREGION);
    RECT box;
    EXPECT_EQ(GetRgnBox(out, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{5, 5, 10, 10}));
    EXPECT_EQ(CombineRgn(out, a, b, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(out, 14, 14));
    EXPECT_FALSE(PtInRegion(out, 14, 1));
    EXPECT_EQ(CombineRgn(out, a, b, RGN_DIFF), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(out, 7, 7));
    EXPECT_EQ(OffsetRgn(out, 100, 0), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(out, 101, 1));
    EXPECT_EQ(CombineRgn(out, a, nullptr, RGN_AND), ERROR_REGION);
    EXPECT_EQ(CombineRgn(out, a, a, RGN_DIFF), NULLREGION);

    const POINT tri[3] = {{0, 0}, {10, 0}, {0, 10}};
    EXPECT_EQ(CreatePolygonRgn(tri, 3, WINDING), nullptr);
    HRGN poly = CreatePolygonRgn(tri, 3, ALTERNATE);
    ASSERT_NE(poly, nullptr);
    EXPECT_TRUE(PtInRegion(poly, 1, 1));
    EXPECT_FALSE(PtInRegion(poly, 8, 8));

    for (HRGN r : {a, b, out, poly}) EXPECT_TRUE(DeleteObject(r));
    EXPECT_FALSE(PtInRegion(a, 1, 1));  // a deleted region answers nothing
}

}  // namespace
