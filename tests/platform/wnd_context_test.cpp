// The platform context: what one context holds stays in it, a context made inside another is
// current until it ends, and its end destroys what it holds in a safe order.
#include <string>
#include <vector>

#include "platform/context.hpp"
#include "platform/gdi/resources.hpp"
#include "wnd_test_support.hpp"

namespace {

using namespace wndtest;

class Context : public WndTest {};

TEST_F(Context, ANestedContextStartsEmptyAndItsEndLeavesTheOuterOneAsItWas) {
    RecordingWnd outer;
    ASSERT_TRUE(outer.CreateTop({10, 10, 110, 110}));
    ASSERT_NE(SetTimer(outer.m_hWnd, 7, 500, nullptr), 0U);
    h.Advance(300);
    const std::size_t outerObjects = GdiLiveObjectCount();
    const HBITMAP outerBitmap = CreateCompatibleBitmap(nullptr, 4, 4);

    HWND innerWindow = nullptr;
    {
        const platform::Context inner;
        platform::HeadlessBackend& innerBackend = platform::HeadlessBackend::Instance();
        EXPECT_NE(&innerBackend, &h);
        EXPECT_EQ(GetTickCount(), 0U);
        EXPECT_TRUE(platform::TopLevelWindows().empty());
        EXPECT_FALSE(IsWindow(outer.m_hWnd));
        EXPECT_EQ(GdiLiveObjectCount(), 0U);
        EXPECT_EQ(DeleteObject(outerBitmap), FALSE) << "another context's object";

        // Left alive on purpose: the context's end destroys them.
        RegisterTestClass();
        innerWindow = CreateWindowExW(0, kTestClass, L"inner", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20,
                                      nullptr, 0, nullptr);
        ASSERT_NE(innerWindow, nullptr);
        CreateSolidBrush(RGB(1, 2, 3));
        innerBackend.Advance(5000);
    }

    EXPECT_EQ(GetTickCount(), 300U);
    EXPECT_FALSE(IsWindow(innerWindow));
    ASSERT_EQ(platform::TopLevelWindows(), std::vector<HWND>{outer.m_hWnd});
    EXPECT_EQ(GdiLiveObjectCount(), outerObjects + 1);
    EXPECT_EQ(DeleteObject(outerBitmap), TRUE);
    // The outer timer is due at 500 and fires there, not in the inner context's time.
    std::vector<Seen> log;
    outer.log = &log;
    h.Advance(199);
    EXPECT_TRUE(MessagesOf(log, outer.m_hWnd).empty());
    h.Advance(1);
    EXPECT_EQ(MessagesOf(log, outer.m_hWnd), std::vector<UINT>{WM_TIMER});
}

TEST_F(Context, ItsEndDestroysTheWindowsLeftAndTellsTheirObjects) {
    std::vector<Seen> log;
    RecordingWnd top;  // the objects outlive the inner context, their windows do not
    RecordingWnd child;
    HWND topWindow = nullptr;
    HWND childWindow = nullptr;
    {
        const platform::Context inner;
        top.log = &log;
        child.log = &log;
        ASSERT_TRUE(top.CreateTop({0, 0, 100, 100}));
        ASSERT_TRUE(child.CreateChild(top, {0, 0, 10, 10}, 1));
        topWindow = top.m_hWnd;
        childWindow = child.m_hWnd;
    }
    EXPECT_EQ(top.m_hWnd, nullptr);
    EXPECT_EQ(child.m_hWnd, nullptr);
    std::vector<Seen> ends;
    for (const Seen& s : log) {
        if (s.message == WM_DESTROY || s.message == WM_NCDESTROY) ends.push_back(s);
    }
    EXPECT_EQ(ends, (std::vector<Seen>{{topWindow, WM_DESTROY, 0, 0},
                                       {childWindow, WM_DESTROY, 0, 0},
                                       {childWindow, WM_NCDESTROY, 0, 0},
                                       {topWindow, WM_NCDESTROY, 0, 0}}));
}

TEST_F(Context, TestBitmapsAndRegisteredClassesAreTheContextsOwn) {
    SetBitmapResourcesForTesting({{7, {}}});
    ASSERT_TRUE(RegisterClassW(L"VrContextClass", DefWindowProcW));
    {
        const platform::Context inner;
        EXPECT_TRUE(RegisterClassW(L"VrContextClass", DefWindowProcW)) << "a fresh class table";
        EXPECT_NE(LoadBitmapW(AfxGetResourceHandle(), 130), nullptr) << "the embedded bitmaps";
    }
    EXPECT_FALSE(RegisterClassW(L"VrContextClass", DefWindowProcW));
    EXPECT_EQ(LoadBitmapW(AfxGetResourceHandle(), 130), nullptr) << "only the test's bitmaps";
}

// Parts end in the reverse order of their making, each while the parts made before it are there.
std::vector<std::string> endings;
struct Early {
    bool alive = true;
    Early() = default;
    Early(const Early&) = delete;
    Early& operator=(const Early&) = delete;
    ~Early() {
        alive = false;
        endings.emplace_back("early");
    }
};
struct Late {
    Late() { platform::Context::Current().Part<Early>(); }  // uses it: makes it first
    Late(const Late&) = delete;
    Late& operator=(const Late&) = delete;
    ~Late() {
        const bool early = platform::Context::Current().Part<Early>().alive;
        endings.emplace_back(early ? "late, early there" : "late, early gone");
    }
};

TEST_F(Context, PartsEndInTheReverseOrderOfTheirMaking) {
    endings.clear();
    {
        platform::Context inner;
        inner.Part<Late>();
        EXPECT_EQ(&inner.Part<Late>(), &platform::Context::Current().Part<Late>());
    }
    EXPECT_EQ(endings, (std::vector<std::string>{"late, early there", "early"}));
}

}  // namespace
