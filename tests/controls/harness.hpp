// What the control tests share: a skinned top-level parent window on the headless backend that
// records the notifications it receives, input injected at screen coordinates, the virtual clock,
// screen pixels, and test bitmaps standing in for the program's resources.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "platform/gdi/afxgdi.hpp"
#include "platform/gdi/surface.hpp"
#include "platform/wnd/afxwin.hpp"

namespace ctltest {

// A registered window class with no behaviour of its own (default processing only).
inline constexpr const wchar_t* kPlainClass = L"VrControlsTestPlain";

// Runs every queued message, paint and due timer until the loop is idle.
void Pump();
// Moves the virtual clock on by ms, firing due timers in order, then pumps.
void Advance(DWORD ms);
// Input at screen coordinates, each followed by a pump.
void MouseMove(POINT screen);
void MouseDown(POINT screen);
void MouseUp(POINT screen);
void Key(int virtualKey, bool down);

// The colour of a pixel on screen: the topmost top-level window showing at the point (black where
// none does).
COLORREF ScreenPixel(POINT screen);

// Which pixels of a child's w x h client area differ from what `beneath` says lies under them.
std::vector<bool> Ink(const class TestParent& parent, const CWnd& child, int w, int h,
                      const std::function<COLORREF(int x, int y)>& beneath);

// A bitmap picture built pixel by pixel (colour of each point).
Surface Picture(int width, int height, const std::function<COLORREF(int x, int y)>& color);

// Makes `font` a bold Liberation Sans `height` pixels high; false when that fails.
bool CreateBoldFont(CFont& font, LONG height);

// While alive, these pictures are the program's bitmap resources (by ID), and no others.
class ResourceOverride {
  public:
    explicit ResourceOverride(const std::map<UINT, Surface>& bitmaps);
    ~ResourceOverride();
    ResourceOverride(const ResourceOverride&) = delete;
    ResourceOverride& operator=(const ResourceOverride&) = delete;
};

// A message the parent received.
struct Note {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    friend bool operator==(const Note&, const Note&) = default;
};

// A borderless top-level window at a fixed place on screen, painted from a skin bitmap whose
// every pixel has its own colour, published as "MPBmpProp". It records every WM_COMMAND,
// WM_SLIDER_TRACKING and WM_SLIDER_SETTLED it receives.
class TestParent : public CWnd {
  public:
    static constexpr POINT kOrigin{100, 60};
    static constexpr int kWidth = 420;
    static constexpr int kHeight = 160;
    static COLORREF SkinColor(int x, int y);

    TestParent();
    ~TestParent() override;

    // A point of the parent's client area (or of a child's) on screen.
    POINT Screen(POINT client) const;
    POINT Screen(const CWnd& child, POINT childClient) const;
    // The on-screen colour at a point of a child's client area.
    COLORREF ChildPixel(const CWnd& child, int x, int y) const;

    std::vector<Note> notes;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;

  private:
    CBitmap skin_;
};

}  // namespace ctltest
