// The window tree: placement, properties, styles, z-order, owned windows, and the plain message
// loop calls.
#include "wnd_test_support.hpp"

namespace {

using namespace wndtest;

class Tree : public WndTest {};

TEST_F(Tree, PlacementOfAChildIsInItsParentsClientCoordinates) {
    RecordingWnd top;
    RecordingWnd child;
    ASSERT_TRUE(top.CreateTop({100, 100, 500, 400}));
    ASSERT_TRUE(child.CreateChild(top, {493, 107, 522, 131}, 1));
    WINDOWPLACEMENT wp;
    ASSERT_TRUE(child.GetWindowPlacement(&wp));
    EXPECT_EQ(wp.showCmd, static_cast<UINT>(SW_SHOWNORMAL));
    EXPECT_EQ(wp.rcNormalPosition, (RECT{493, 107, 522, 131}));
    // Resizing through the placement, as a picture label does with its bitmap's size.
    wp.rcNormalPosition.right = wp.rcNormalPosition.left + 40;
    wp.rcNormalPosition.bottom = wp.rcNormalPosition.top + 12;
    ASSERT_TRUE(child.SetWindowPlacement(&wp));
    RECT r{};
    child.GetWindowRect(&r);
    EXPECT_EQ(r, (RECT{593, 207, 633, 219}));
    child.GetClientRect(&r);
    EXPECT_EQ(r, (RECT{0, 0, 40, 12}));
}

TEST_F(Tree, AMinimisedWindowKeepsItsNormalPositionAndTellsTheBackend) {
    RecordingWnd top;
    ASSERT_TRUE(top.CreateTop({100, 100, 500, 400}, WS_POPUP | WS_VISIBLE | WS_SYSMENU));
    const int changes = h.TopLevelChanges();
    top.SendMessageW(WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(top.IsIconic());
    EXPECT_GT(h.TopLevelChanges(), changes);
    EXPECT_FALSE(platform::IsShownOnScreen(top.m_hWnd));
    WINDOWPLACEMENT wp;
    ASSERT_TRUE(top.GetWindowPlacement(&wp));
    EXPECT_EQ(wp.showCmd, static_cast<UINT>(SW_SHOWMINIMIZED));
    EXPECT_EQ(wp.rcNormalPosition, (RECT{100, 100, 500, 400}));
    EXPECT_NE(GetWindowLongW(top.m_hWnd, GWL_STYLE) & static_cast<LONG>(WS_MINIMIZE), 0);
    platform::InputWindowMinimised(top.m_hWnd, false);  // restored from the desktop
    EXPECT_FALSE(top.IsIconic());
    EXPECT_TRUE(platform::IsShownOnScreen(top.m_hWnd));
}

TEST_F(Tree, ADestroyedWindowsHandleNeverNamesALaterWindow) {
    std::vector<HWND> destroyed;
    for (int i = 0; i < 64; ++i) {
        RecordingWnd top;
        RecordingWnd child;
        ASSERT_TRUE(top.CreateTop({0, 0, 50, 50}));
        ASSERT_TRUE(child.CreateChild(top, {0, 0, 10, 10}, 1));
        destroyed.push_back(top.m_hWnd);
        destroyed.push_back(child.m_hWnd);
        top.DestroyWindow();
        EXPECT_FALSE(IsWindow(destroyed.back()));
    }
    // Windows made afterwards, of the same size, get fresh handles.
    RecordingWnd later;
    ASSERT_TRUE(later.CreateTop({0, 0, 50, 50}));
    for (HWND old : destroyed) {
        EXPECT_FALSE(IsWindow(old));
        EXPECT_NE(old, later.m_hWnd);
    }
}

TEST_F(Tree, PropertiesTextsAndIds) {
    RecordingWnd top;
    RecordingWnd child;
    ASSERT_TRUE(top.CreateTop({0, 0, 100, 100}));
    ASSERT_TRUE(child.CreateChild(top, {0, 0, 10, 10}, 1503));
    int skin = 0;
    EXPECT_TRUE(SetPropW(top.m_hWnd, L"MPBmpProp", &skin));
    EXPECT_EQ(GetPropW(top.m_hWnd, L"MPBmpProp"), &skin);
    EXPECT_EQ(GetPropW(top.m_hWnd, L"Other"), nullptr);
    EXPECT_EQ(RemovePropW(top.m_hWnd, L"MPBmpProp"), &skin);
    EXPECT_EQ(GetPropW(top.m_hWnd, L"MPBmpProp"), nullptr);
    child.SetWindowTextW(L"灯数选择");
    EXPECT_EQ(child.GetWindowTextString(), L"灯数选择");
    EXPECT_EQ(GetWindowTextLengthW(child.m_hWnd), 4);
    wchar_t small[3] = {};
    EXPECT_EQ(GetWindowTextW(child.m_hWnd, small, 3), 2);
    EXPECT_EQ(std::wstring(small), L"灯数");
    EXPECT_EQ(GetDlgItem(top.m_hWnd, 1503), child.m_hWnd);
    EXPECT_EQ(child.GetDlgCtrlID(), 1503);
    EXPECT_EQ(GetParent(child.m_hWnd), top.m_hWnd);
    EXPECT_EQ(GetAncestorTopLevel(child.m_hWnd), top.m_hWnd);
    EXPECT_EQ(CWnd::FromHandle(child.m_hWnd), &child);
}

TEST_F(Tree, OwnedWindowsAndChildrenGoWithTheirOwner) {
    auto top = std::make_unique<RecordingWnd>();
    RecordingWnd owned;
    RecordingWnd child;
    ASSERT_TRUE(top->CreateTop({0, 0, 100, 100}));
    ASSERT_TRUE(child.CreateChild(*top, {0, 0, 10, 10}, 1));
    RegisterTestClass();
    ASSERT_TRUE(owned.CreateEx(0, kTestClass, L"", WS_POPUP, {0, 0, 10, 10}, top.get(), 0));
    EXPECT_EQ(GetParent(owned.m_hWnd), top->m_hWnd);
    top.reset();  // the object's destruction destroys its window
    EXPECT_EQ(owned.m_hWnd, nullptr);
    EXPECT_EQ(child.m_hWnd, nullptr);
}

TEST_F(Tree, UnknownClassesAndMissingParentsCreateNothing) {
    RecordingWnd w;
    EXPECT_FALSE(w.CreateEx(0, L"NoSuchClass", L"", WS_POPUP, {0, 0, 10, 10}, nullptr, 0));
    EXPECT_EQ(w.m_hWnd, nullptr);
    RegisterTestClass();
    EXPECT_EQ(CreateWindowExW(0, kTestClass, L"", WS_CHILD, 0, 0, 10, 10, nullptr, 1, nullptr),
              nullptr);
    // Class names match without regard to case, as the platform's do.
    EXPECT_NE(CreateWindowExW(0, L"BUTTON", L"", WS_POPUP, 0, 0, 10, 10, nullptr, 0, nullptr),
              nullptr);
}

TEST_F(Tree, CreateReturningMinusOneFailsTheCreation) {
    RecordingWnd w;
    w.handler = [](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_CREATE) return -1;
        return std::nullopt;
    };
    EXPECT_FALSE(w.CreateTop({0, 0, 10, 10}));
    EXPECT_EQ(w.m_hWnd, nullptr);
    EXPECT_TRUE(platform::TopLevelWindows().empty());
}

TEST_F(Tree, GetMessageLoopRunsUntilQuit) {
    std::vector<WPARAM> got;
    RecordingWnd w;
    w.handler = [&](UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_USER) {
            got.push_back(wp);
            if (wp == 2) PostQuitMessage(0);
        }
        return std::nullopt;
    };
    ASSERT_TRUE(w.CreateTop({0, 0, 10, 10}));
    w.PostMessageW(WM_USER, 1);
    w.PostMessageW(WM_USER, 2);
    MSG msg;
    int loops = 0;
    while (GetMessageW(&msg, nullptr, 0, 0) != FALSE) {
        DispatchMessageW(&msg);
        ++loops;
    }
    EXPECT_EQ(got, (std::vector<WPARAM>{1, 2}));
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_GE(loops, 2);
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

}  // namespace
