// The bitmap push button in a real window: shape, hover, press and release timing, auto-repeat,
// colour picking and captions, driven by injected input and the virtual clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/mp_button.hpp"
#include "harness.hpp"
#include "platform/wnd/input.hpp"
#include "platform/wnd/window_tree.hpp"
#include "test_bitmaps.hpp"

namespace ctltest {
namespace {

constexpr UINT kButtonId = 1517;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;

class ButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Created smaller than its bitmap: shaping gives it the bitmap's 40 x 40.
        round.SetBitmaps(kRoundNormal, kRoundHot, 0);
        Create(round, {40, 40, 50, 50}, kButtonId);
        Pump();
    }
    void TearDown() override {
        MouseUp(Away());
        MouseMove(Away());
    }

    void Create(CMPButton& button, const RECT& rect, UINT id, const wchar_t* text = L"") {
        ASSERT_TRUE(button.Create(L"Button", text, kButtonStyle, rect, &parent, id));
    }

    // `button` showing the gradient in both looks, 60 x 60 at (200, 40) of the parent.
    void CreateGradientButton(CMPButton& button, UINT id) {
        button.SetBitmaps(kGradient, kGradient, 0);
        Create(button, {200, 40, 260, 100}, id);
        Pump();
    }

    POINT On(const CWnd& button, int x = 20, int y = 20) const {
        return parent.Screen(button, {x, y});
    }
    POINT Away() const { return parent.Screen({400, 150}); }
    Note Click(const CWnd& button, UINT id = kButtonId) const {
        return {WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                reinterpret_cast<LPARAM>(button.m_hWnd)};
    }
    // A point of the disc that stays uncovered in the hover watch test.
    COLORREF DiscLook() const { return parent.ChildPixel(round, 8, 20); }

    ResourceOverride resources{ControlBitmaps()};
    TestParent parent;
    CMPButton round;
};

TEST_F(ButtonTest, ShapedButtonTakesItsBitmapsSizeAndLosesTheWhiteCorners) {
    RECT rect;
    round.GetWindowRect(&rect);
    EXPECT_EQ(rect.right - rect.left, 40);
    EXPECT_EQ(rect.bottom - rect.top, 40);
    EXPECT_EQ(POINT(rect.left, rect.top), parent.Screen({40, 40}));

    for (const POINT corner : {POINT{1, 1}, POINT{38, 1}, POINT{1, 38}, POINT{38, 38}}) {
        // Not drawn: the skin shows through.
        EXPECT_EQ(parent.ChildPixel(round, corner.x, corner.y),
                  TestParent::SkinColor(40 + corner.x, 40 + corner.y));
        // Not hit: the parent is under the point, and a click there posts nothing.
        EXPECT_EQ(WindowFromPoint(On(round, corner.x, corner.y)), parent.m_hWnd);
        MouseDown(On(round, corner.x, corner.y));
        MouseUp(On(round, corner.x, corner.y));
    }
    EXPECT_TRUE(parent.notes.empty());
    EXPECT_EQ(WindowFromPoint(On(round)), round.m_hWnd);
    EXPECT_EQ(parent.ChildPixel(round, 20, 20), kRoundNormalColor);
}

TEST_F(ButtonTest, HoverHighlightsAndLeavingRestoresAtOnce) {
    MouseMove(On(round));
    EXPECT_TRUE(round.hover);
    EXPECT_EQ(GetCapture(), round.m_hWnd);
    EXPECT_EQ(DiscLook(), kRoundHotColor);

    MouseMove(Away());
    EXPECT_FALSE(round.hover);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(DiscLook(), kRoundNormalColor);
    EXPECT_TRUE(parent.notes.empty());
}

TEST_F(ButtonTest, HoverWatchRestoresTheNormalLookWithin200Ms) {
    MouseMove(On(round));
    ASSERT_EQ(DiscLook(), kRoundHotColor);

    // A window appears under the cursor; no mouse move tells the button the cursor is gone.
    CWnd cover;
    const POINT at = On(round, 17, 17);
    ASSERT_TRUE(cover.CreateEx(0, kPlainClass, L"", WS_POPUP | WS_VISIBLE,
                               RECT{at.x, at.y, at.x + 8, at.y + 8}, nullptr, 0));
    Pump();
    Advance(200);
    EXPECT_FALSE(round.hover);
    EXPECT_EQ(DiscLook(), kRoundNormalColor);
}

TEST_F(ButtonTest, PressHeld1999MsClicksAnd2000MsDoesNot) {
    MouseDown(On(round));
    EXPECT_EQ(DiscLook(), kRoundHotColor);
    EXPECT_TRUE(parent.notes.empty());  // nothing on the press itself
    Advance(1999);
    MouseUp(On(round));
    EXPECT_EQ(parent.notes, std::vector<Note>{Click(round)});

    parent.notes.clear();
    MouseDown(On(round));
    Advance(2000);
    MouseUp(On(round));
    EXPECT_TRUE(parent.notes.empty());
    EXPECT_FALSE(round.pressed);
}

TEST_F(ButtonTest, ReleaseOutsideStillClicksAndTheLookHoldsUntilThen) {
    MouseMove(On(round));  // the hover takes the capture that brings the release back
    MouseDown(On(round));
    MouseMove(Away());  // dragged off with the button held
    EXPECT_FALSE(round.hover);
    EXPECT_EQ(DiscLook(), kRoundHotColor);
    MouseUp(Away());
    EXPECT_EQ(parent.notes, std::vector<Note>{Click(round)});
    MouseMove(Away());  // the next move with the button up lets go
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(DiscLook(), kRoundNormalColor);
}

TEST_F(ButtonTest, ReleaseWithoutAPressOnTheButtonIsNoClick) {
    MouseDown(parent.Screen({300, 20}));
    MouseMove(On(round));
    MouseUp(On(round));
    EXPECT_TRUE(parent.notes.empty());
}

TEST_F(ButtonTest, LosingTheCaptureEndsThePressWithoutAClick) {
    CWnd other;
    ASSERT_TRUE(
        other.CreateEx(0, kPlainClass, L"", WS_POPUP | WS_VISIBLE, RECT{0, 0, 10, 10}, nullptr, 0));
    // To another window (a menu taking the mouse): the press and its look end at once.
    MouseMove(On(round));
    MouseDown(On(round));
    MouseMove(Away());
    ASSERT_EQ(DiscLook(), kRoundHotColor);
    other.SetCapture();
    Pump();
    EXPECT_FALSE(round.pressed);
    EXPECT_EQ(DiscLook(), kRoundNormalColor);
    // The release that follows elsewhere, or on the button, is no click.
    ReleaseCapture();
    MouseUp(On(round));
    EXPECT_TRUE(parent.notes.empty());

    // WM_CANCELMODE (a modal window starts) ends the press, stops the repeat and lets go.
    round.autoRepeat = TRUE;
    MouseMove(On(round));
    MouseDown(On(round));
    ASSERT_EQ(GetCapture(), round.m_hWnd);
    ::SendMessageW(round.m_hWnd, WM_CANCELMODE, 0, 0);
    EXPECT_FALSE(round.pressed);
    EXPECT_EQ(GetCapture(), nullptr);
    Advance(3000);
    EXPECT_TRUE(parent.notes.empty());
}

TEST_F(ButtonTest, DisabledParentTakesTheCaptureAndTheHoverWatchEndsTheLook) {
    MouseMove(On(round));
    ASSERT_EQ(GetCapture(), round.m_hWnd);
    ::EnableWindow(parent.m_hWnd, FALSE);
    EXPECT_EQ(GetCapture(), nullptr);
    // A click where the pointer rests reaches nothing, and the highlight goes within 200 ms.
    MouseDown(On(round));
    MouseUp(On(round));
    EXPECT_TRUE(parent.notes.empty());
    EXPECT_FALSE(round.pressed);
    Advance(200);
    EXPECT_FALSE(round.hover);
    EXPECT_EQ(DiscLook(), kRoundNormalColor);
    ::EnableWindow(parent.m_hWnd, TRUE);
}

TEST_F(ButtonTest, PressOnAButtonJustLeftByAnotherClicksOnReleaseBeside) {
    CMPButton second;
    second.SetBitmaps(kRoundNormal, kRoundHot, 0);
    Create(second, {100, 40, 110, 50}, kButtonId + 1);
    Pump();
    MouseMove(On(round));
    ASSERT_EQ(GetCapture(), round.m_hWnd);
    // In one motion onto the second button and down, before any move reaches it directly: the
    // first lets go, the move that follows its release hands the capture to the second.
    platform::InputMouseMove(On(second));
    platform::InputMouseButton(platform::MouseButton::Left, true, On(second));
    Pump();
    EXPECT_TRUE(second.pressed);
    EXPECT_EQ(GetCapture(), second.m_hWnd);
    MouseMove(parent.Screen({150, 45}));
    MouseUp(parent.Screen({150, 45}));
    EXPECT_EQ(parent.notes, std::vector<Note>{Click(second, kButtonId + 1)});
    EXPECT_FALSE(second.pressed);

    // The same with the whole gesture waiting in the queue when the first button lets go (a busy
    // program, or quick hands): the move that follows the release comes before the press.
    parent.notes.clear();
    MouseMove(On(round));
    ASSERT_EQ(GetCapture(), round.m_hWnd);
    platform::InputMouseMove(On(second));
    platform::InputMouseButton(platform::MouseButton::Left, true, On(second));
    platform::InputMouseMove(parent.Screen({150, 45}));
    platform::InputMouseButton(platform::MouseButton::Left, false, parent.Screen({150, 45}));
    platform::InputMouseMove(parent.Screen({150, 45}));
    Pump();
    EXPECT_EQ(parent.notes, std::vector<Note>{Click(second, kButtonId + 1)});
    EXPECT_FALSE(second.pressed);
    EXPECT_FALSE(round.pressed);
}

TEST_F(ButtonTest, AutoRepeatPostsAt2000And3000AndNothingOnRelease) {
    round.autoRepeat = TRUE;
    MouseDown(On(round));
    Advance(1999);
    EXPECT_TRUE(parent.notes.empty());
    Advance(1);
    EXPECT_EQ(parent.notes.size(), 1u);
    Advance(999);
    EXPECT_EQ(parent.notes.size(), 1u);
    Advance(1);
    EXPECT_EQ(parent.notes.size(), 2u);
    Advance(500);  // 3500 ms held
    MouseUp(On(round));
    EXPECT_EQ(parent.notes, (std::vector<Note>{Click(round), Click(round)}));
    EXPECT_FALSE(round.repeating);
}

TEST_F(ButtonTest, AutoRepeatShortPressClicksOnce) {
    round.autoRepeat = TRUE;
    MouseDown(On(round));
    Advance(1500);
    MouseUp(On(round));
    Advance(3000);
    EXPECT_EQ(parent.notes, std::vector<Note>{Click(round)});
}

TEST_F(ButtonTest, ColourPickTakesThePixelUnderThePressFromTheScreen) {
    CMPButton wheel;
    wheel.shaped = FALSE;
    wheel.colorPick = TRUE;
    CreateGradientButton(wheel, 1505);
    EXPECT_EQ(wheel.pickedColor, 0x00FF453Du);

    const POINT press = On(wheel, 13, 27);
    const COLORREF onScreen = ScreenPixel(press);
    ASSERT_EQ(onScreen, Gradient(13, 27));
    MouseDown(press);
    EXPECT_EQ(wheel.pickedColor, onScreen);
    EXPECT_TRUE(parent.notes.empty());
    MouseUp(press);
    EXPECT_EQ(parent.notes, std::vector<Note>{Click(wheel, 1505)});
    // The mark drawn at the press is gone with the repaint.
    EXPECT_EQ(parent.ChildPixel(wheel, 10, 24), Gradient(10, 24));
}

TEST_F(ButtonTest, SameNormalAndHotLookShowsNoHoverChange) {
    CMPButton wheel;
    wheel.shaped = FALSE;
    CreateGradientButton(wheel, 1505);
    const COLORREF before = parent.ChildPixel(wheel, 30, 30);
    MouseMove(On(wheel, 30, 30));
    ASSERT_TRUE(wheel.hover);
    EXPECT_EQ(parent.ChildPixel(wheel, 30, 30), before);
}

TEST_F(ButtonTest, PressZoomShiftsTheStretchedPictureWhilePressed) {
    CMPButton zoom;
    zoom.pressZoom = TRUE;
    CreateGradientButton(zoom, 1506);
    // Idle: the picture from (3, 3) stretched over 64 x 64; pressed: from (2, 2) over 65 x 65.
    EXPECT_EQ(parent.ChildPixel(zoom, 0, 0), Gradient(3, 3));
    MouseMove(On(zoom, 30, 30));
    MouseDown(On(zoom, 30, 30));
    EXPECT_EQ(parent.ChildPixel(zoom, 0, 0), Gradient(2, 2));
    MouseUp(On(zoom, 30, 30));
    EXPECT_EQ(parent.ChildPixel(zoom, 0, 0), Gradient(3, 3));
}

TEST_F(ButtonTest, EnableTextAndFontMessages) {
    RECT update;
    EnableWindow(round.m_hWnd, FALSE);
    EXPECT_TRUE(GetUpdateRect(round.m_hWnd, &update, FALSE));
    Pump();
    round.SetWindowTextW(L"Go");
    EXPECT_TRUE(GetUpdateRect(round.m_hWnd, &update, FALSE));
    EXPECT_EQ(round.GetWindowTextString(), L"Go");
    Pump();
    // A font arrives without a repaint, whatever the redraw flag says.
    SendMessageW(round.m_hWnd, WM_SETFONT, 0, TRUE);
    EXPECT_FALSE(GetUpdateRect(round.m_hWnd, &update, FALSE));
}

TEST_F(ButtonTest, SetBitmapsRepaintsWithoutReshaping) {
    const auto shapeBefore = platform::WindowShape(round.m_hWnd);
    round.SetBitmaps(kPlainNormal, kPlainHot, 0);
    Pump();
    EXPECT_EQ(DiscLook(), kPlainNormalColor);
    EXPECT_EQ(platform::WindowShape(round.m_hWnd), shapeBefore);
    EXPECT_EQ(parent.ChildPixel(round, 1, 1), TestParent::SkinColor(41, 41));
}

}  // namespace
}  // namespace ctltest
