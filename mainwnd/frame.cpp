// The borderless frame: dragging by the surface, the system menu's About and Close commands, the
// drag icon, and the routing of the messages that have no handler slot of their own.
#include "app/about_dialog.hpp"
#include "controls/bitmap_slider.hpp"
#include "controls/skinned_window.hpp"
#include "mainwnd/main_window.hpp"

namespace {

// Farther below the window's top than the window is high, so the whole surface drags.
constexpr LONG kDragDepth = 700;

}  // namespace

LRESULT CVespaneRezuVovAdodizozaviDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SLIDER_TRACKING || message == WM_SLIDER_SETTLED) {
        return OnSliderMoved(wParam, lParam);
    }
    return CDialogEx::WindowProc(message, wParam, lParam);
}

LRESULT CVespaneRezuVovAdodizozaviDlg::OnNcHitTest(POINT screenPoint) {
    if (DragsBySurface(*this, screenPoint, kDragDepth)) {
        return HTCAPTION;
    }
    return CDialogEx::OnNcHitTest(screenPoint);
}

void CVespaneRezuVovAdodizozaviDlg::OnSysCommand(UINT id, LPARAM lParam) {
    if ((id & 0xFFF0) == kAboutCommand) {
        CAboutDlg about;
        about.DoModal();
        return;
    }
    if ((id & 0xFFF0) == SC_CLOSE) {
        // The desktop's close request (Alt+F4, the taskbar, the window manager's menu) and the
        // system menu's Close end the program as the close button does. The dialog's default
        // would turn them into a Cancel from no control, which the command handling swallows
        // like the Escape key.
        OnOK();
        return;
    }
    CDialogEx::OnSysCommand(id, lParam);
}

HCURSOR CVespaneRezuVovAdodizozaviDlg::OnQueryDragIcon() {
    // The icon doubles as the drag cursor, as on the original platform.
    return reinterpret_cast<HCURSOR>(hIcon);
}
