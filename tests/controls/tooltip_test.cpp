// The skinned tooltip: a platform tooltip whose enable handling is the base control's.
#include <gtest/gtest.h>

#include "controls/mp_tooltip.hpp"
#include "harness.hpp"

namespace ctltest {
namespace {

TEST(ToolTipTest, EnablingActsExactlyAsOnThePlatformTooltip) {
    CMPToolTip skinned;
    CToolTipCtrl plain;
    ASSERT_TRUE(skinned.Create(nullptr, 0));
    ASSERT_TRUE(plain.Create(nullptr, 0));
    for (const BOOL enable : {FALSE, TRUE, FALSE}) {
        EnableWindow(skinned.m_hWnd, enable);
        EnableWindow(plain.m_hWnd, enable);
        Pump();
        EXPECT_EQ(IsWindowEnabled(skinned.m_hWnd), IsWindowEnabled(plain.m_hWnd));
        EXPECT_EQ(IsWindowEnabled(skinned.m_hWnd), enable);
        EXPECT_EQ(IsWindowVisible(skinned.m_hWnd), IsWindowVisible(plain.m_hWnd));
    }
}

TEST(ToolTipTest, WithoutToolsItNeverShows) {
    TestParent parent;
    CMPToolTip tip;
    ASSERT_TRUE(tip.Create(nullptr, 0));
    EXPECT_EQ(GetParent(tip.m_hWnd), nullptr);
    EXPECT_EQ(tip.GetToolCount(), 0);
    for (int x = 0; x < 400; x += 40) {
        MouseMove(parent.Screen({x, 50}));
        Advance(300);
    }
    Advance(5000);
    EXPECT_FALSE(IsWindowVisible(tip.m_hWnd));
}

}  // namespace
}  // namespace ctltest
