// Ten thousand paints of each control leave no bitmap, brush, font, region or device context
// behind.
#include <gtest/gtest.h>

#include "controls/bitmap_slider.hpp"
#include "controls/mp_button.hpp"
#include "controls/mp_static.hpp"
#include "harness.hpp"
#include "test_bitmaps.hpp"

namespace ctltest {
namespace {

TEST(LeakTest, TenThousandPaintsLeaveNoObjectBehind) {
    const ResourceOverride resources{ControlBitmaps()};
    TestParent parent;
    CBitmapSlider slider;
    CMPButton button;
    CMPStatic label;
    CMPStatic picture;
    ASSERT_TRUE(slider.Create(L"msctls_trackbar32", L"", WS_CHILD | WS_VISIBLE,
                              RECT{20, 30, 152, 46}, &parent, 1534));
    slider.trackStyle = TrackRed;
    ASSERT_TRUE(slider.SetThumbBitmap(233));
    slider.maximum = 255;
    button.SetBitmaps(kRoundNormal, kRoundHot, 0);
    ASSERT_TRUE(button.Create(L"Button", L"Go", WS_CHILD | WS_VISIBLE, RECT{200, 40, 240, 80},
                              &parent, 1517));
    ASSERT_TRUE(label.Create(L"static", L"32", WS_CHILD | WS_VISIBLE | SS_CENTER,
                             RECT{260, 40, 320, 64}, &parent, 1530));
    picture.normalBmp = kPicture;
    ASSERT_TRUE(picture.Create(L"static", L"", WS_CHILD | WS_VISIBLE, RECT{330, 40, 360, 60},
                               &parent, 1531));
    Pump();

    const std::size_t before = GdiLiveObjectCount();
    for (int i = 0; i < 10000; ++i) {
        slider.SetPosition(i % 256);
        button.latched = (i % 2 == 0) ? TRUE : FALSE;
        button.Invalidate(FALSE);
        label.Invalidate(TRUE);
        picture.Invalidate(FALSE);
        Pump();
    }
    EXPECT_EQ(GdiLiveObjectCount(), before);
    // The last paint really drew: the slider's thumb sits at its last position.
    EXPECT_EQ(parent.ChildPixel(slider, slider.PositionToPixel(9999 % 256), 5), RedThumb(1, 5));
}

}  // namespace
}  // namespace ctltest
