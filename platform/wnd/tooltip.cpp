// The tooltip control ("tooltips_class32"): tools registered by window (or by a rectangle of a
// window), mouse messages relayed to it, and a tip shown in its own borderless top-level window
// near the cursor after the initial delay. The tip hides when the cursor leaves the tool (a
// relayed move elsewhere, or the control's own polling), at the automatic pop time, on a click
// or when the control is deactivated. The tip window never takes mouse input.
#include <algorithm>

#include "platform/wnd/afxwin.hpp"
#include "platform/wnd/control_drawing.hpp"
#include "platform/wnd/wnd_state.hpp"

namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr UINT_PTR kPopTimer = 2;
constexpr UINT_PTR kPollTimer = 3;
constexpr UINT kPollPeriod = 100;
constexpr int kPadding = 4;

struct Tool {
    HWND owner = nullptr;  // the window that owns the tool (TTTOOLINFOW::hwnd)
    UINT_PTR id = 0;
    UINT flags = 0;
    RECT rect{};  // tools by rectangle: in the owner's client coordinates
    std::wstring text;
    bool callback = false;  // LPSTR_TEXTCALLBACKW: ask the owner each time
};

struct TooltipState : ClassState {
    std::vector<Tool> tools;
    UINT initial = 500;
    UINT autopop = 5000;
    UINT reshow = 100;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF backColor = RGB(255, 255, 225);
    bool active = true;
    int current = -1;  // the tool under the cursor
    bool shown = false;
    std::wstring shownText;
    DWORD hiddenAt = 0;  // when a tip last hid (a nearby tool then shows after the reshow time)
    bool recentlyShown = false;
};

TooltipState* StateOf(HWND hwnd) {
    WindowObject* w = wnd::Find(hwnd);
    if (w == nullptr) return nullptr;
    if (w->classState == nullptr) w->classState = std::make_unique<TooltipState>();
    return dynamic_cast<TooltipState*>(w->classState.get());
}

bool SameTool(const Tool& t, HWND owner, UINT_PTR id) {
    return t.owner == owner && t.id == id;
}

// The screen rectangle a tool covers.
std::optional<RECT> ToolArea(const Tool& t) {
    if ((t.flags & TTF_IDISHWND) != 0) {
        HWND window = reinterpret_cast<HWND>(t.id);
        if (!::IsWindow(window) || !platform::IsShownOnScreen(window)) return std::nullopt;
        RECT r{};
        ::GetWindowRect(window, &r);
        return r;
    }
    if (!::IsWindow(t.owner) || !platform::IsShownOnScreen(t.owner)) return std::nullopt;
    POINT a{t.rect.left, t.rect.top};
    POINT b{t.rect.right, t.rect.bottom};
    ::ClientToScreen(t.owner, &a);
    ::ClientToScreen(t.owner, &b);
    return RECT{a.x, a.y, b.x, b.y};
}

int ToolAt(const TooltipState& s, HWND window, POINT screen) {
    for (int i = 0; i < static_cast<int>(s.tools.size()); ++i) {
        const Tool& t = s.tools[static_cast<std::size_t>(i)];
        const bool relevant = (t.flags & TTF_IDISHWND) != 0 ? reinterpret_cast<HWND>(t.id) == window
                                                            : t.owner == window;
        if (!relevant) continue;
        const auto area = ToolArea(t);
        if (area && ::PtInRect(&*area, screen)) return i;
    }
    return -1;
}

std::wstring TextOf(HWND tip, const Tool& t) {
    if (!t.callback) return t.text;
    TOOLTIPTEXTW info;
    info.hdr.hwndFrom = tip;
    info.hdr.idFrom = t.id;
    info.hdr.code = TTN_GETDISPINFOW;
    info.uFlags = t.flags;
    ::SendMessageW(t.owner, WM_NOTIFY, t.id, reinterpret_cast<LPARAM>(&info));
    if (info.lpszText != nullptr && info.lpszText != LPSTR_TEXTCALLBACKW) return info.lpszText;
    return info.szText;
}

void Hide(HWND tip, TooltipState& s) {
    ::KillTimer(tip, kShowTimer);
    ::KillTimer(tip, kPopTimer);
    ::KillTimer(tip, kPollTimer);
    if (s.shown) {
        s.shown = false;
        s.hiddenAt = ::GetTickCount();
        s.recentlyShown = true;
        ::ShowWindow(tip, SW_HIDE);
    }
}

// The cursor is watched only while a tip is shown or about to show. When the tip pops down (its
// time ran out, a click) the tool is forgotten, so the next relayed move over it starts again:
// a cursor that left without a relayed move (over a part of the window that answers HTCAPTION)
// gets its tip when it comes back, and a cursor resting on a tool wakes nothing.
void Leave(HWND tip, TooltipState& s) {
    Hide(tip, s);
    s.current = -1;
}

void Show(HWND tip, TooltipState& s) {
    if (s.current < 0 || !s.active) return;
    const std::wstring text = TextOf(tip, s.tools[static_cast<std::size_t>(s.current)]);
    if (text.empty() || !::IsWindow(tip)) return;
    HDC measure = ::CreateCompatibleDC(nullptr);
    SIZE size{};
    ::GetTextExtentPoint32W(measure, text.c_str(), static_cast<int>(text.size()), &size);
    ::DeleteDC(measure);
    const int width = size.cx + 2 * kPadding + 2;
    const int height = size.cy + 2 * kPadding;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    const int screenW = ::GetSystemMetrics(SM_CXSCREEN);
    const int screenH = ::GetSystemMetrics(SM_CYSCREEN);
    // Below the cursor's arrow; above it when there is no room below.
    int x = std::clamp<int>(cursor.x, 0, std::max(0, screenW - width));
    int y = cursor.y + 20;
    if (y + height > screenH) y = std::max(0, static_cast<int>(cursor.y) - height - 2);
    s.shownText = text;
    s.shown = true;
    ::SetWindowPos(tip, nullptr, x, y, width, height, SWP_NOACTIVATE);
    ::ShowWindow(tip, SW_SHOWNA);
    ::InvalidateRect(tip, nullptr, TRUE);
    ::SetTimer(tip, kPopTimer, s.autopop, nullptr);
}

void Enter(HWND tip, TooltipState& s, int tool) {
    const bool wasShown = s.shown;
    if (tool < 0) {
        Leave(tip, s);
        return;
    }
    Hide(tip, s);
    s.current = tool;
    if (!s.active) return;
    const bool quick = wasShown || (s.recentlyShown && ::GetTickCount() - s.hiddenAt < s.reshow);
    ::SetTimer(tip, kShowTimer, quick ? s.reshow : s.initial, nullptr);
    ::SetTimer(tip, kPollTimer, kPollPeriod, nullptr);
}

void Relay(HWND tip, TooltipState& s, const MSG& msg) {
    if (!s.active) return;  // an inactive control ignores the mouse
    switch (msg.message) {
        case WM_MOUSEMOVE: {
            const int tool = ToolAt(s, msg.hwnd, msg.pt);
            if (tool != s.current) Enter(tip, s, tool);
            break;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            Leave(tip, s);
            break;
        default:
            break;
    }
}

void Paint(HWND tip, const TooltipState& s) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(tip, &ps);
    RECT c{};
    ::GetClientRect(tip, &c);
    wnd::FillSolid(dc, c, s.backColor);
    wnd::FrameSolid(dc, c, RGB(118, 118, 118));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, s.textColor);
    ::TextOutW(dc, kPadding + 1, kPadding, s.shownText.c_str(),
               static_cast<int>(s.shownText.size()));
    ::EndPaint(tip, &ps);
}

UINT DelayOf(LPARAM lParam) {
    const int value = static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(lParam)));
    return value < 0 ? 500u : static_cast<UINT>(value);
}

}  // namespace

LRESULT TooltipClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    TooltipState* s = StateOf(hwnd);
    if (s == nullptr) return 0;
    switch (message) {
        case TTM_ADDTOOLW:
        case TTM_UPDATETIPTEXTW: {
            const auto* info = reinterpret_cast<const TTTOOLINFOW*>(lParam);
            if (info == nullptr) return FALSE;
            auto it = std::find_if(s->tools.begin(), s->tools.end(), [&](const Tool& t) {
                return SameTool(t, info->hwnd, info->uId);
            });
            if (it == s->tools.end()) {
                if (message == TTM_UPDATETIPTEXTW) return 0;
                it = s->tools.insert(s->tools.end(), Tool{});
            }
            // A tool registered again keeps its place and takes the new text.
            it->owner = info->hwnd;
            it->id = info->uId;
            if (message == TTM_ADDTOOLW) {
                it->flags = info->uFlags;
                it->rect = info->rect;
            }
            it->callback = info->lpszText == LPSTR_TEXTCALLBACKW;
            it->text = it->callback || info->lpszText == nullptr ? L"" : info->lpszText;
            if (s->shown && s->current == static_cast<int>(it - s->tools.begin())) Show(hwnd, *s);
            return TRUE;
        }
        case TTM_DELTOOLW: {
            const auto* info = reinterpret_cast<const TTTOOLINFOW*>(lParam);
            if (info == nullptr) return 0;
            const auto it = std::find_if(s->tools.begin(), s->tools.end(), [&](const Tool& t) {
                return SameTool(t, info->hwnd, info->uId);
            });
            if (it == s->tools.end()) return 0;
            const int index = static_cast<int>(it - s->tools.begin());
            if (index == s->current) Leave(hwnd, *s);
            if (s->current > index) --s->current;
            s->tools.erase(it);
            return 0;
        }
        case TTM_GETTOOLCOUNT:
            return static_cast<LRESULT>(s->tools.size());
        case TTM_RELAYEVENT:
            if (lParam != 0) Relay(hwnd, *s, *reinterpret_cast<const MSG*>(lParam));
            return 0;
        case TTM_SETDELAYTIME:
            switch (wParam) {
                case TTDT_AUTOMATIC: {
                    const UINT t = DelayOf(lParam);
                    s->initial = t;
                    s->autopop = t * 10;
                    s->reshow = t / 5;
                    break;
                }
                case TTDT_INITIAL:
                    s->initial = DelayOf(lParam);
                    break;
                case TTDT_AUTOPOP:
                    s->autopop = DelayOf(lParam);
                    break;
                case TTDT_RESHOW:
                    s->reshow = DelayOf(lParam);
                    break;
                default:
                    break;
            }
            return 0;
        case TTM_SETTIPTEXTCOLOR:
            s->textColor = static_cast<COLORREF>(wParam);
            ::InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case TTM_SETTIPBKCOLOR:
            s->backColor = static_cast<COLORREF>(wParam);
            ::InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case TTM_ACTIVATE:
            s->active = wParam != 0;
            if (!s->active) Leave(hwnd, *s);
            return 0;
        case TTM_POP:
            Hide(hwnd, *s);
            return 0;
        case WM_TIMER:
            switch (wParam) {
                case kShowTimer:
                    ::KillTimer(hwnd, kShowTimer);
                    Show(hwnd, *s);
                    break;
                case kPopTimer:
                    Leave(hwnd, *s);
                    break;
                case kPollTimer: {
                    // The cursor may leave a tool without a relayed move (over a part of the
                    // window that answers HTCAPTION, or outside every window).
                    POINT cursor{};
                    ::GetCursorPos(&cursor);
                    const auto area = s->current >= 0
                                          ? ToolArea(s->tools[static_cast<std::size_t>(s->current)])
                                          : std::nullopt;
                    if (!area || !::PtInRect(&*area, cursor)) Leave(hwnd, *s);
                    break;
                }
                default:
                    break;
            }
            return 0;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_ERASEBKGND:
            return TRUE;
        case WM_PAINT:
            Paint(hwnd, *s);
            return 0;
        default:
            return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
    const RECT none{0, 0, 0, 0};
    return CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT, L"tooltips_class32",
                    nullptr, WS_POPUP | style, none, parent, 0);
}

BOOL CToolTipCtrl::AddTool(CWnd* tool, const wchar_t* text, const RECT* rect, UINT_PTR id) {
    if (tool == nullptr || tool->m_hWnd == nullptr) return FALSE;
    TTTOOLINFOW info;
    if (rect == nullptr && id == 0) {
        info.uFlags = TTF_IDISHWND;
        info.hwnd = ::GetParent(tool->m_hWnd);
        info.uId = reinterpret_cast<UINT_PTR>(tool->m_hWnd);
    } else {
        info.hwnd = tool->m_hWnd;
        info.uId = id;
        if (rect != nullptr) info.rect = *rect;
    }
    info.lpszText = text;
    return static_cast<BOOL>(SendMessageW(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)));
}

void CToolTipCtrl::DelTool(CWnd* tool, UINT_PTR id) {
    if (tool == nullptr || tool->m_hWnd == nullptr) return;
    TTTOOLINFOW info;
    if (id == 0) {
        info.hwnd = ::GetParent(tool->m_hWnd);
        info.uId = reinterpret_cast<UINT_PTR>(tool->m_hWnd);
    } else {
        info.hwnd = tool->m_hWnd;
        info.uId = id;
    }
    SendMessageW(TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::RelayEvent(MSG* msg) {
    SendMessageW(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}

void CToolTipCtrl::SetDelayTime(UINT delay) {
    SendMessageW(TTM_SETDELAYTIME, TTDT_AUTOMATIC, MAKELPARAM(static_cast<WORD>(delay), 0));
}

void CToolTipCtrl::SetTipTextColor(COLORREF color) {
    SendMessageW(TTM_SETTIPTEXTCOLOR, color, 0);
}
void CToolTipCtrl::SetTipBkColor(COLORREF color) {
    SendMessageW(TTM_SETTIPBKCOLOR, color, 0);
}
void CToolTipCtrl::Activate(BOOL activate) {
    SendMessageW(TTM_ACTIVATE, activate, 0);
}

int CToolTipCtrl::GetToolCount() const {
    return static_cast<int>(::SendMessageW(m_hWnd, TTM_GETTOOLCOUNT, 0, 0));
}

void CToolTipCtrl::OnEnable(BOOL enable) {
    Activate(enable);
}
