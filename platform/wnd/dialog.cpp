// CDialog: a window made from a dialog template, run as a modal loop of its own. The owner is
// disabled while the dialog runs; EndDialog ends this dialog's loop (an outer dialog that ends
// meanwhile returns once every loop inside it has returned).
#include <algorithm>

#include "platform/res/dialog_templates.hpp"
#include "platform/wnd/afxwin.hpp"
#include "platform/wnd/wnd_state.hpp"

namespace {

// Pixels per 4 horizontal and per 8 vertical dialog units, from the template's font size.
SIZE BaseUnits(const DialogTemplate& t) {
    return t.pointSize <= 8 ? SIZE{6, 13} : SIZE{7, 15};
}
int DluX(int v, SIZE base) {
    return v * base.cx / 4;
}
int DluY(int v, SIZE base) {
    return v * base.cy / 8;
}

HWND FirstTabStop(HWND dialog) {
    for (WindowObject* c : dialog->children) {
        if (c->visible && c->enabled && (c->style & WS_TABSTOP) != 0) return c;
    }
    return nullptr;
}

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : parentWnd_(parent), templateId_(templateId) {}

INT_PTR CDialog::DoModal() {
    const DialogTemplate* t = FindDialogTemplate(templateId_);
    if (t == nullptr || m_hWnd != nullptr) return -1;
    ended_ = false;
    result_ = IDCANCEL;

    // The owner: the parent given, else the application's main window (when that is another).
    HWND owner = parentWnd_ != nullptr ? parentWnd_->m_hWnd : nullptr;
    if (owner == nullptr && AfxGetMainWnd() != nullptr && AfxGetMainWnd() != this) {
        owner = AfxGetMainWnd()->m_hWnd;
    }
    owner = ::GetAncestorTopLevel(owner);
    const bool disableOwner = owner != nullptr && ::IsWindowEnabled(owner) != FALSE;
    const HWND previousFocus = ::GetFocus();

    CFont font;  // the dialog's font, alive as long as the window
    if ((t->style & DS_SETFONT) != 0) {
        LOGFONTW lf;
        lf.lfHeight = -static_cast<LONG>((t->pointSize * 96 + 36) / 72);
        lf.lfWeight = t->weight != 0 ? t->weight : FW_NORMAL;
        const std::size_t n = std::min<std::size_t>(t->fontFace.size(), LF_FACESIZE - 1);
        std::copy_n(t->fontFace.begin(), n, lf.lfFaceName);
        font.CreateFontIndirectW(&lf);
    }

    const SIZE base = BaseUnits(*t);
    WindowObject probe;
    probe.style = t->style;
    const wnd::Insets in = wnd::NonClientInsets(probe);
    const int width = DluX(t->cx, base) + in.left + in.right;
    const int height = DluY(t->cy, base) + in.top + in.bottom;
    POINT origin{0, 0};
    if (owner != nullptr) origin = wnd::ClientOriginOnScreen(owner);
    const int x = origin.x + DluX(t->x, base);
    const int y = origin.y + DluY(t->y, base);

    wnd::CancelModes();
    if (disableOwner) ::EnableWindow(owner, FALSE);
    const std::wstring caption(t->caption);
    if (::CreateWindowExW(t->exStyle, L"#32770", caption.c_str(), t->style & ~WS_VISIBLE, x, y,
                          width, height, owner, 0, this) == nullptr) {
        if (disableOwner && ::IsWindow(owner)) ::EnableWindow(owner, TRUE);
        return -1;
    }
    HFONT dialogFont = static_cast<HFONT>(font.m_hObject);
    if (dialogFont != nullptr)
        ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont), FALSE);
    for (const DialogItemTemplate& item : t->items) {
        const std::wstring cls(item.className);
        const std::wstring text(item.text);
        HWND control = ::CreateWindowExW(item.exStyle, cls.c_str(), text.c_str(),
                                         WS_CHILD | WS_VISIBLE | item.style, DluX(item.x, base),
                                         DluY(item.y, base), DluX(item.cx, base),
                                         DluY(item.cy, base), m_hWnd, item.id, nullptr);
        if (control != nullptr && dialogFont != nullptr) {
            ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont), FALSE);
        }
    }

    RECT before{};
    ::GetWindowRect(m_hWnd, &before);
    const LRESULT setFocus =
        ::SendMessageW(m_hWnd, WM_INITDIALOG, reinterpret_cast<WPARAM>(FirstTabStop(m_hWnd)), 0);
    if (::IsWindow(m_hWnd)) {
        if (setFocus != 0) {
            HWND first = FirstTabStop(m_hWnd);
            ::SetFocus(first != nullptr ? first : m_hWnd);
        }
        // A dialog that its initialisation did not move is centred over its owner.
        RECT after{};
        ::GetWindowRect(m_hWnd, &after);
        if (t->x == 0 && t->y == 0 && after.left == before.left && after.top == before.top) {
            CenterWindow(nullptr);  // over the owner, or the screen
        }
        if (!ended_) ::ShowWindow(m_hWnd, SW_SHOW);
        wnd::RunModalLoop(m_hWnd, [this] { return ended_; });
    }
    if (disableOwner && ::IsWindow(owner)) ::EnableWindow(owner, TRUE);
    if (::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    if (::IsWindow(previousFocus)) ::SetFocus(previousFocus);
    return ended_ ? result_ : -1;
}

void CDialog::EndDialog(int result) {
    ended_ = true;
    result_ = result;
    if (::IsWindow(m_hWnd)) ::ShowWindow(m_hWnd, SW_HIDE);
}

BOOL CDialog::OnInitDialog() {
    return TRUE;
}
void CDialog::OnOK() {
    EndDialog(IDOK);
}
void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
    }
    return CWnd::OnCommand(wParam, lParam);
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    if (CWnd::PreTranslateMessage(msg) != FALSE) return TRUE;
    if (msg != nullptr && (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP)) {
        return ::IsDialogMessageW(m_hWnd, msg);
    }
    return FALSE;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return OnInitDialog();
    return CWnd::WindowProc(message, wParam, lParam);
}
