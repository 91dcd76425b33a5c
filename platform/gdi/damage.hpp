// The parts of a window's surface drawn since they were last shown on screen: a short list of
// rectangles in surface coordinates. Every window device context adds what it draws; the window
// layer takes the list when it hands the window to the backend.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/wintypes.hpp"

class Damage {
  public:
    // At most this many rectangles are kept; beyond it the two whose union wastes the fewest
    // pixels are merged.
    static constexpr std::size_t kMaxRects = 8;

    // Adds a rectangle (empty ones are ignored). Rectangles that overlap or touch are merged
    // when their union covers no more pixels than the two apart.
    void Add(const RECT& r);
    // The rectangles drawn since the last Take, and none from then on.
    std::vector<RECT> Take();

    bool empty() const { return rects_.empty(); }
    const std::vector<RECT>& rects() const { return rects_; }

  private:
    std::vector<RECT> rects_;
};

// The number of pixels the rectangles cover, counting overlaps once per rectangle.
long long PixelCount(const std::vector<RECT>& rects);
