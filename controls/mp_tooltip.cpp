#include "controls/mp_tooltip.hpp"

LRESULT CMPToolTip::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENABLE) {
        CToolTipCtrl::OnEnable(wParam != 0 ? TRUE : FALSE);
        return 0;
    }
    return CToolTipCtrl::WindowProc(message, wParam, lParam);
}
