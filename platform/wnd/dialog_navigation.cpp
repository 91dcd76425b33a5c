// Dialog navigation: the keys a dialog takes for itself (Tab, Shift+Tab, Enter, Escape, F1).
#include "platform/wnd/afxwin.hpp"
#include "platform/wnd/wnd_state.hpp"

using namespace wnd;

namespace {

bool CanTakeFocus(const WindowObject* w) {
    return w->visible && w->enabled && (w->style & WS_TABSTOP) != 0;
}

// Moves the focus to the next (or previous) tab stop among the dialog's controls.
void MoveTabFocus(HWND dialog, bool backwards) {
    const auto& controls = dialog->children;
    if (controls.empty()) return;
    const int n = static_cast<int>(controls.size());
    int at = -1;
    for (int i = 0; i < n; ++i) {
        if (IsInside(S().focus, controls[static_cast<std::size_t>(i)])) at = i;
    }
    for (int step = 1; step <= n; ++step) {
        int i = backwards ? at - step : at + step;
        i = ((i % n) + n) % n;
        if (at < 0 && backwards) i = n - step;
        WindowObject* c = controls[static_cast<std::size_t>(i)];
        if (CanTakeFocus(c)) {
            ::SetFocus(c);
            return;
        }
    }
}

}  // namespace

BOOL IsDialogMessageW(HWND dialog, MSG* msg) {
    if (Find(dialog) == nullptr || msg == nullptr || !IsInside(msg->hwnd, dialog)) return FALSE;
    if (msg->message != WM_KEYDOWN) return FALSE;
    const LRESULT code = Send(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
    if ((code & DLGC_WANTALLKEYS) != 0) return FALSE;
    switch (static_cast<int>(msg->wParam)) {
        case VK_TAB:
            if ((code & DLGC_WANTTAB) != 0) return FALSE;
            MoveTabFocus(dialog, ::GetKeyState(VK_SHIFT) < 0);
            return TRUE;
        case VK_ESCAPE:
            Send(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDCANCEL)));
            return TRUE;
        case VK_RETURN: {
            // A focused push button is the one Enter presses; otherwise the default, IDOK.
            HWND focus = S().focus;
            if (focus != nullptr && focus != dialog &&
                (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0) {
                Send(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(focus->id), BN_CLICKED),
                     reinterpret_cast<LPARAM>(focus));
            } else {
                Send(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
            }
            return TRUE;
        }
        case VK_F1:
            Send(dialog, WM_COMMAND, ID_HELP, 0);
            return TRUE;
        default:
            return FALSE;
    }
}
