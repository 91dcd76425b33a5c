// Painting: a child's drawing is clipped to its rectangle, its window region and its update
// region; invalidating a parent without WS_CLIPCHILDREN repaints the children it covers;
// WM_ERASEBKGND only when asked; the backend is shown what was painted.
#include "platform/gdi/bmp.hpp"
#include "platform/gdi/png.hpp"
#include "wnd_test_support.hpp"

namespace {

using namespace wndtest;

constexpr COLORREF kParentColor = RGB(0, 0, 255);
constexpr COLORREF kChildColor = RGB(255, 0, 0);
constexpr std::uint32_t kParentPixel = Rgb(0, 0, 255);
constexpr std::uint32_t kChildPixel = Rgb(255, 0, 0);

class Painting : public WndTest {
  protected:
    std::vector<Seen> log;  // outlives the windows, which the fixture destroys last
    RecordingWnd parent;
    RecordingWnd child;

    void Build(DWORD parentStyle = WS_POPUP | WS_VISIBLE) {
        parent.paintColor = kParentColor;
        child.paintColor = kChildColor;
        ASSERT_TRUE(parent.CreateTop({100, 100, 300, 250}, parentStyle));
        ASSERT_TRUE(child.CreateChild(parent, {20, 30, 80, 70}, 1));
        h.Pump();
    }
    std::uint32_t At(int x, int y) const { return PixelOf(parent.m_hWnd, x, y); }
};

TEST_F(Painting, ChildPaintingStaysInsideItsRectangle) {
    Build();
    // The child fills far beyond its client area; only its 60 x 40 rectangle takes the colour.
    EXPECT_EQ(At(20, 30), kChildPixel);
    EXPECT_EQ(At(79, 69), kChildPixel);
    EXPECT_EQ(At(19, 30), kParentPixel);
    EXPECT_EQ(At(80, 50), kParentPixel);
    EXPECT_EQ(At(50, 70), kParentPixel);
    EXPECT_EQ(At(50, 29), kParentPixel);
    EXPECT_EQ(At(0, 0), kParentPixel);
}

TEST_F(Painting, ChildPaintingStaysInsideItsRegion) {
    Build();
    // A region that keeps only the left half of the child.
    child.SetWindowRgn(CreateRectRgn(0, 0, 30, 40), TRUE);
    h.Pump();
    EXPECT_EQ(At(20, 30), kChildPixel);
    EXPECT_EQ(At(49, 69), kChildPixel);
    EXPECT_EQ(At(50, 30), kParentPixel) << "the parent repaints the part the region cut off";
    EXPECT_EQ(At(79, 69), kParentPixel);
}

TEST_F(Painting, PaintingIsLimitedToTheUpdateRegion) {
    Build();
    parent.paintColor = RGB(0, 255, 0);
    const RECT part{0, 0, 10, 10};
    parent.InvalidateRect(&part, FALSE);
    h.Pump();
    EXPECT_EQ(At(0, 0), Rgb(0, 255, 0));
    EXPECT_EQ(At(9, 9), Rgb(0, 255, 0));
    EXPECT_EQ(At(10, 10), kParentPixel);
    EXPECT_EQ(At(150, 100), kParentPixel);
}

TEST_F(Painting, InvalidatingAParentRepaintsTheChildrenItCovers) {
    Build();
    child.log = &log;
    const RECT overChild{0, 0, 40, 40};  // overlaps the child's corner
    parent.InvalidateRect(&overChild, TRUE);
    RECT childUpdate{};
    EXPECT_TRUE(child.GetUpdateRect(&childUpdate));
    EXPECT_EQ(childUpdate, (RECT{0, 0, 20, 10}));
    h.Pump();
    EXPECT_EQ(At(25, 35), kChildPixel) << "the child paints over the parent again";
    const auto seen = MessagesOf(log, child.m_hWnd);
    EXPECT_NE(std::find(seen.begin(), seen.end(), WM_PAINT), seen.end());
}

TEST_F(Painting, ClipChildrenKeepsTheParentOffItsChildren) {
    Build(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
    child.log = &log;
    parent.paintColor = RGB(0, 255, 0);
    parent.Invalidate(FALSE);
    h.Pump();
    EXPECT_EQ(At(0, 0), Rgb(0, 255, 0));
    EXPECT_EQ(At(25, 35), kChildPixel);
    const auto seen = MessagesOf(log, child.m_hWnd);
    EXPECT_EQ(std::find(seen.begin(), seen.end(), WM_PAINT), seen.end());
}

TEST_F(Painting, HiddenChildrenDoNotPaintAndUncoverTheParent) {
    Build();
    child.ShowWindow(SW_HIDE);
    h.Pump();
    EXPECT_EQ(At(25, 35), kParentPixel);
    child.ShowWindow(SW_SHOW);
    h.Pump();
    EXPECT_EQ(At(25, 35), kChildPixel);
}

TEST_F(Painting, EraseOnlyWhenTheInvalidationAskedForIt) {
    Build();
    parent.log = &log;
    parent.Invalidate(FALSE);
    h.Pump();
    auto seen = MessagesOf(log, parent.m_hWnd);
    EXPECT_EQ(std::find(seen.begin(), seen.end(), WM_ERASEBKGND), seen.end());
    log.clear();
    parent.Invalidate(TRUE);
    h.Pump();
    seen = MessagesOf(log, parent.m_hWnd);
    // Sent from within BeginPaint, so right after the paint message arrives.
    const auto paint = std::find(seen.begin(), seen.end(), WM_PAINT);
    ASSERT_NE(paint, seen.end());
    ASSERT_NE(paint + 1, seen.end());
    EXPECT_EQ(*(paint + 1), WM_ERASEBKGND);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), WM_ERASEBKGND), 1);
}

TEST_F(Painting, GetDcDrawsOnTheVisiblePartOnlyAndIsShown) {
    Build();
    const int before = h.PresentCount();
    {
        CClientDC dc(&child);
        dc.FillSolidRect(-50, -50, 500, 500, RGB(255, 255, 0));
    }
    h.Pump();
    EXPECT_EQ(At(20, 30), Rgb(255, 255, 0));
    EXPECT_EQ(At(19, 30), kParentPixel);
    EXPECT_GT(h.PresentCount(), before);
    EXPECT_EQ(h.LastPresent(), (std::vector<RECT>{RECT{20, 30, 80, 70}}));
}

TEST_F(Painting, OnlyWhatWasDrawnIsShownAndNothingWhenNothingWas) {
    Build();
    const int before = h.PresentCount();
    h.Pump();
    EXPECT_EQ(h.PresentCount(), before) << "nothing drawn since the last present";
    {
        CClientDC dc(&parent);
        dc.FillSolidRect(5, 5, 10, 10, RGB(0, 255, 255));
        dc.FillSolidRect(150, 100, 4, 4, RGB(0, 255, 255));
    }
    h.Pump();
    EXPECT_EQ(h.PresentCount(), before + 1);
    EXPECT_EQ(h.LastPresent(), (std::vector<RECT>{RECT{5, 5, 15, 15}, RECT{150, 100, 154, 104}}));
}

TEST_F(Painting, AWindowThatAppearsIsShownWholeOnceItIsPainted) {
    parent.paintColor = kParentColor;
    ASSERT_TRUE(parent.CreateTop({100, 100, 300, 250}, WS_POPUP));
    h.Pump();
    const int before = h.PresentCount();
    parent.ShowWindow(SW_SHOWNA);
    EXPECT_EQ(h.PresentCount(), before) << "not before its first paint";
    h.Pump();
    EXPECT_EQ(h.PresentCount(), before + 1);
    EXPECT_EQ(h.LastPresent(), (std::vector<RECT>{RECT{0, 0, 200, 150}}));
    EXPECT_EQ(At(0, 0), kParentPixel);
}

TEST_F(Painting, CaptionedWindowsGetAFrameAndAClientAreaInside) {
    RecordingWnd w;
    w.paintColor = kChildColor;
    ASSERT_TRUE(w.CreateTop({0, 0, 200, 100}, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE));
    w.SetWindowTextW(L"Caption");
    h.Pump();
    RECT client{};
    w.GetClientRect(&client);
    EXPECT_EQ(client.right, 198);
    EXPECT_EQ(client.bottom, 100 - 2 - 24);
    POINT origin{0, 0};
    w.ClientToScreen(&origin);
    EXPECT_EQ(origin, (POINT{1, 25}));
    EXPECT_EQ(PixelOf(w.m_hWnd, 1, 25), kChildPixel);
    EXPECT_NE(PixelOf(w.m_hWnd, 10, 10), kChildPixel);
    EXPECT_EQ(platform::HitTestTopLevel(w.m_hWnd, {50, 10}), HTCAPTION);
    EXPECT_EQ(platform::HitTestTopLevel(w.m_hWnd, {190, 10}), HTCLOSE);
    EXPECT_EQ(platform::HitTestTopLevel(w.m_hWnd, {50, 50}), HTCLIENT);
}

}  // namespace

namespace {

using namespace wndtest;

class Pictures : public WndTest {};

TEST_F(Pictures, AWindowIsSavedAsPngAndBmpWithItsPixels) {
    RecordingWnd w;
    w.paintColor = RGB(10, 200, 30);
    ASSERT_TRUE(w.CreateTop({0, 0, 40, 20}));
    h.Pump();
    const std::string dir = ::testing::TempDir();
    ASSERT_TRUE(h.SavePng(w.m_hWnd, dir + "wnd_picture.png"));
    ASSERT_TRUE(h.SaveBmp(w.m_hWnd, dir + "wnd_picture.bmp"));
    const auto png = ReadWholeFile(dir + "wnd_picture.png");
    const auto bmp = ReadWholeFile(dir + "wnd_picture.bmp");
    ASSERT_TRUE(png && bmp);
    const auto fromPng = DecodePng(*png);
    const auto fromBmp = DecodeBmp(*bmp);
    ASSERT_TRUE(fromPng && fromBmp);
    EXPECT_EQ(fromPng->width(), 40);
    EXPECT_EQ(fromPng->height(), 20);
    EXPECT_EQ(fromPng->at(39, 19), Rgb(10, 200, 30));
    EXPECT_EQ(fromBmp->at(0, 0), Rgb(10, 200, 30));
    EXPECT_FALSE(h.SavePng(nullptr, dir + "none.png"));
}

}  // namespace
