// A set of pixels kept as sorted, non-overlapping horizontal spans per row.
// Regions clip drawing, shape windows and answer hit tests.
#pragma once

#include <span>
#include <vector>

#include "platform/wintypes.hpp"

class Region {
  public:
    struct Span {
        int y;
        int x0;  // first pixel inside
        int x1;  // one past the last pixel inside
        friend bool operator==(const Span&, const Span&) = default;
    };

    // Regions hold pixels with coordinates from -kLimit to kLimit - 1; larger shapes are cut
    // there (the spans are kept per row, so an unbounded height would be unbounded memory).
    static constexpr int kLimit = 1 << 15;

    Region() = default;
    static Region FromRect(const RECT& r);
    // Rectangle with corners rounded by an ellipse of the given width and height
    // (CreateRoundRectRgn).
    static Region FromRoundRect(const RECT& r, int ellipseWidth, int ellipseHeight);
    // Polygon filled with the alternate (even-odd) rule (CreatePolygonRgn with ALTERNATE).
    static Region FromPolygon(std::span<const POINT> points);

    bool empty() const { return spans_.empty(); }
    bool contains(int x, int y) const;
    RECT bounds() const;                                       // all zero when empty
    const std::vector<Span>& spans() const { return spans_; }  // sorted by y, then x0
    std::span<const Span> row(int y) const;  // the spans of one row, left to right

    Region intersected(const Region& other) const;
    Region united(const Region& other) const;
    Region subtracted(const Region& other) const;
    void offset(int dx, int dy);

    friend bool operator==(const Region&, const Region&) = default;

  private:
    std::vector<Span> spans_;
};
