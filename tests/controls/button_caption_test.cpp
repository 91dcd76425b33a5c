// Captions of the bitmap push button: one or two lines of white text, cut at 63 characters, and
// the font taken from WM_SETFONT only at the next paint.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "controls/mp_button.hpp"
#include "harness.hpp"
#include "test_bitmaps.hpp"

namespace ctltest {
namespace {

constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
constexpr int kW = 80;
constexpr int kH = 30;

// The rows and columns that hold ink.
struct InkBox {
    int left = kW;
    int top = kH;
    int right = -1;
    int bottom = -1;
    bool empty() const { return right < 0; }
};

InkBox BoxOf(const std::vector<bool>& ink, int w, int rowFrom = 0, int rowTo = kH) {
    InkBox box;
    for (int y = rowFrom; y < rowTo; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!ink[static_cast<std::size_t>(y * w + x)]) continue;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}

class CaptionTest : public ::testing::Test {
  protected:
    // Unshaped, so that the whole client area shows the flat bitmap one to one.
    void Create(CMPButton& button, const RECT& rect, const wchar_t* text) {
        button.shaped = FALSE;
        ASSERT_TRUE(button.Create(L"Button", text, kButtonStyle, rect, &parent, 1600));
        Pump();
    }
    std::vector<bool> PlainInk(const CMPButton& button) const {
        return Ink(parent, button, kW, kH, [](int, int) { return kPlainNormalColor; });
    }

    ResourceOverride resources{ControlBitmaps()};
    TestParent parent;
};

TEST_F(CaptionTest, OneLineIsCentredInTheUpperPartInWhite) {
    CMPButton button;
    button.SetBitmaps(kPlainNormal, kPlainHot, 0);
    Create(button, {20, 20, 100, 50}, L"Apply");
    const std::vector<bool> ink = PlainInk(button);
    const InkBox box = BoxOf(ink, kW);
    ASSERT_FALSE(box.empty());
    // Exactly the ink of the text centred in (0, 0, 80, 24) by the platform's own text drawing.
    CBitmap picture;
    picture.CreateBitmap(kW, kH, 1, 32, nullptr);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    const HGDIOBJ old = dc.SelectObject(&picture);
    dc.FillSolidRect(0, 0, kW, kH, kPlainNormalColor);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(255, 255, 255));
    RECT upper{0, 0, kW, kH - 6};
    dc.DrawTextW(L"Apply", 5, &upper, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    std::vector<bool> expected;
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) expected.push_back(dc.GetPixel(x, y) != kPlainNormalColor);
    }
    dc.SelectObject(old);
    EXPECT_EQ(ink, expected);
    // The strokes are white.
    bool white = false;
    for (int y = box.top; y <= box.bottom; ++y) {
        for (int x = box.left; x <= box.right; ++x) {
            white = white || parent.ChildPixel(button, x, y) == 0xFFFFFFu;
        }
    }
    EXPECT_TRUE(white);
}

TEST_F(CaptionTest, TextOffsetsShiftTheOneLineCaption) {
    CMPButton plain;
    CMPButton shifted;
    plain.SetBitmaps(kPlainNormal, kPlainHot, 0);
    shifted.SetBitmaps(kPlainNormal, kPlainHot, 0);
    shifted.textOffsetX = -10;
    shifted.textOffsetY = 3;
    Create(plain, {20, 20, 100, 50}, L"Go");
    Create(shifted, {120, 20, 200, 50}, L"Go");
    const InkBox a = BoxOf(PlainInk(plain), kW);
    const InkBox b = BoxOf(PlainInk(shifted), kW);
    ASSERT_FALSE(a.empty());
    EXPECT_EQ(b.left, a.left - 10);
    EXPECT_EQ(b.top, a.top + 3);
}

TEST_F(CaptionTest, LineFeedSplitsIntoAnUpperAndALowerLine) {
    CMPButton one;
    CMPButton two;
    one.SetBitmaps(kPlainNormal, kPlainHot, 0);
    two.SetBitmaps(kPlainNormal, kPlainHot, 0);
    Create(one, {20, 20, 100, 50}, L"Red");
    Create(two, {120, 20, 200, 50}, L"Red\nBlue");
    const std::vector<bool> inkOne = PlainInk(one);
    const std::vector<bool> inkTwo = PlainInk(two);
    // The upper line lies in (1, 6, 80, 19), the lower one in (1, 15, 80, 29).
    EXPECT_FALSE(BoxOf(inkTwo, kW, 0, 15).empty());
    EXPECT_FALSE(BoxOf(inkTwo, kW, 20, kH).empty());
    EXPECT_TRUE(BoxOf(inkTwo, kW, 0, 6).empty());
    // One line never reaches the lower rows.
    EXPECT_TRUE(BoxOf(inkOne, kW, 22, kH).empty());

    // Pressed, both lines move one pixel to the left, nothing else.
    MouseDown(parent.Screen(two, {40, 15}));
    const std::vector<bool> pressed =
        Ink(parent, two, kW, kH, [](int, int) { return kPlainHotColor; });
    MouseUp(parent.Screen(two, {40, 15}));
    std::vector<bool> shifted(inkTwo.size(), false);
    for (int y = 0; y < kH; ++y) {
        for (int x = 1; x < kW; ++x) {
            shifted[static_cast<std::size_t>(y * kW + x - 1)] =
                inkTwo[static_cast<std::size_t>(y * kW + x)];
        }
    }
    ASSERT_TRUE(two.pressed == FALSE);
    EXPECT_EQ(pressed, shifted);
}

TEST_F(CaptionTest, TextIsCutAt63Characters) {
    // Without bitmaps only the caption is drawn, straight over the parent's skin.
    const std::wstring text(70, L'i');
    CMPButton all;
    CMPButton cut;
    CMPButton shorter;
    Create(all, {10, 20, 410, 50}, text.c_str());
    Create(cut, {10, 60, 410, 90}, text.substr(0, 63).c_str());
    Create(shorter, {10, 100, 410, 130}, text.substr(0, 62).c_str());
    const auto inkOf = [&](const CMPButton& b, int top) {
        return Ink(parent, b, 400, 30,
                   [top](int x, int y) { return TestParent::SkinColor(10 + x, top + y); });
    };
    const std::vector<bool> inkAll = inkOf(all, 20);
    ASSERT_NE(std::count(inkAll.begin(), inkAll.end(), true), 0);
    EXPECT_EQ(inkAll, inkOf(cut, 60));
    EXPECT_NE(inkAll, inkOf(shorter, 100));
}

TEST_F(CaptionTest, NewFontShowsOnlyAtTheNextPaint) {
    CMPButton button;
    button.SetBitmaps(kPlainNormal, kPlainHot, 0);
    Create(button, {20, 20, 100, 50}, L"Apply");
    const std::vector<bool> before = PlainInk(button);

    CFont font;
    ASSERT_TRUE(CreateBoldFont(font, 22));
    SendMessageW(button.m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
    Pump();
    EXPECT_EQ(button.font, static_cast<HFONT>(font.m_hObject));
    EXPECT_EQ(PlainInk(button), before);

    button.Invalidate(FALSE);
    Pump();
    EXPECT_NE(PlainInk(button), before);
    button.DestroyWindow();
}

}  // namespace
}  // namespace ctltest
