// Feeding the tooltip, the cursor, and the framework's own tooltip text requests.
#include <algorithm>
#include <cwchar>

#include "mainwnd/main_window.hpp"
#include "platform/wnd/window_tree.hpp"

namespace {

// The descendant of `root` with the given control ID, searched depth first; null when none.
HWND FindDescendant(HWND root, UINT_PTR id) {
    for (HWND child : root->children) {
        if (child->id == id) {
            return child;
        }
        if (HWND found = FindDescendant(child, id)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace

BOOL CVespaneRezuVovAdodizozaviDlg::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_MOUSEMOVE) {
        toolTip.SendMessageW(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
    }
    return CDialogEx::PreTranslateMessage(msg);
}

BOOL CVespaneRezuVovAdodizozaviDlg::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
    if (wnd == this || wnd == nullptr) {
        ShowStatusMessage(0);
    } else {
        TOOLTIPTEXTW info{};
        info.hdr.hwndFrom = m_hWnd;
        info.hdr.idFrom = static_cast<UINT_PTR>(wnd->GetDlgCtrlID());
        info.hdr.code = TTN_GETDISPINFOW;
        info.uFlags = TTF_IDISHWND;
        ShowStatusMessage(static_cast<UINT>(wnd->GetDlgCtrlID()));
        SendMessageW(WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
    }
    return CDialogEx::OnSetCursor(wnd, hitTest, message);
}

void CVespaneRezuVovAdodizozaviDlg::ShowStatusMessage(UINT id) {
    CWnd* mainWnd = AfxGetMainWnd();
    if (mainWnd == nullptr || mainWnd->GetSafeHwnd() == nullptr) {
        mainWnd = this;
    }
    HWND statusBar = FindDescendant(mainWnd->GetSafeHwnd(), AFX_IDW_STATUS_BAR);
    if (statusBar == nullptr) {
        return;
    }
    mainWnd->SendMessageW(WM_SETMESSAGESTRING, id != 0 ? id : AFX_IDS_IDLEMESSAGE, 0);
    ::SendMessageW(statusBar, WM_IDLEUPDATECMDUI, 0, 0);
    ::UpdateWindow(statusBar);
}

BOOL CVespaneRezuVovAdodizozaviDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    if (CDialogEx::OnNotify(wParam, lParam, result)) {
        return TRUE;
    }
    // The notification map: the text request of a tooltip, from a sender whose window carries
    // control ID 0 (the framework's tooltips name this window itself as the sender).
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header == nullptr || header->code != TTN_GETDISPINFOW) {
        return FALSE;
    }
    const int senderId = header->hwndFrom != nullptr ? ::GetDlgCtrlID(header->hwndFrom) : 0;
    if (senderId != 0) {
        return FALSE;
    }
    return OnToolTipText(header, result);
}

BOOL CVespaneRezuVovAdodizozaviDlg::OnToolTipText(NMHDR* header, LRESULT* /*result*/) {
    // Every tip the user sees comes from toolTip; the framework's own requests get no text.
    const wchar_t* const text = L"";
    const std::size_t length = std::min(std::wcslen(text), std::size(tipTextBuffer_) - 1);
    std::wmemcpy(tipTextBuffer_, text, length);
    tipTextBuffer_[length] = L'\0';
    reinterpret_cast<TOOLTIPTEXTW*>(header)->lpszText = tipTextBuffer_;
    return TRUE;
}
