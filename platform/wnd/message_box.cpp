// MessageBoxW: a modal window of the platform's own, with the text, an OK button and the
// executable's name as caption, drawn like the rest of the program's windows.
#include <algorithm>

#include "platform/wnd/control_drawing.hpp"
#include "platform/wnd/wnd_state.hpp"

namespace {

constexpr int kMargin = 20;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 26;

struct MessageBoxState : ClassState {
    std::vector<std::wstring> lines;
    int lineHeight = 16;
    bool done = false;
};

MessageBoxState* StateOf(HWND hwnd) {
    return hwnd != nullptr ? dynamic_cast<MessageBoxState*>(hwnd->classState.get()) : nullptr;
}

std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(L'\n', start);
        std::wstring line =
            text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        lines.push_back(std::move(line));
        if (end == std::wstring::npos) break;
        start = end + 1;
    }
    return lines;
}

}  // namespace

LRESULT MessageBoxClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MessageBoxState* state = StateOf(hwnd);
    if (state == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_ERASEBKGND: {
            RECT c{};
            ::GetClientRect(hwnd, &c);
            wnd::FillSolid(reinterpret_cast<HDC>(wParam), c, RGB(255, 255, 255));
            wnd::FillSolid(reinterpret_cast<HDC>(wParam),
                           RECT{0, c.bottom - kButtonHeight - 2 * 12, c.right, c.bottom},
                           wnd::kDialogColor);
            return TRUE;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(hwnd, &ps);
            ::SetBkMode(dc, TRANSPARENT);
            ::SetTextColor(dc, RGB(0, 0, 0));
            int y = kMargin;
            for (const std::wstring& line : state->lines) {
                ::TextOutW(dc, kMargin, y, line.c_str(), static_cast<int>(line.size()));
                y += state->lineHeight;
            }
            ::EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) state->done = true;
            return 0;
        case WM_CLOSE:
            state->done = true;
            return 0;
        default:
            return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

using namespace wnd;

int MessageBoxW(HWND owner, const wchar_t* text, const wchar_t* caption, UINT /*type*/) {
    const std::wstring body = text != nullptr ? text : L"";
    const std::wstring title = caption != nullptr ? caption : AppExecutableName();
    auto state = std::make_unique<MessageBoxState>();
    state->lines = SplitLines(body);

    // Size from the text in the default font.
    HDC measure = ::CreateCompatibleDC(nullptr);
    int textWidth = 0;
    for (const std::wstring& line : state->lines) {
        SIZE size{};
        ::GetTextExtentPoint32W(measure, line.c_str(), static_cast<int>(line.size()), &size);
        textWidth = std::max(textWidth, static_cast<int>(size.cx));
        state->lineHeight = std::max(state->lineHeight, static_cast<int>(size.cy));
    }
    ::DeleteDC(measure);
    const int clientWidth = std::max(textWidth + 2 * kMargin, kButtonWidth + 2 * kMargin + 120);
    const int textHeight = state->lineHeight * static_cast<int>(state->lines.size());
    const int clientHeight = kMargin + textHeight + kMargin + kButtonHeight + 2 * 12;
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    WindowObject probe;
    probe.style = style;
    const Insets in = NonClientInsets(probe);
    const int width = clientWidth + in.left + in.right;
    const int height = clientHeight + in.top + in.bottom;

    HWND ownerTop = ::GetAncestorTopLevel(owner);
    RECT area{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    RECT over = area;
    if (ownerTop != nullptr && ::IsWindowVisible(ownerTop) && !::IsIconic(ownerTop)) {
        ::GetWindowRect(ownerTop, &over);
    }
    const int x = std::clamp<int>((over.left + over.right - width) / 2, 0,
                                  std::max<int>(0, area.right - width));
    const int y = std::clamp<int>((over.top + over.bottom - height) / 2, 0,
                                  std::max<int>(0, area.bottom - height));

    const bool disableOwner = ownerTop != nullptr && ::IsWindowEnabled(ownerTop) != FALSE;
    const HWND previousFocus = ::GetFocus();
    CancelModes();
    if (disableOwner) ::EnableWindow(ownerTop, FALSE);
    HWND box = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_DLGMODALFRAME, L"VrMessageBox",
                                 title.c_str(), style, x, y, width, height, ownerTop, 0, nullptr);
    if (box == nullptr) {
        if (disableOwner && ::IsWindow(ownerTop)) ::EnableWindow(ownerTop, TRUE);
        return 0;
    }
    MessageBoxState* s = state.get();
    box->classState = std::move(state);
    HWND ok = ::CreateWindowExW(0, L"Button", L"OK",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                                clientWidth - kButtonWidth - 12, clientHeight - kButtonHeight - 12,
                                kButtonWidth, kButtonHeight, box, IDOK, nullptr);
    ::ShowWindow(box, SW_SHOW);
    ::SetFocus(ok);
    B().MessageBoxOpened(box, body, title);
    RunModalLoop(box, [s] { return s->done; });
    if (::IsWindow(box)) {
        B().MessageBoxClosed(box);
        ::DestroyWindow(box);
    }
    if (disableOwner && ::IsWindow(ownerTop)) ::EnableWindow(ownerTop, TRUE);
    if (::IsWindow(previousFocus)) ::SetFocus(previousFocus);
    return IDOK;
}
