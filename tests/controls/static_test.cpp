// The bitmap static in a real window: text labels with their colours, corners and alignment,
// picture labels, WM_COMMAND passed on to the parent, and the link click.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "controls/mp_static.hpp"
#include "harness.hpp"
#include "platform/wnd/window_tree.hpp"
#include "test_bitmaps.hpp"

namespace ctltest {
namespace {

constexpr COLORREF kLabelBack = 0x00401400;
constexpr int kW = 120;
constexpr int kH = 24;

class StaticTest : public ::testing::Test {
  protected:
    void Create(CMPStatic& label, const RECT& rect, DWORD style, const wchar_t* text = L"") {
        ASSERT_TRUE(label.Create(L"static", text, WS_CHILD | WS_VISIBLE | SS_NOTIFY | style, rect,
                                 &parent, 1530));
        Pump();
    }
    std::vector<bool> LabelInk(const CMPStatic& label) const {
        return Ink(parent, label, kW, kH, [](int, int) { return kLabelBack; });
    }
    // How many pixels of the label's shape differ from its fill colour.
    int InkInside(const CMPStatic& label) const {
        const std::vector<bool> ink = LabelInk(label);
        const Region shape = platform::WindowShape(label.m_hWnd);
        int n = 0;
        for (int y = 0; y < kH; ++y) {
            for (int x = 0; x < kW; ++x) {
                n += (shape.contains(x, y) && ink[static_cast<std::size_t>(y * kW + x)]) ? 1 : 0;
            }
        }
        return n;
    }
    // Leftmost and rightmost columns with ink, or (-1, -1).
    static std::pair<int, int> Columns(const std::vector<bool>& ink) {
        int left = -1;
        int right = -1;
        for (int x = 0; x < kW; ++x) {
            for (int y = 0; y < kH; ++y) {
                if (!ink[static_cast<std::size_t>(y * kW + x)]) continue;
                if (left < 0) left = x;
                right = x;
            }
        }
        return {left, right};
    }

    ResourceOverride resources{ControlBitmaps()};
    TestParent parent;
};

TEST_F(StaticTest, DefaultsAreTheSkinColours) {
    const CMPStatic label;
    EXPECT_EQ(label.backColor, 0x00050505u);
    EXPECT_EQ(label.textColor, 0x00F5F5F5u);
    EXPECT_EQ(label.font, nullptr);
    EXPECT_TRUE(label.linkTarget.empty());
    EXPECT_EQ(label.normalBmp, 0u);
}

TEST_F(StaticTest, TextLabelHasRoundedCornersAndRepaintsWithItsText) {
    CMPStatic label;
    label.backColor = kLabelBack;
    Create(label, {20, 100, 20 + kW, 100 + kH}, SS_CENTER);
    EXPECT_EQ(platform::WindowShape(label.m_hWnd), Region::FromRoundRect(RECT{0, 0, kW, kH}, 2, 2));

    // Empty: nothing but the fill colour.
    EXPECT_EQ(InkInside(label), 0);

    label.SetWindowTextW(L"32");
    Pump();
    EXPECT_NE(InkInside(label), 0);
    bool textColour = false;
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            textColour = textColour || parent.ChildPixel(label, x, y) == label.textColor;
        }
    }
    EXPECT_TRUE(textColour);

    label.SetWindowTextW(L"");
    Pump();
    EXPECT_EQ(InkInside(label), 0);
}

TEST_F(StaticTest, CentredWithSsCenterFlushRightWithout) {
    CMPStatic centred;
    CMPStatic right;
    centred.backColor = kLabelBack;
    right.backColor = kLabelBack;
    Create(centred, {20, 20, 20 + kW, 20 + kH}, SS_CENTER, L"English");
    Create(right, {20, 60, 20 + kW, 60 + kH}, 0, L"English");

    const auto [cl, cr] = Columns(LabelInk(centred));
    ASSERT_GE(cl, 0);
    EXPECT_LE(std::abs(cl - (kW - 1 - cr)), 2);

    const auto [rl, rr] = Columns(LabelInk(right));
    ASSERT_GE(rl, 0);
    EXPECT_GE(rr, kW - 4);
    EXPECT_EQ(rr - rl, cr - cl);  // the same text, only moved
}

TEST_F(StaticTest, TextThatDoesNotFitIsCutAtTheLabel) {
    CMPStatic label;
    label.backColor = kLabelBack;
    Create(label, {20, 20, 50, 20 + kH}, SS_CENTER, L"A rather long text for thirty pixels");
    for (int y = 0; y < kH; ++y) {
        for (int x = 30; x < 60; ++x) {
            ASSERT_EQ(parent.ChildPixel(label, x, y), TestParent::SkinColor(20 + x, 20 + y))
                << x << "," << y;
        }
    }
}

TEST_F(StaticTest, SetFontRepaintsOnlyWithTheRedrawFlag) {
    CMPStatic label;
    label.backColor = kLabelBack;
    Create(label, {20, 20, 20 + kW, 20 + kH}, SS_CENTER, L"Lights Qty");
    const std::vector<bool> before = LabelInk(label);

    CFont font;
    ASSERT_TRUE(CreateBoldFont(font, 20));
    const auto handle = reinterpret_cast<WPARAM>(font.GetSafeHandle());

    SendMessageW(label.m_hWnd, WM_SETFONT, handle, FALSE);
    Pump();
    EXPECT_EQ(LabelInk(label), before);
    SendMessageW(label.m_hWnd, WM_SETFONT, handle, TRUE);
    Pump();
    EXPECT_NE(LabelInk(label), before);
    label.DestroyWindow();
}

TEST_F(StaticTest, CommandReachesTheParentPosted) {
    CMPStatic label;
    Create(label, {20, 20, 20 + kW, 20 + kH}, 0);
    SendMessageW(label.m_hWnd, WM_COMMAND, 0x00051234, 77);
    EXPECT_TRUE(parent.notes.empty());  // queued, not yet handled
    Pump();
    const Note forwarded{WM_COMMAND, 0x00051234, 77};
    EXPECT_EQ(parent.notes, std::vector<Note>{forwarded});
}

TEST_F(StaticTest, PictureTakesItsBitmapsSizeAndIgnoresItsText) {
    CMPStatic picture;
    picture.normalBmp = kPicture;
    Create(picture, {20, 20, 120, 70}, 0, L"ignored");
    RECT rect;
    picture.GetWindowRect(&rect);
    const POINT topLeft = parent.Screen({20, 20});
    EXPECT_EQ(rect, (RECT{topLeft.x, topLeft.y, topLeft.x + 30, topLeft.y + 20}));
    EXPECT_FALSE(platform::WindowShape(picture.m_hWnd).empty());
    picture.SetWindowTextW(L"still ignored");
    Pump();
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 30; ++x) {
            ASSERT_EQ(parent.ChildPixel(picture, x, y), PictureColor(x, y)) << x << "," << y;
        }
    }
}

TEST_F(StaticTest, PictureWithoutItsBitmapShrinksToNothing) {
    CMPStatic picture;
    picture.normalBmp = 999;
    Create(picture, {20, 20, 120, 70}, 0);
    RECT rect;
    picture.GetWindowRect(&rect);
    EXPECT_EQ(rect.right - rect.left, 0);
    EXPECT_EQ(rect.bottom - rect.top, 0);
}

}  // namespace
}  // namespace ctltest
