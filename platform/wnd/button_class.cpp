// The platform's "Button" class: a push button that draws a plain face with its caption and sends
// BN_CLICKED to its parent when pressed and released over it (or with the space bar).
#include "platform/wnd/control_drawing.hpp"
#include "platform/wnd/wnd_state.hpp"

namespace {

struct ButtonState : ClassState {
    bool tracking = false;  // the left button went down on the button
    bool pushed = false;    // drawn pressed
};

ButtonState& StateOf(HWND hwnd) {
    if (hwnd->classState == nullptr ||
        dynamic_cast<ButtonState*>(hwnd->classState.get()) == nullptr) {
        hwnd->classState = std::make_unique<ButtonState>();
    }
    return static_cast<ButtonState&>(*hwnd->classState);
}

bool IsDefault(HWND hwnd) {
    return (static_cast<DWORD>(::GetWindowLongW(hwnd, GWL_STYLE)) & 0x0F) == BS_DEFPUSHBUTTON;
}

void Click(HWND hwnd) {
    HWND parent = ::GetParent(hwnd);
    ::SendMessageW(parent, WM_COMMAND,
                   MAKEWPARAM(static_cast<WORD>(::GetDlgCtrlID(hwnd)), BN_CLICKED),
                   reinterpret_cast<LPARAM>(hwnd));
}

void Paint(HWND hwnd, const ButtonState& state) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd, &ps);
    RECT c{};
    ::GetClientRect(hwnd, &c);
    wnd::FillSolid(dc, c, state.pushed ? RGB(204, 228, 247) : RGB(225, 225, 225));
    const bool focused = ::GetFocus() == hwnd;
    wnd::FrameSolid(dc, c, IsDefault(hwnd) || focused ? RGB(0, 120, 215) : RGB(173, 173, 173));
    const std::wstring text = wnd::WithoutMnemonics(hwnd->text);
    const HGDIOBJ oldFont = wnd::SelectWindowFont(dc, hwnd);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::IsWindowEnabled(hwnd) ? RGB(0, 0, 0) : RGB(160, 160, 160));
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &c,
                DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    if (oldFont != nullptr) ::SelectObject(dc, oldFont);
    ::EndPaint(hwnd, &ps);
}

bool Inside(HWND hwnd, LPARAM lParam) {
    RECT c{};
    ::GetClientRect(hwnd, &c);
    return ::PtInRect(&c, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}) != FALSE;
}

}  // namespace

LRESULT ButtonClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ButtonState& state = StateOf(hwnd);
    switch (message) {
        case WM_PAINT:
            Paint(hwnd, state);
            return 0;
        case WM_LBUTTONDOWN:
            state.tracking = true;
            state.pushed = true;
            ::SetCapture(hwnd);
            ::SetFocus(hwnd);
            ::InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_MOUSEMOVE:
            if (state.tracking && state.pushed != Inside(hwnd, lParam)) {
                state.pushed = !state.pushed;
                ::InvalidateRect(hwnd, nullptr, FALSE);
            }
            return 0;
        case WM_LBUTTONUP: {
            if (!state.tracking) return 0;
            const bool click = Inside(hwnd, lParam);
            state.tracking = false;
            state.pushed = false;
            if (::GetCapture() == hwnd) ::ReleaseCapture();
            ::InvalidateRect(hwnd, nullptr, FALSE);
            if (click) Click(hwnd);
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != hwnd && state.tracking) {
                state.tracking = false;
                state.pushed = false;
                ::InvalidateRect(hwnd, nullptr, FALSE);
            }
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE) {
                state.pushed = true;
                ::InvalidateRect(hwnd, nullptr, FALSE);
            }
            return 0;
        case WM_KEYUP:
            if (wParam == VK_SPACE && state.pushed) {
                state.pushed = false;
                ::InvalidateRect(hwnd, nullptr, FALSE);
                Click(hwnd);
            }
            return 0;
        case WM_GETDLGCODE:
            return DLGC_BUTTON | (IsDefault(hwnd) ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        case WM_SETTEXT: {
            const LRESULT r = ::DefWindowProcW(hwnd, message, wParam, lParam);
            ::InvalidateRect(hwnd, nullptr, FALSE);
            return r;
        }
        case WM_ENABLE:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            ::InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        default:
            return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
}
