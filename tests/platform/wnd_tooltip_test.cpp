// The tooltip control: the tip shows in its own window after the delay, hides when the cursor
// leaves the tool, takes a tool's new text, and never takes the mouse.
#include "platform/wnd/input.hpp"
#include "wnd_test_support.hpp"

namespace {

using namespace wndtest;

class Tooltip : public WndTest {
  protected:
    std::vector<Seen> log;
    RecordingWnd top;
    RecordingWnd tool;
    RecordingWnd other;
    CToolTipCtrl tip;
    int relayed = 0;

    void SetUp() override {
        WndTest::SetUp();
        top.preTranslate = [this](MSG* msg) {
            if (msg->message == WM_MOUSEMOVE) {
                ++relayed;
                tip.RelayEvent(msg);
            }
            return FALSE;
        };
        ASSERT_TRUE(top.CreateTop({100, 100, 600, 500}));
        ASSERT_TRUE(tool.CreateChild(top, {10, 10, 110, 60}, 1500));
        ASSERT_TRUE(other.CreateChild(top, {200, 10, 300, 60}, 1501));
        ASSERT_TRUE(tip.Create(&top));
        EXPECT_TRUE(tip.AddTool(&tool, L"ColorCycle"));
        tip.SetDelayTime(200);
        tip.SetTipTextColor(RGB(128, 100, 255));
        tip.SetTipBkColor(RGB(255, 255, 255));
        tip.Activate(TRUE);
        h.Pump();
    }
    bool Shown() const { return IsWindowVisible(tip.m_hWnd) != FALSE; }
    int TipWidth() const {
        RECT r{};
        GetWindowRect(tip.m_hWnd, &r);
        return r.right - r.left;
    }
};

TEST_F(Tooltip, ShowsAfterTheDelayNearTheCursorInItsColours) {
    h.MoveMouse({150, 130});
    h.Advance(199);
    EXPECT_FALSE(Shown());
    h.Advance(1);
    ASSERT_TRUE(Shown());
    RECT r{};
    GetWindowRect(tip.m_hWnd, &r);
    EXPECT_EQ(r.left, 150);
    EXPECT_GT(r.top, 130);
    EXPECT_LT(r.top, 130 + 40);
    EXPECT_EQ(GetParent(tip.m_hWnd), top.m_hWnd);
    // White background, text in the tip colour.
    const Surface* pixels = h.WindowPixels(tip.m_hWnd);
    ASSERT_NE(pixels, nullptr);
    int text = 0;
    for (const std::uint32_t p : pixels->pixels()) text += p == Rgb(128, 100, 255) ? 1 : 0;
    EXPECT_GT(text, 10);
    EXPECT_EQ(pixels->at(2, 2), Rgb(255, 255, 255));
    EXPECT_EQ(relayed, 1);
}

TEST_F(Tooltip, HidesWhenARelayedMoveLeavesTheTool) {
    h.MoveMouse({150, 130});
    h.Advance(200);
    ASSERT_TRUE(Shown());
    h.MoveMouse({320, 130});  // over the other control, which has no tool
    EXPECT_FALSE(Shown());
    h.Advance(1000);
    EXPECT_FALSE(Shown());
}

TEST_F(Tooltip, HidesWhenTheCursorLeavesWithoutARelayedMove) {
    h.MoveMouse({150, 130});
    h.Advance(200);
    ASSERT_TRUE(Shown());
    h.MoveMouse({1500, 900});  // outside every window: nothing is relayed
    EXPECT_TRUE(Shown());
    h.Advance(100);
    EXPECT_FALSE(Shown());
}

TEST_F(Tooltip, PopsAfterTenTimesTheDelay) {
    h.MoveMouse({150, 130});
    h.Advance(200);
    ASSERT_TRUE(Shown());
    h.Advance(1999);
    EXPECT_TRUE(Shown());
    h.Advance(1);
    EXPECT_FALSE(Shown());
}

TEST_F(Tooltip, ARegisteredToolTakesItsNewText) {
    h.MoveMouse({150, 130});
    h.Advance(200);
    const int longWidth = TipWidth();
    EXPECT_TRUE(tip.AddTool(&tool, L"Off"));
    EXPECT_EQ(tip.GetToolCount(), 1);
    h.MoveMouse({1500, 900});
    h.Advance(1000);
    h.MoveMouse({150, 130});
    h.Advance(200);
    ASSERT_TRUE(Shown());
    EXPECT_LT(TipWidth(), longWidth);
}

TEST_F(Tooltip, TheTipNeverTakesTheMouse) {
    h.MoveMouse({150, 130});
    h.Advance(200);
    ASSERT_TRUE(Shown());
    RECT r{};
    GetWindowRect(tip.m_hWnd, &r);
    const POINT inside{r.left + 2, r.top + 2};
    EXPECT_EQ(WindowFromPoint(inside), tool.m_hWnd) << "the window beneath the tip";
    log.clear();
    tool.log = &log;
    h.Click(inside);
    const auto seen = MessagesOf(log, tool.m_hWnd);
    EXPECT_NE(std::find(seen.begin(), seen.end(), WM_LBUTTONDOWN), seen.end());
    tool.log = nullptr;
    EXPECT_FALSE(platform::AcceptsMouseInput(tip.m_hWnd));
}

TEST_F(Tooltip, InactiveOrDisabledShowsNothing) {
    tip.Activate(FALSE);
    h.MoveMouse({150, 130});
    h.Advance(1000);
    EXPECT_FALSE(Shown());
    tip.Activate(TRUE);
    h.MoveMouse({151, 130});
    h.Advance(200);
    EXPECT_TRUE(Shown());
    EnableWindow(tip.m_hWnd, FALSE);  // CToolTipCtrl::OnEnable deactivates
    EXPECT_FALSE(Shown());
}

TEST_F(Tooltip, AClickHidesTheTip) {
    h.MoveMouse({150, 130});
    h.Advance(200);
    ASSERT_TRUE(Shown());
    MSG press;
    press.hwnd = tool.m_hWnd;
    press.message = WM_LBUTTONDOWN;
    press.pt = POINT{150, 130};
    tip.RelayEvent(&press);
    EXPECT_FALSE(Shown());
}

// After the tip popped down (its time ran out, or a click) the cursor may still leave the tool
// without a relayed move; coming back to the same tool then shows the tip again.
TEST_F(Tooltip, ShowsAgainOnReturnAfterPoppingDownAndLeavingWithoutARelayedMove) {
    h.MoveMouse({150, 130});
    h.Advance(200);
    h.Advance(2000);
    ASSERT_FALSE(Shown()) << "popped after ten times the delay";
    h.MoveMouse({1500, 900});  // outside every window: nothing is relayed
    h.Advance(1000);
    h.MoveMouse({150, 130});
    h.Advance(200);
    EXPECT_TRUE(Shown());

    MSG press;
    press.hwnd = tool.m_hWnd;
    press.message = WM_LBUTTONDOWN;
    press.pt = POINT{150, 130};
    tip.RelayEvent(&press);
    ASSERT_FALSE(Shown());
    h.MoveMouse({1500, 900});
    h.Advance(1000);
    h.MoveMouse({150, 130});
    h.Advance(200);
    EXPECT_TRUE(Shown()) << "after a click";
}

// A cursor resting on a tool costs nothing once the tip has popped down: no timer of the tooltip
// stays due.
TEST_F(Tooltip, KeepsNoTimerOnceTheTipHasPoppedDown) {
    h.MoveMouse({150, 130});
    h.Advance(200);
    ASSERT_TRUE(Shown());
    EXPECT_TRUE(platform::NextTimerDueIn().has_value());
    h.Advance(2000);
    ASSERT_FALSE(Shown());
    EXPECT_FALSE(platform::NextTimerDueIn().has_value());
}

}  // namespace

namespace {

using namespace wndtest;

class FrameworkTips : public WndTest {};

TEST_F(FrameworkTips, AskForTheChildsTextAndShowOnlyANonEmptyOne) {
    std::wstring answer;
    std::vector<UINT_PTR> asked;
    RecordingWnd top;
    RecordingWnd child;
    top.handler = [&](UINT m, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
        if (m != WM_NOTIFY) return std::nullopt;
        auto* info = reinterpret_cast<TOOLTIPTEXTW*>(lp);
        if (info->hdr.code != TTN_GETDISPINFOW) return std::nullopt;
        asked.push_back(info->hdr.idFrom);
        EXPECT_EQ(info->uFlags, TTF_IDISHWND);
        info->lpszText = answer.data();
        return TRUE;
    };
    ASSERT_TRUE(top.CreateTop({100, 100, 600, 500}));
    ASSERT_TRUE(child.CreateChild(top, {10, 10, 110, 60}, 1500));
    top.EnableToolTips(TRUE);
    const auto tipShown = [] {
        for (HWND t : platform::TopLevelWindows()) {
            if (GetClassNameW(t) == L"tooltips_class32" && IsWindowVisible(t)) return true;
        }
        return false;
    };
    h.MoveMouse({150, 130});
    h.MoveMouse({151, 130});  // the same child: asked once
    h.Advance(2000);
    EXPECT_EQ(asked, std::vector<UINT_PTR>{reinterpret_cast<UINT_PTR>(child.m_hWnd)});
    EXPECT_FALSE(tipShown()) << "an empty text shows no tip";

    answer = L"Breathe";
    h.MoveMouse({400, 400});  // off the child
    h.MoveMouse({150, 130});
    EXPECT_EQ(asked.size(), 2u);
    h.Advance(600);
    EXPECT_TRUE(tipShown());
}

}  // namespace
