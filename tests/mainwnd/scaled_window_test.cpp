// The main window on a screen of device scale 2: its own pixels are those of scale 1, and what
// the screen shows (its surface's rendition) is the artwork drawn at 2x, pixel for pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "main_window_harness.hpp"
#include "platform/gdi/resources.hpp"

namespace {

constexpr int kScale = 2;

// The window's own pixels and its rendition after the start-up, at a surface scale.
struct Shown {
    Surface pixels;
    Surface fine;
    RECT wheel{};  // the colour wheel, in client coordinates
};

Shown ShownAtScale(int scale) {
    MainWindowHarness run;
    run.backend().SetSurfaceScale(scale);
    Shown shown;
    run.Step([&] {
        run.MoveAway();
        run.backend().Pump();
        shown.pixels = run.Pixels();
        if (const Surface* fine = std::as_const(run.Pixels()).fine()) shown.fine = *fine;
        run.dlg().colorWheel.GetWindowRect(&shown.wheel);
        POINT corners[2] = {{shown.wheel.left, shown.wheel.top},
                            {shown.wheel.right, shown.wheel.bottom}};
        for (POINT& corner : corners) run.dlg().ScreenToClient(&corner);
        shown.wheel = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    });
    run.Run();
    return shown;
}

// The rendition of bitmap `id` as LoadBitmapW gives it on a screen of `scale`.
Surface ArtworkAt(UINT id, int scale) {
    SetBitmapScale(scale);
    CBitmap bitmap;
    EXPECT_TRUE(bitmap.LoadBitmapW(id));
    const HBITMAP handle = bitmap;
    const Surface* fine = std::as_const(handle->surface).fine();
    return fine != nullptr ? *fine : Surface{};
}

// Device pixels of `shown` in the rectangle r (the program's pixels) that differ from `art`'s,
// art's (0, 0) at `origin` (the program's pixels).
int DifferingDevicePixels(const Surface& shown, const Surface& art, const RECT& r, POINT origin,
                          int k) {
    int differ = 0;
    for (int y = r.top * k; y < r.bottom * k; ++y)
        for (int x = r.left * k; x < r.right * k; ++x)
            differ += shown.at(x, y) != art.at(x - origin.x * k, y - origin.y * k) ? 1 : 0;
    return differ;
}

TEST(MainWindowAtScale, ShowsTheArtworkDrawnAtTheScaleAndKeepsItsOwnPixels) {
    const Shown plain = ShownAtScale(1);
    const Shown scaled = ShownAtScale(kScale);
    EXPECT_TRUE(plain.fine.empty());
    ASSERT_EQ(scaled.fine.width(), 800 * kScale);
    ASSERT_EQ(scaled.fine.height(), 540 * kScale);
    // The window's own pixels (what the pictures and GetPixel read) are those of scale 1.
    ASSERT_EQ(plain.pixels.width(), scaled.pixels.width());
    EXPECT_TRUE(std::equal(plain.pixels.pixels().begin(), plain.pixels.pixels().end(),
                           scaled.pixels.pixels().begin()));
    // The skin where no control lies over it (the fans of the picture area) and the colour
    // wheel, a button of its own, are their 2x artwork exactly.
    const Surface skin = ArtworkAt(130, kScale);
    const Surface wheel = ArtworkAt(227, kScale);
    ASSERT_EQ(skin.width(), 800 * kScale);
    ASSERT_EQ(wheel.width(), 171 * kScale);
    EXPECT_EQ(DifferingDevicePixels(scaled.fine, skin, RECT{60, 60, 360, 250}, {0, 0}, kScale), 0);
    ASSERT_EQ(scaled.wheel.right - scaled.wheel.left, 171);
    EXPECT_EQ(DifferingDevicePixels(scaled.fine, wheel, scaled.wheel,
                                    {scaled.wheel.left, scaled.wheel.top}, kScale),
              0);
    // Not the 1x pixels enlarged: most of those device pixels are finer than that.
    int offBlock = 0;
    for (int y = 60 * kScale; y < 250 * kScale; ++y)
        for (int x = 60 * kScale; x < 360 * kScale; ++x)
            offBlock += scaled.fine.at(x, y) != plain.pixels.at(x / kScale, y / kScale) ? 1 : 0;
    EXPECT_GT(offBlock, 300 * 190 * kScale * kScale / 4);
}

}  // namespace
