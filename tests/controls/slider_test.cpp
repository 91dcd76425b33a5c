// The bitmap slider in a real window: presses, drags, keys and its picture over the parent's skin.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "controls/bitmap_slider.hpp"
#include "harness.hpp"
#include "test_bitmaps.hpp"
#include "tests/support/bitmap_pixels.hpp"

namespace ctltest {
namespace {

constexpr UINT kSliderId = 1534;
// The colour slider sits at (20, 30) of the parent, 132 x 16: its 12-pixel track is centred two
// pixels down, so the thumb's top and bottom rows lie over the skin and over the track.
constexpr RECT kColourRect{20, 30, 152, 46};
constexpr RECT kQuantityRect{20, 80, 263, 96};

class SliderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Open(slider, kColourRect, TrackRed, 233, 0, 255, 61);
        parent.notes.clear();
    }

    void Open(CBitmapSlider& s, const RECT& rect, int style, UINT thumb, int minimum, int maximum,
              int start) {
        ASSERT_TRUE(
            s.Create(L"msctls_trackbar32", L"", WS_CHILD | WS_VISIBLE, rect, &parent, kSliderId));
        s.trackStyle = style;
        ASSERT_TRUE(s.SetThumbBitmap(thumb));
        s.minimum = minimum;
        s.maximum = maximum;
        s.SetPosition(start);
        Pump();
    }

    POINT At(int x, int y = 6) const { return parent.Screen(slider, {x, y}); }
    Note Tracking(int position) const { return {WM_SLIDER_TRACKING, kSliderId, position}; }
    Note Settled(int position) const { return {WM_SLIDER_SETTLED, kSliderId, position}; }

    // What the control shows at (x, y) with nothing drawn over it but the track.
    COLORREF Beneath(const RECT& rect, int x, int y, COLORREF (*track)(int, int),
                     int trackHeight) const {
        const int top = (rect.bottom - rect.top - trackHeight) / 2;
        if (track != nullptr && y >= top && y < top + trackHeight) return track(x, y - top);
        return TestParent::SkinColor(rect.left + x, rect.top + y);
    }

    ResourceOverride resources{ControlBitmaps()};
    TestParent parent;
    CBitmapSlider slider;
};

TEST_F(SliderTest, SetThumbBitmapRecordsTheGeometry) {
    EXPECT_EQ(slider.thumbWidth, 3);
    EXPECT_EQ(slider.thumbHeight, 12);
    EXPECT_EQ(slider.clientWidth, 132);
    EXPECT_EQ(slider.clientHeight, 16);
    EXPECT_EQ(slider.clientRect, (RECT{0, 0, 132, 16}));
    EXPECT_TRUE(slider.hasThumb);
    EXPECT_EQ(slider.position, 61);

    // A missing picture fails and keeps the recorded sizes.
    EXPECT_FALSE(slider.SetThumbBitmap(999));
    EXPECT_EQ(slider.thumbWidth, 3);
    EXPECT_TRUE(slider.hasThumb);
    EXPECT_EQ(slider.thumbImage.GetSafeHandle(), nullptr);
    // Without its picture the thumb is simply not drawn: the track shows in its place.
    slider.SetPosition(61);
    Pump();
    EXPECT_EQ(parent.ChildPixel(slider, 31, 5), RedTrack(31, 3));
}

TEST_F(SliderTest, SliderWithoutAThumbDrawsNothingOfItsOwn) {
    CBitmapSlider bare;
    ASSERT_TRUE(bare.Create(L"msctls_trackbar32", L"", WS_CHILD | WS_VISIBLE, kQuantityRect,
                            &parent, kSliderId + 1));
    bare.trackStyle = TrackQuantity;
    bare.SetPosition(30);
    Pump();
    MouseDown(parent.Screen(bare, {100, 5}));
    MouseMove(parent.Screen(bare, {150, 5}));
    MouseUp(parent.Screen(bare, {150, 5}));
    EXPECT_EQ(bare.position, 30);
    EXPECT_EQ(parent.ChildPixel(bare, 100, 5), TestParent::SkinColor(120, 85));
}

TEST_F(SliderTest, PressOnTheThumbHoldsItWherePressed) {
    MouseDown(At(31));
    EXPECT_EQ(slider.grabOffset, 0);
    EXPECT_EQ(slider.position, 61);
    EXPECT_TRUE(slider.isDragging);
    EXPECT_EQ(GetCapture(), slider.m_hWnd);
    EXPECT_EQ(GetFocus(), slider.m_hWnd);
    EXPECT_TRUE(parent.notes.empty());

    MouseUp(At(31));
    EXPECT_EQ(parent.notes, std::vector<Note>{Settled(61)});
    EXPECT_FALSE(slider.isDragging);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SliderTest, PressBesideTheCentreKeepsTheGrabOffsetDuringTheDrag) {
    MouseDown(At(32));
    EXPECT_EQ(slider.grabOffset, 1);
    EXPECT_TRUE(parent.notes.empty());
    MouseMove(At(42));  // thumb centre to 41
    EXPECT_EQ(slider.position, slider.PixelToPosition(41));
    EXPECT_EQ(parent.notes, std::vector<Note>{Tracking(slider.PixelToPosition(41))});
    MouseUp(At(42));
}

TEST_F(SliderTest, PressAwayFromTheThumbJumpsAndRepostsOnEveryMove) {
    MouseDown(At(100));
    EXPECT_EQ(slider.grabOffset, 0);
    EXPECT_EQ(slider.position, 195);
    EXPECT_EQ(parent.notes, std::vector<Note>{Tracking(195)});

    // 195 is drawn at pixel 99, so the pointer at 100 is another pixel every time.
    MouseMove(At(100, 8));
    MouseMove(At(100, 3));
    EXPECT_EQ(parent.notes, (std::vector<Note>{Tracking(195), Tracking(195), Tracking(195)}));

    MouseUp(At(100, 3));
    EXPECT_EQ(parent.notes.back(), Settled(195));
    EXPECT_EQ(parent.notes.size(), 4u);
}

TEST_F(SliderTest, DragBeyondEitherEndClampsThroughTheCapture) {
    MouseDown(At(100));
    MouseMove(At(-60));  // left of the parent window itself
    EXPECT_EQ(slider.position, 0);
    EXPECT_EQ(slider.PositionToPixel(slider.position), 1);
    EXPECT_EQ(parent.notes.back(), Tracking(0));

    MouseMove(At(250));
    EXPECT_EQ(slider.position, 255);
    EXPECT_EQ(slider.PositionToPixel(slider.position), 130);
    EXPECT_EQ(parent.notes.back(), Tracking(255));

    MouseUp(At(250));
    EXPECT_EQ(parent.notes.back(), Settled(255));
}

TEST_F(SliderTest, ReleaseWithoutMovingStillSettles) {
    MouseDown(At(31));
    MouseUp(At(31));
    MouseDown(At(31));
    MouseUp(At(31));
    EXPECT_EQ(parent.notes, (std::vector<Note>{Settled(61), Settled(61)}));
}

TEST_F(SliderTest, LosingTheCaptureEndsTheDragAsAReleaseWould) {
    CWnd menu;
    ASSERT_TRUE(
        menu.CreateEx(0, kPlainClass, L"", WS_POPUP | WS_VISIBLE, RECT{0, 0, 10, 10}, nullptr, 0));
    MouseDown(At(100));
    ASSERT_TRUE(slider.isDragging);
    parent.notes.clear();
    menu.SetCapture();  // a menu opens while the button is held
    Pump();
    EXPECT_FALSE(slider.isDragging);
    EXPECT_EQ(parent.notes, std::vector<Note>{Settled(195)});
    // After the menu, the button is let go elsewhere; a plain hover moves nothing.
    ReleaseCapture();
    MouseUp(parent.Screen({400, 150}));
    parent.notes.clear();
    MouseMove(At(5));
    MouseMove(At(60));
    EXPECT_EQ(slider.position, 195);
    EXPECT_TRUE(parent.notes.empty());

    // WM_CANCELMODE (a modal window starts): the drag ends, settles once, and the capture goes.
    MouseDown(At(31));
    parent.notes.clear();
    ::SendMessageW(slider.m_hWnd, WM_CANCELMODE, 0, 0);
    Pump();
    EXPECT_FALSE(slider.isDragging);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(parent.notes, std::vector<Note>{Settled(59)});  // pixel 31 reads as 59
    MouseUp(At(31));
}

TEST_F(SliderTest, MovingWithoutAButtonChangesNothing) {
    MouseMove(At(100));
    MouseMove(At(5));
    MouseMove(At(31));
    EXPECT_EQ(slider.position, 61);
    EXPECT_FALSE(slider.isDragging);
    EXPECT_TRUE(parent.notes.empty());
}

TEST_F(SliderTest, NavigationKeysSetThePositionAndSettle) {
    MouseDown(At(31));  // takes the focus
    MouseUp(At(31));
    ASSERT_EQ(GetFocus(), slider.m_hWnd);

    struct Case {
        int start;
        int key;
        int expected;
    };
    const Case cases[] = {
        {61, VK_HOME, 0},    {61, VK_END, 255},   {10, VK_PRIOR, 0},    {250, VK_NEXT, 255},
        {100, VK_PRIOR, 80}, {100, VK_NEXT, 120}, {0, VK_LEFT, 0},      {0, VK_UP, 0},
        {7, VK_LEFT, 6},     {7, VK_UP, 6},       {255, VK_RIGHT, 255}, {7, VK_RIGHT, 8},
        {7, VK_DOWN, 8},
    };
    for (const Case& c : cases) {
        slider.SetPosition(c.start);
        parent.notes.clear();
        Key(c.key, true);
        Key(c.key, false);
        EXPECT_EQ(slider.position, c.expected) << "key " << c.key << " from " << c.start;
        EXPECT_EQ(parent.notes, std::vector<Note>{Settled(c.expected)})
            << "key " << c.key << " from " << c.start;
    }

    // Any other key passes without a notification.
    slider.SetPosition(40);
    parent.notes.clear();
    Key(VK_SPACE, true);
    Key(VK_SPACE, false);
    EXPECT_EQ(slider.position, 40);
    EXPECT_TRUE(parent.notes.empty());
}

TEST_F(SliderTest, WantsEveryKeyUnlessTabIsHeld) {
    EXPECT_EQ(SendMessageW(slider.m_hWnd, WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS);
    Key(VK_TAB, true);
    ASSERT_LT(GetKeyState(VK_TAB), 0);
    EXPECT_EQ(SendMessageW(slider.m_hWnd, WM_GETDLGCODE, 0, 0),
              CallClassProc(slider.m_hWnd, WM_GETDLGCODE, 0, 0));
    Key(VK_TAB, false);
    EXPECT_EQ(SendMessageW(slider.m_hWnd, WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS);
}

TEST_F(SliderTest, ThumbKeyPixelsShowTheSkinAndTheTrackBeneath) {
    // Position 61: thumb centre 31, thumb columns 30 to 32.
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 132; ++x) {
            COLORREF expected = Beneath(kColourRect, x, y, RedTrack, 12);
            if (x >= 30 && x <= 32 && y < 12 && RedThumb(x - 30, y) != kThumbKey) {
                expected = RedThumb(x - 30, y);
            }
            ASSERT_EQ(parent.ChildPixel(slider, x, y), expected) << "at " << x << "," << y;
        }
    }
    // The key rows really lie over two different things: the skin (row 0), the track (row 11).
    EXPECT_EQ(parent.ChildPixel(slider, 31, 0), TestParent::SkinColor(51, 30));
    EXPECT_EQ(parent.ChildPixel(slider, 31, 11), RedTrack(31, 9));
}

TEST_F(SliderTest, QuantitySliderFillsLeftOfTheThumbAndDrawsAllButTheKeyCorner) {
    CBitmapSlider quantity;
    Open(quantity, kQuantityRect, TrackQuantity, 247, 4, 64, 8);
    ASSERT_EQ(quantity.PositionToPixel(8), 19);  // thumb columns 15 to 23
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 243; ++x) {
            COLORREF expected = x < 15 ? FullQuantityTrack(x, y) : EmptyQuantityTrack(x, y);
            if (x >= 15 && x < 24 && !(x == 15 && y == 0)) expected = QuantityThumb(x - 15, y);
            ASSERT_EQ(parent.ChildPixel(quantity, x, y), expected) << "at " << x << "," << y;
        }
    }

    // Home, End and Page Down on the LED count range.
    quantity.SetFocus();
    const auto press = [](int key) {
        Key(key, true);
        Key(key, false);
    };
    press(VK_HOME);
    EXPECT_EQ(quantity.position, 4);
    press(VK_END);
    EXPECT_EQ(quantity.position, 64);
    quantity.SetPosition(50);
    press(VK_NEXT);
    EXPECT_EQ(quantity.position, 64);
}

TEST_F(SliderTest, TrackStyleOutOfRangeDrawsNoTrack) {
    for (const int style : {4, -1, 1000}) {
        slider.trackStyle = style;
        slider.SetPosition(0);  // thumb columns 0 to 2
        Pump();
        for (int y = 0; y < 16; ++y) {
            for (int x = 3; x < 132; ++x) {
                ASSERT_EQ(parent.ChildPixel(slider, x, y), Beneath(kColourRect, x, y, nullptr, 0))
                    << "style " << style << " at " << x << "," << y;
            }
        }
    }
}

TEST_F(SliderTest, EmptyRangeKeepsTheThumbAtTheStart) {
    slider.minimum = 50;
    slider.maximum = 50;
    slider.SetPosition(80);
    EXPECT_EQ(slider.position, 50);
    MouseDown(At(100));
    MouseMove(At(120));
    MouseUp(At(120));
    EXPECT_EQ(slider.position, 50);
    for (const Note& n : parent.notes) EXPECT_EQ(n.lParam, 50);
    // The thumb is drawn at the left end.
    EXPECT_EQ(parent.ChildPixel(slider, 1, 5), RedThumb(1, 5));
}

TEST_F(SliderTest, FocusChangesRepaintTheSamePicture) {
    const COLORREF thumb = parent.ChildPixel(slider, 31, 5);
    slider.SetFocus();
    RECT update;
    EXPECT_TRUE(GetUpdateRect(slider.m_hWnd, &update, FALSE));
    EXPECT_EQ(update, (RECT{0, 0, 132, 16}));
    Pump();
    parent.SetFocus();
    EXPECT_TRUE(GetUpdateRect(slider.m_hWnd, &update, FALSE));
    Pump();
    EXPECT_EQ(parent.ChildPixel(slider, 31, 5), thumb);
}

TEST_F(SliderTest, DestroyReleasesTheThumb) {
    const std::size_t before = GdiLiveObjectCount();
    slider.DestroyWindow();
    EXPECT_EQ(slider.thumbImage.GetSafeHandle(), nullptr);
    EXPECT_EQ(slider.thumbMask.GetSafeHandle(), nullptr);
    EXPECT_EQ(GdiLiveObjectCount(), before - 2);
}

}  // namespace
}  // namespace ctltest

namespace ctltest {
namespace {

// The program's own track and thumb pictures: the thumb's key rows show the track beneath.
TEST(SliderArtTest, RealThumbKeyRowsShowTheTrack) {
    const Surface thumbPicture = ResourcePixels(233);
    ASSERT_FALSE(thumbPicture.empty());
    const Surface trackPicture = ResourcePixels(228);
    ASSERT_FALSE(trackPicture.empty());

    TestParent parent;
    CBitmapSlider slider;
    ASSERT_TRUE(slider.Create(L"msctls_trackbar32", L"", WS_CHILD | WS_VISIBLE,
                              RECT{20, 30, 152, 42}, &parent, kSliderId));
    slider.trackStyle = TrackRed;
    ASSERT_TRUE(slider.SetThumbBitmap(233));
    slider.maximum = 255;
    slider.SetPosition(128);
    Pump();

    const int left = slider.PositionToPixel(128) - 1;
    const std::uint32_t key = thumbPicture.at(0, 0);
    int keyPixels = 0;
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 3; ++x) {
            const std::uint32_t own = thumbPicture.at(x, y);
            const COLORREF expected =
                ColorrefFromPixel(own == key ? trackPicture.at(left + x, y) : own);
            keyPixels += own == key ? 1 : 0;
            EXPECT_EQ(parent.ChildPixel(slider, left + x, y), expected) << x << "," << y;
        }
    }
    EXPECT_EQ(keyPixels, 6);  // the top and bottom rows
}

}  // namespace
}  // namespace ctltest
