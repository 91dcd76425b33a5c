// The skinned horizontal slider: keeps its own range and position, paints itself from bitmaps over
// its parent's skin, follows the mouse and the navigation keys, and posts every change to its
// parent (WM_SLIDER_TRACKING while dragged, WM_SLIDER_SETTLED on release and on keys).
#pragma once

#include "platform/wnd/afxwin.hpp"

inline constexpr UINT WM_SLIDER_TRACKING = 10449;  // wParam control ID, lParam position
inline constexpr UINT WM_SLIDER_SETTLED = 10450;   // wParam control ID, lParam position

// Which pair of track bitmaps a slider draws under its thumb.
enum TrackStyle : int {
    TrackRed = 0,
    TrackBlue = 1,
    TrackGreen = 2,
    TrackQuantity = 3,
};

// The window property in which a parent publishes the handle of its skin bitmap.
inline constexpr const wchar_t* kSkinBitmapProperty = L"MPBmpProp";

class CBitmapSlider : public CStatic {
  public:
    CBitmapSlider() = default;
    ~CBitmapSlider() override = default;

    // Loads the thumb picture (resource ID) and its mask, and records the thumb's and the client
    // area's sizes. Call once the window exists. False when the bitmap cannot be loaded.
    bool SetThumbBitmap(UINT resourceId);
    // Stores value clamped to the range (maximum first, then minimum) and repaints. Posts nothing.
    void SetPosition(int value);

    // x of the thumb's centre for a position, and the position under a thumb-centre x.
    int PositionToPixel(int p) const;
    int PixelToPosition(int x) const;

    // Builds `mask` (1 where `image` has the colour of its top-left pixel) and turns those pixels
    // of `image` black.
    static void MakeThumbMask(CBitmap& image, CBitmap& mask);
    // Draws the w x h picture at (sx, sy) of `source` onto (x, y) of `target`, leaving the target
    // unchanged where `mask` is 1. `target` must have text colour black and background white.
    static void DrawMasked(CDC& target, int x, int y, int w, int h, CDC& source, int sx, int sy,
                           CBitmap& mask);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    int maximum = 100;
    int minimum = 0;
    int position = 0;
    int pageStep = 20;
    RECT clientRect{};
    int clientWidth = 0;
    int clientHeight = 0;
    int thumbWidth = 0;
    int thumbHeight = 0;
    int grabOffset = 0;
    bool hasThumb = false;
    bool isDragging = false;
    CBitmap thumbImage;
    CBitmap thumbMask;
    int trackStyle = TrackRed;

  private:
    void Paint();
    void Press(int x);
    void DragStep(int x);
    void Release();
    // Ends a drag that lost the capture as a release would: the thumb stays, the parent learns
    // the settled position.
    void EndDrag();
    void KeyDown(UINT key);
    void PostToParent(UINT message) const;
};
