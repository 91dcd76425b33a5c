// The skinned family's tooltip: the platform tooltip control with WM_ENABLE routed to the base
// control's enable handling.
#pragma once

#include "platform/wnd/afxwin.hpp"

class CMPToolTip : public CToolTipCtrl {
  public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
