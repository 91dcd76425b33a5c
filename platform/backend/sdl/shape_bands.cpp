#include "platform/backend/sdl/shape_bands.hpp"

#include <algorithm>
#include <cstddef>

namespace platform::sdl {
namespace {

// The spans of one row, clipped to the window's width.
struct Row {
    int y = 0;
    std::vector<ShapeRect> rects;  // height 1
};

}  // namespace

std::vector<ShapeRect> ShapeBands(const Region& shape, int width, int height) {
    std::vector<ShapeRect> bands;
    std::size_t bandStart = 0;  // first rectangle of the band being extended
    int bandY = 0;
    int bandHeight = 0;
    Row row;
    const auto flushRow = [&] {
        if (row.rects.empty()) {
            return;
        }
        const std::size_t bandSize = bands.size() - bandStart;
        const bool continuesBand =
            bandSize > 0 && bandY + bandHeight == row.y && bandSize == row.rects.size() &&
            std::equal(row.rects.begin(), row.rects.end(), bands.begin() + bandStart,
                       [](const ShapeRect& a, const ShapeRect& b) {
                           return a.x == b.x && a.width == b.width;
                       });
        if (continuesBand) {
            ++bandHeight;
            for (std::size_t i = bandStart; i < bands.size(); ++i) {
                bands[i].height = bandHeight;
            }
        } else {
            bandStart = bands.size();
            bandY = row.y;
            bandHeight = 1;
            bands.insert(bands.end(), row.rects.begin(), row.rects.end());
        }
        row.rects.clear();
    };

    for (const Region::Span& span : shape.spans()) {
        if (span.y < 0 || span.y >= height) {
            continue;
        }
        const int x0 = std::max(span.x0, 0);
        const int x1 = std::min(span.x1, width);
        if (x0 >= x1) {
            continue;
        }
        if (span.y != row.y) {
            flushRow();
            row.y = span.y;
        }
        row.rects.push_back(ShapeRect{x0, span.y, x1 - x0, 1});
    }
    flushRow();
    return bands;
}

}  // namespace platform::sdl
