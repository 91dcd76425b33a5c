// The slider's position <-> pixel mappings for the two geometries the program uses, and the
// guards for an empty range and a control no wider than its thumb.
#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

#include "controls/bitmap_slider.hpp"

namespace {

void SetGeometry(CBitmapSlider& slider, int clientWidth, int thumbWidth, int minimum, int maximum) {
    slider.clientWidth = clientWidth;
    slider.thumbWidth = thumbWidth;
    slider.minimum = minimum;
    slider.maximum = maximum;
}

using Table = std::vector<std::pair<int, int>>;

TEST(SliderMapping, ColourSliderPositionToPixel) {
    CBitmapSlider slider;
    SetGeometry(slider, 132, 3, 0, 255);
    for (const auto& [position, pixel] :
         Table{{0, 1}, {1, 1}, {2, 2}, {61, 31}, {69, 35}, {128, 65}, {254, 129}, {255, 130}}) {
        EXPECT_EQ(slider.PositionToPixel(position), pixel) << "position " << position;
    }
}

TEST(SliderMapping, ColourSliderPixelToPosition) {
    CBitmapSlider slider;
    SetGeometry(slider, 132, 3, 0, 255);
    for (const auto& [pixel, position] :
         Table{{1, 0}, {2, 1}, {3, 3}, {31, 59}, {99, 193}, {100, 195}, {130, 255}, {131, 256}}) {
        EXPECT_EQ(slider.PixelToPosition(pixel), position) << "pixel " << pixel;
    }
    // Not exact inverses: 61 goes to pixel 31, which reads back as 59.
    EXPECT_EQ(slider.PixelToPosition(slider.PositionToPixel(61)), 59);
}

TEST(SliderMapping, LedQuantitySlider) {
    CBitmapSlider slider;
    SetGeometry(slider, 243, 9, 4, 64);
    for (const auto& [position, pixel] : Table{{4, 4}, {8, 19}, {64, 238}}) {
        EXPECT_EQ(slider.PositionToPixel(position), pixel) << "position " << position;
    }
    for (const auto& [pixel, position] : Table{{4, 4}, {19, 7}, {238, 64}, {239, 64}}) {
        EXPECT_EQ(slider.PixelToPosition(pixel), position) << "pixel " << pixel;
    }
}

TEST(SliderMapping, EmptyRangeSitsAtTheStartWithoutDividingByZero) {
    CBitmapSlider slider;
    SetGeometry(slider, 132, 3, 50, 50);
    EXPECT_EQ(slider.PositionToPixel(50), 1);
    EXPECT_EQ(slider.PositionToPixel(7), 1);
    EXPECT_EQ(slider.PixelToPosition(100), 50);
}

TEST(SliderMapping, NoTravelGivesTheMinimum) {
    CBitmapSlider slider;
    SetGeometry(slider, 3, 3, 0, 255);
    EXPECT_EQ(slider.PixelToPosition(1), 0);
    EXPECT_EQ(slider.PixelToPosition(2), 0);
    EXPECT_EQ(slider.PositionToPixel(255), 1);
}

TEST(SliderMapping, ExtremeRangesStayWithinInt) {
    CBitmapSlider slider;
    SetGeometry(slider, 132, 3, INT_MIN, INT_MAX);
    EXPECT_EQ(slider.PositionToPixel(INT_MIN), 1);
    EXPECT_EQ(slider.PositionToPixel(INT_MAX), 130);
    EXPECT_EQ(slider.PixelToPosition(1), INT_MIN);
    EXPECT_EQ(slider.PixelToPosition(130), INT_MAX);
    EXPECT_EQ(slider.PixelToPosition(100000), INT_MAX);  // far beyond: saturates, no overflow
}

TEST(SliderMapping, SetPositionClampsMaximumFirst) {
    CBitmapSlider slider;
    slider.minimum = 0;
    slider.maximum = 255;
    slider.SetPosition(300);
    EXPECT_EQ(slider.position, 255);
    slider.SetPosition(-5);
    EXPECT_EQ(slider.position, 0);
    slider.minimum = 10;
    slider.maximum = 5;
    slider.SetPosition(7);
    EXPECT_EQ(slider.position, 10);
}

}  // namespace
