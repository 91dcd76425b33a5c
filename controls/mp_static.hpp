// The skinned label: a picture (bitmap normalBmp shown one to one, the window sized to it) or a
// text label (a flat colour, one line of text, corners trimmed by a 2 x 2 ellipse). A left click
// opens linkTarget, when set, in the web browser; WM_COMMAND is passed on to the parent, posted.
#pragma once

#include <string>

#include "controls/mp_wnd_bmp.hpp"
#include "platform/wnd/afxwin.hpp"

class CMPStatic : public CStatic, public CMPWndBmp {
  public:
    CMPStatic() = default;
    ~CMPStatic() override = default;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    COLORREF backColor = 0x00050505;
    COLORREF textColor = 0x00F5F5F5;
    HFONT font = nullptr;  // from WM_SETFONT; the sender's
    std::wstring linkTarget;

  private:
    bool IsPicture() const { return normalBmp != 0; }
    void ShapeOrSize();
    void Paint();
};
