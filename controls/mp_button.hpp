// The skinned push button: drawn from bitmaps, highlighted while hovered, pressed or latched,
// optionally shaped after its bitmap, with white caption text. A click is posted to the parent as
// WM_COMMAND (wParam = control ID, BN_CLICKED; lParam = the button's window).
#pragma once

#include "controls/mp_wnd_bmp.hpp"
#include "platform/wnd/afxwin.hpp"

class CMPButton : public CButton, public CMPWndBmp {
  public:
    static constexpr UINT_PTR kHoverWatchTimer = 3;
    static constexpr UINT kHoverWatchMs = 200;
    static constexpr UINT_PTR kAutoRepeatTimer = 7;
    static constexpr UINT kAutoRepeatFirstMs = 2000;
    static constexpr UINT kAutoRepeatNextMs = 1000;
    static constexpr DWORD kLongPressMs = 2000;  // a press this long or longer is no click

    CMPButton() = default;
    ~CMPButton() override = default;

    // Stores the three looks and, once the window exists, repaints it (the shape stays).
    void SetBitmaps(UINT normal, UINT hot, UINT disabled);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    DWORD pressTick = 0;
    BOOL hover = FALSE;
    BOOL pressed = FALSE;
    BOOL latched = FALSE;
    HFONT font = nullptr;  // from WM_SETFONT; the sender's
    BOOL autoRepeat = FALSE;
    BOOL repeating = FALSE;
    BOOL pressZoom = FALSE;
    int textOffsetX = 0;
    int textOffsetY = 0;
    BOOL shaped = TRUE;
    BOOL colorPick = FALSE;
    COLORREF pickedColor = 0x00FF453D;

  private:
    LRESULT HandleCreate(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void MouseMove(WPARAM flags, POINT point);
    void Press(POINT point);
    void Release();
    void StopPress();  // the auto-repeat stops, the look follows
    // Ends a press without a click: the button lost the capture, so no release will follow.
    void EndPress();
    void HoverWatch();
    void AutoRepeat();
    void PostClick() const;
    void Repaint() { InvalidateRect(nullptr, FALSE); }
};
