// The class registry, the default window procedure and the platform's simple classes: the dialog
// class, "static" and "msctls_trackbar32". (Buttons, tooltips, menus and message boxes have files
// of their own.)
#include <algorithm>
#include <cwctype>

#include "platform/wnd/control_drawing.hpp"
#include "platform/wnd/wnd_state.hpp"

LRESULT ButtonClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT TooltipClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT MenuClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT MessageBoxClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

namespace {

bool SameClassName(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return std::towlower(static_cast<wint_t>(x)) ==
                      std::towlower(static_cast<wint_t>(y));
           });
}

LRESULT DialogClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client{};
            ::GetClientRect(hwnd, &client);
            wnd::FillSolid(reinterpret_cast<HDC>(wParam), client, wnd::kDialogColor);
            return TRUE;
        }
        case WM_CLOSE:
            // Closing a dialog is its Cancel.
            ::PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(hwnd, IDCANCEL)));
            return 0;
        case WM_INITDIALOG:
            return TRUE;
        default:
            return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

void PaintStatic(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd, &ps);
    RECT client{};
    ::GetClientRect(hwnd, &client);
    wnd::FillSolid(dc, client, wnd::kDialogColor);
    const DWORD style = static_cast<DWORD>(::GetWindowLongW(hwnd, GWL_STYLE));
    if ((style & 0x1F) == SS_ICON) {
        if (hwnd->icon != nullptr) ::DrawIcon(dc, 0, 0, hwnd->icon);
    } else {
        const std::wstring text =
            (style & SS_NOPREFIX) != 0 ? hwnd->text : wnd::WithoutMnemonics(hwnd->text);
        const HGDIOBJ oldFont = wnd::SelectWindowFont(dc, hwnd);
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, ::IsWindowEnabled(hwnd) ? RGB(0, 0, 0) : RGB(109, 109, 109));
        UINT format = DT_SINGLELINE | DT_TOP;
        if ((style & 0x1F) == SS_CENTER) format |= DT_CENTER;
        if ((style & 0x1F) == SS_RIGHT) format |= DT_RIGHT;
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, format);
        if (oldFont != nullptr) ::SelectObject(dc, oldFont);
    }
    ::EndPaint(hwnd, &ps);
}

LRESULT StaticClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            const DWORD style = static_cast<DWORD>(::GetWindowLongW(hwnd, GWL_STYLE));
            // An icon static names its icon resource in its text ("#128") and takes its size.
            if ((style & 0x1F) == SS_ICON && hwnd->text.size() > 1 && hwnd->text[0] == L'#') {
                const UINT id =
                    static_cast<UINT>(std::wcstoul(hwnd->text.c_str() + 1, nullptr, 10));
                hwnd->icon = ::LoadIconW(::AfxGetResourceHandle(), id);
                hwnd->rect.right = hwnd->rect.left + ::GetSystemMetrics(SM_CXICON);
                hwnd->rect.bottom = hwnd->rect.top + ::GetSystemMetrics(SM_CYICON);
            }
            return 0;
        }
        case WM_NCHITTEST: {
            // A static without SS_NOTIFY lets the mouse through to the window beneath.
            const DWORD style = static_cast<DWORD>(::GetWindowLongW(hwnd, GWL_STYLE));
            return (style & SS_NOTIFY) != 0 ? HTCLIENT : HTTRANSPARENT;
        }
        case WM_PAINT:
            PaintStatic(hwnd);
            return 0;
        case WM_SETTEXT: {
            const LRESULT r = ::DefWindowProcW(hwnd, message, wParam, lParam);
            ::InvalidateRect(hwnd, nullptr, TRUE);
            return r;
        }
        case WM_ENABLE:
            ::InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_STATIC;
        default:
            return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

// The trackbar class only hosts the program's own slider; its default processing is that of any
// window, except that it asks for the arrow keys in a dialog.
LRESULT TrackbarClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) return DLGC_WANTARROWS;
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

void AddClass(const wchar_t* name, WNDPROC proc, bool dialogKeys = false) {
    wnd::S().classes.push_back(WindowClass{name, proc, dialogKeys});
}

}  // namespace

namespace wnd {

void RegisterBuiltinClasses() {
    State& s = S();
    if (!s.classes.empty()) return;
    AddClass(L"#32770", DialogClassProc, true);
    AddClass(L"Button", ButtonClassProc);
    AddClass(L"static", StaticClassProc);
    AddClass(L"msctls_trackbar32", TrackbarClassProc);
    AddClass(L"tooltips_class32", TooltipClassProc);
    AddClass(L"#32768", MenuClassProc);
    AddClass(L"VrMessageBox", MessageBoxClassProc, true);
}

const WindowClass* FindClass(const std::wstring& name) {
    const auto& classes = S().classes;
    const auto it = std::find_if(classes.begin(), classes.end(),
                                 [&](const WindowClass& c) { return SameClassName(c.name, name); });
    return it != classes.end() ? &*it : nullptr;
}

LRESULT DefaultHitTest(HWND hwnd, POINT screen) {
    const WindowObject* w = Find(hwnd);
    if (w == nullptr) return HTNOWHERE;
    if (w->isChild()) return HTCLIENT;
    const int x = screen.x - w->rect.left;
    const int y = screen.y - w->rect.top;
    if (!platform::WindowShape(hwnd).contains(x, y)) return HTNOWHERE;
    const Insets in = NonClientInsets(*w);
    if (x >= in.left && y >= in.top && x < w->width() - in.right && y < w->height() - in.bottom) {
        return HTCLIENT;
    }
    if ((w->style & WS_CAPTION) == WS_CAPTION && y >= kFrameWidth && y < in.top) {
        const bool closeBox = (w->style & WS_SYSMENU) != 0 &&
                              x >= w->width() - kFrameWidth - kCaptionHeight &&
                              x < w->width() - kFrameWidth;
        return closeBox ? HTCLOSE : HTCAPTION;
    }
    return HTBORDER;
}

}  // namespace wnd

using namespace wnd;

BOOL RegisterClassW(const wchar_t* className, WNDPROC proc) {
    RegisterBuiltinClasses();
    if (className == nullptr || proc == nullptr || FindClass(className) != nullptr) return FALSE;
    AddClass(className, proc);
    return TRUE;
}

LRESULT CallClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const WindowObject* w = Find(hwnd);
    if (w == nullptr) return 0;
    if (w->windowClass != nullptr && w->windowClass->proc != nullptr) {
        return w->windowClass->proc(hwnd, message, wParam, lParam);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT DefWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowObject* w = Find(hwnd);
    if (w == nullptr) return 0;
    switch (message) {
        case WM_NCHITTEST:
            return DefaultHitTest(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        case WM_SETCURSOR:
            // The parent has the first say, as on Windows.
            if (w->isChild() && w->parent != nullptr &&
                Send(w->parent, WM_SETCURSOR, wParam, lParam) != 0) {
                return TRUE;
            }
            if (LOWORD(static_cast<std::uintptr_t>(lParam)) == HTCLIENT || !w->isChild()) {
                ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
                return TRUE;
            }
            return FALSE;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            ::BeginPaint(hwnd, &ps);
            ::EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
        case WM_ICONERASEBKGND:
            return 0;
        case WM_CLOSE:
            ::DestroyWindow(hwnd);
            return 0;
        case WM_CANCELMODE:
            if (S().capture == hwnd) ::ReleaseCapture();
            return 0;
        case WM_SETTEXT:
            w->text = lParam != 0 ? reinterpret_cast<const wchar_t*>(lParam) : L"";
            if (!w->isChild()) {
                w->frameDirty = true;
                S().paintMayBeDue = true;
                B().TopLevelChanged(hwnd);
            }
            return TRUE;
        case WM_GETTEXT:
            return ::GetWindowTextW(hwnd, reinterpret_cast<wchar_t*>(lParam),
                                    static_cast<int>(wParam));
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(w->text.size());
        case WM_SETFONT:
            w->font = reinterpret_cast<HFONT>(wParam);
            if (lParam != 0) ::InvalidateRect(hwnd, nullptr, TRUE);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(w->font);
        case WM_SETICON: {
            HICON old = w->icon;
            if (wParam == ICON_BIG || w->icon == nullptr) w->icon = reinterpret_cast<HICON>(lParam);
            return reinterpret_cast<LRESULT>(old);
        }
        case WM_GETICON:
            return reinterpret_cast<LRESULT>(w->icon);
        case WM_SYSCOMMAND: {
            HWND top = TopLevelOf(hwnd);
            switch (static_cast<UINT>(wParam) & 0xFFF0) {
                case SC_MINIMIZE:
                    ::ShowWindow(top, SW_MINIMIZE);
                    break;
                case SC_RESTORE:
                    ::ShowWindow(top, SW_RESTORE);
                    break;
                case SC_CLOSE:
                    Send(top, WM_CLOSE, 0, 0);
                    break;
                case SC_MOVE:
                    StartMove(top, false, S().cursor);
                    break;
                case SC_KEYMENU: {
                    const POINT at = ClientOriginOnScreen(top);
                    ShowSystemMenu(top, at);
                    break;
                }
                default:
                    break;
            }
            return 0;
        }
        case WM_SYSKEYDOWN: {
            HWND top = TopLevelOf(hwnd);
            if (wParam == VK_SPACE) Send(top, WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE);
            if (wParam == VK_F4) Send(top, WM_SYSCOMMAND, SC_CLOSE, 0);
            return 0;
        }
        case WM_NCLBUTTONDOWN:
            if (wParam == HTCAPTION && !w->isChild() && !B().MovesWindowsItself()) {
                StartMove(hwnd, true, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            }
            return 0;
        case WM_NCLBUTTONUP:
            if (wParam == HTCLOSE) Send(hwnd, WM_SYSCOMMAND, SC_CLOSE, lParam);
            return 0;
        case WM_NCRBUTTONUP:
            if (wParam == HTCAPTION && !w->isChild()) {
                ShowSystemMenu(hwnd, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            }
            return 0;
        default:
            return 0;
    }
}
