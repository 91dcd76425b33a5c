// CWnd: the framework object attached to a window. Its WindowProc sees every message first and
// calls the On... handlers; each handler's default hands the message, unchanged, to the window
// class's own procedure.
#include "platform/wnd/afxwin.hpp"
#include "platform/wnd/wnd_state.hpp"

LRESULT DispatchToObject(CWnd* object, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const MSG saved = object->current_;
    object->current_ = MSG{hwnd, message, wParam, lParam, wnd::B().Now(), wnd::S().cursor};
    const LRESULT result = object->WindowProc(message, wParam, lParam);
    object->current_ = saved;
    return result;
}

namespace {

POINT PointOf(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

}  // namespace

CWnd::~CWnd() {
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) m_hWnd->object = nullptr;
    m_hWnd = nullptr;
}

BOOL CWnd::Create(const wchar_t* className, const wchar_t* text, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id) {
    return CreateEx(0, className, text, style, rect, parent, id);
}

BOOL CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                    const RECT& rect, CWnd* parent, UINT id) {
    if (m_hWnd != nullptr) return FALSE;
    HWND created = ::CreateWindowExW(exStyle, className, text, style, rect.left, rect.top,
                                     rect.right - rect.left, rect.bottom - rect.top,
                                     parent != nullptr ? parent->m_hWnd : nullptr, id, this);
    return created != nullptr ? TRUE : FALSE;
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr) return FALSE;
    return ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    return ::IsWindow(hwnd) ? hwnd->object : nullptr;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (OnCommand(wParam, lParam) != FALSE) return 0;
            return Default();
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (OnNotify(wParam, lParam, &result) != FALSE) return result;
            return Default();
        }
        case WM_CREATE:
            return OnCreate(reinterpret_cast<CREATESTRUCTW*>(lParam));
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_ERASEBKGND: {
            CDC dc;
            dc.Attach(reinterpret_cast<HDC>(wParam));
            const BOOL erased = OnEraseBkgnd(&dc);
            dc.Detach();
            return erased;
        }
        case WM_TIMER:
            OnTimer(static_cast<UINT_PTR>(wParam));
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(static_cast<UINT>(wParam), PointOf(lParam));
            return 0;
        case WM_LBUTTONDOWN:
            OnLButtonDown(static_cast<UINT>(wParam), PointOf(lParam));
            return 0;
        case WM_LBUTTONUP:
            OnLButtonUp(static_cast<UINT>(wParam), PointOf(lParam));
            return 0;
        case WM_KEYDOWN:
            OnKeyDown(static_cast<UINT>(wParam), LOWORD(static_cast<std::uintptr_t>(lParam)),
                      HIWORD(static_cast<std::uintptr_t>(lParam)));
            return 0;
        case WM_SETFOCUS:
            OnSetFocus(FromHandle(reinterpret_cast<HWND>(wParam)));
            return 0;
        case WM_KILLFOCUS:
            OnKillFocus(FromHandle(reinterpret_cast<HWND>(wParam)));
            return 0;
        case WM_GETDLGCODE:
            return static_cast<LRESULT>(OnGetDlgCode());
        case WM_SETCURSOR:
            return OnSetCursor(FromHandle(reinterpret_cast<HWND>(wParam)),
                               LOWORD(static_cast<std::uintptr_t>(lParam)),
                               HIWORD(static_cast<std::uintptr_t>(lParam)));
        case WM_NCHITTEST:
            return OnNcHitTest(PointOf(lParam));
        case WM_SYSCOMMAND:
            OnSysCommand(static_cast<UINT>(wParam), lParam);
            return 0;
        case WM_QUERYDRAGICON:
            return reinterpret_cast<LRESULT>(OnQueryDragIcon());
        case WM_ENABLE:
            OnEnable(static_cast<BOOL>(wParam));
            return 0;
        default:
            return DefWindowProc(message, wParam, lParam);
    }
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::CallClassProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    return DefWindowProc(current_.message, current_.wParam, current_.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG* msg) {
    if (toolTipsEnabled_ && msg != nullptr && msg->message == WM_MOUSEMOVE) {
        FilterToolTipMessage(msg);
    }
    return FALSE;
}

void CWnd::FilterToolTipMessage(const MSG* msg) {
    // A descendant of this window, the window itself excepted.
    HWND child = msg->hwnd != m_hWnd && wnd::IsInside(msg->hwnd, m_hWnd) ? msg->hwnd : nullptr;
    if (child != toolTipChild_) {
        toolTipChild_ = child;
        std::wstring text;
        if (child != nullptr) {
            TOOLTIPTEXTW info;
            info.hdr.hwndFrom = frameworkTip_ ? frameworkTip_->m_hWnd : nullptr;
            info.hdr.idFrom = reinterpret_cast<UINT_PTR>(child);
            info.hdr.code = TTN_GETDISPINFOW;
            info.uFlags = TTF_IDISHWND;
            SendMessageW(WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
            text = info.lpszText != nullptr && info.lpszText != LPSTR_TEXTCALLBACKW
                       ? std::wstring(info.lpszText)
                       : std::wstring(info.szText);
        }
        if (!text.empty() && !frameworkTip_) {
            frameworkTip_ = std::make_unique<CToolTipCtrl>();
            if (frameworkTip_->Create(this) == FALSE) frameworkTip_.reset();
        }
        if (frameworkTip_ && child != nullptr) {
            TTTOOLINFOW tool;
            tool.uFlags = TTF_IDISHWND;
            tool.hwnd = m_hWnd;
            tool.uId = reinterpret_cast<UINT_PTR>(child);
            tool.lpszText = text.c_str();
            frameworkTip_->SendMessageW(text.empty() ? TTM_DELTOOLW : TTM_ADDTOOLW, 0,
                                        reinterpret_cast<LPARAM>(&tool));
        }
    }
    if (frameworkTip_ && ::IsWindow(frameworkTip_->m_hWnd)) {
        MSG relayed = *msg;
        frameworkTip_->RelayEvent(&relayed);
    }
}
BOOL CWnd::OnCommand(WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return FALSE;
}
BOOL CWnd::OnNotify(WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT* /*result*/) {
    return FALSE;
}
int CWnd::OnCreate(CREATESTRUCTW* /*create*/) {
    return static_cast<int>(Default());
}
void CWnd::OnDestroy() {
    Default();
}
void CWnd::OnPaint() {
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC* /*dc*/) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnTimer(UINT_PTR /*id*/) {
    Default();
}
void CWnd::OnMouseMove(UINT /*flags*/, POINT /*point*/) {
    Default();
}
void CWnd::OnLButtonDown(UINT /*flags*/, POINT /*point*/) {
    Default();
}
void CWnd::OnLButtonUp(UINT /*flags*/, POINT /*point*/) {
    Default();
}
void CWnd::OnKeyDown(UINT /*key*/, UINT /*repeat*/, UINT /*flags*/) {
    Default();
}
void CWnd::OnSetFocus(CWnd* /*old*/) {
    Default();
}
void CWnd::OnKillFocus(CWnd* /*next*/) {
    Default();
}
UINT CWnd::OnGetDlgCode() {
    return static_cast<UINT>(Default());
}
BOOL CWnd::OnSetCursor(CWnd* /*wnd*/, UINT /*hitTest*/, UINT /*message*/) {
    return static_cast<BOOL>(Default());
}
LRESULT CWnd::OnNcHitTest(POINT /*screenPoint*/) {
    return Default();
}
void CWnd::OnSysCommand(UINT /*id*/, LPARAM /*lParam*/) {
    Default();
}
HCURSOR CWnd::OnQueryDragIcon() {
    return reinterpret_cast<HCURSOR>(Default());
}
void CWnd::OnEnable(BOOL /*enable*/) {
    Default();
}

CWnd* CWnd::GetParent() const {
    return FromHandle(::GetParent(m_hWnd));
}
int CWnd::GetDlgCtrlID() const {
    return ::GetDlgCtrlID(m_hWnd);
}
DWORD CWnd::GetStyle() const {
    return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE));
}
void CWnd::GetClientRect(RECT* rect) const {
    ::GetClientRect(m_hWnd, rect);
}
void CWnd::GetWindowRect(RECT* rect) const {
    ::GetWindowRect(m_hWnd, rect);
}
void CWnd::ClientToScreen(POINT* point) const {
    ::ClientToScreen(m_hWnd, point);
}
void CWnd::ScreenToClient(POINT* point) const {
    ::ScreenToClient(m_hWnd, point);
}
BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* placement) const {
    return ::GetWindowPlacement(m_hWnd, placement);
}
BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* placement) {
    return ::SetWindowPlacement(m_hWnd, placement);
}
int CWnd::SetWindowRgn(HRGN region, BOOL redraw) {
    return ::SetWindowRgn(m_hWnd, region, redraw);
}
void CWnd::SetWindowTextW(const wchar_t* text) {
    ::SetWindowTextW(m_hWnd, text);
}
int CWnd::GetWindowTextW(wchar_t* buffer, int maxCount) const {
    return ::GetWindowTextW(m_hWnd, buffer, maxCount);
}
std::wstring CWnd::GetWindowTextString() const {
    return ::IsWindow(m_hWnd) ? m_hWnd->text : std::wstring{};
}
BOOL CWnd::ShowWindow(int command) {
    return ::ShowWindow(m_hWnd, command);
}
BOOL CWnd::IsWindowVisible() const {
    return ::IsWindowVisible(m_hWnd);
}
BOOL CWnd::IsIconic() const {
    return ::IsIconic(m_hWnd);
}
void CWnd::Invalidate(BOOL erase) {
    ::InvalidateRect(m_hWnd, nullptr, erase);
}
void CWnd::InvalidateRect(const RECT* rect, BOOL erase) {
    ::InvalidateRect(m_hWnd, rect, erase);
}
void CWnd::UpdateWindow() {
    ::UpdateWindow(m_hWnd);
}
BOOL CWnd::GetUpdateRect(RECT* rect, BOOL erase) {
    return ::GetUpdateRect(m_hWnd, rect, erase);
}
void CWnd::SetFont(CFont* font, BOOL redraw) {
    SetFont(font != nullptr ? static_cast<HFONT>(font->m_hObject) : nullptr, redraw);
}
void CWnd::SetFont(HFONT font, BOOL redraw) {
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
}
UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, void* unused) {
    return ::SetTimer(m_hWnd, id, elapse, unused);
}
BOOL CWnd::KillTimer(UINT_PTR id) {
    return ::KillTimer(m_hWnd, id);
}
CWnd* CWnd::SetCapture() {
    return FromHandle(::SetCapture(m_hWnd));
}
CWnd* CWnd::SetFocus() {
    return FromHandle(::SetFocus(m_hWnd));
}
BOOL CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    return ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}
BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
    return ::SetWindowPos(m_hWnd, insertAfter != nullptr ? insertAfter->m_hWnd : nullptr, x, y, cx,
                          cy, flags);
}
BOOL CWnd::PostMessageW(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}
LRESULT CWnd::SendMessageW(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}
HDC CWnd::GetDC() {
    return ::GetDC(m_hWnd);
}
int CWnd::ReleaseDC(HDC dc) {
    return ::ReleaseDC(m_hWnd, dc);
}
CWnd* CWnd::GetDlgItem(int id) const {
    return FromHandle(::GetDlgItem(m_hWnd, id));
}
HMENU CWnd::GetSystemMenu(BOOL revert) const {
    return ::GetSystemMenu(m_hWnd, revert);
}
HICON CWnd::SetIcon(HICON icon, BOOL big) {
    return reinterpret_cast<HICON>(::SendMessageW(
        m_hWnd, WM_SETICON, big != FALSE ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

void CWnd::EnableToolTips(BOOL enable) {
    toolTipsEnabled_ = enable != FALSE;
}

void CWnd::CenterWindow(CWnd* alternateOwner) {
    if (!::IsWindow(m_hWnd)) return;
    RECT self{};
    ::GetWindowRect(m_hWnd, &self);
    RECT area{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    HWND over = alternateOwner != nullptr ? alternateOwner->m_hWnd : ::GetParent(m_hWnd);
    RECT center = area;
    if (m_hWnd->isChild()) {
        ::GetClientRect(over, &center);
    } else if (::IsWindow(over) && ::IsWindowVisible(over) && !::IsIconic(over)) {
        ::GetWindowRect(over, &center);
    }
    const int width = self.right - self.left;
    const int height = self.bottom - self.top;
    int x = (center.left + center.right - width) / 2;
    int y = (center.top + center.bottom - height) / 2;
    if (!m_hWnd->isChild()) {
        // Keep the window on the screen.
        x = std::max(area.left, std::min(x, area.right - width));
        y = std::max(area.top, std::min(y, area.bottom - height));
    }
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CPaintDC::CPaintDC(CWnd* wnd) : hwnd_(wnd != nullptr ? wnd->m_hWnd : nullptr) {
    Attach(::BeginPaint(hwnd_, &m_ps));
}

CPaintDC::~CPaintDC() {
    ::EndPaint(hwnd_, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* wnd) : hwnd_(wnd != nullptr ? wnd->m_hWnd : nullptr) {
    Attach(::GetDC(hwnd_));
}

CClientDC::~CClientDC() {
    ::ReleaseDC(hwnd_, Detach());
}

BOOL CButton::Create(const wchar_t* text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(L"Button", text, style, rect, parent, id);
}

BOOL CStatic::Create(const wchar_t* text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(L"static", text, style, rect, parent, id);
}
