#include "controls/mp_button.hpp"

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "controls/bitmap_region.hpp"

namespace {

constexpr COLORREF kCaptionColor = 0x00FFFFFF;
constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
constexpr int kTextBufferSize = 64;  // at most 63 characters of the caption are drawn

}  // namespace

void CMPButton::SetBitmaps(UINT normal, UINT hot, UINT disabled) {
    normalBmp = normal;
    hotBmp = hot;
    disabledBmp = disabled;
    if (m_hWnd != nullptr) Repaint();
}

LRESULT CMPButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return HandleCreate(message, wParam, lParam);
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return TRUE;
        case WM_ENABLE: {
            const LRESULT result = CButton::WindowProc(message, wParam, lParam);
            Repaint();
            return result;
        }
        case WM_SETTEXT:
            DefWindowProc(message, wParam, lParam);
            Repaint();
            return 0;
        case WM_SETFONT:
            font = reinterpret_cast<HFONT>(wParam);
            return 0;
        case WM_MOUSEMOVE:
            MouseMove(wParam, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_LBUTTONDOWN:
            Press({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_LBUTTONUP:
            Release();
            return 0;
        case WM_CAPTURECHANGED:
            // The capture went elsewhere (a menu, a modal window, a disabled parent) while the
            // left button may still be down: the release will not come here.
            if (reinterpret_cast<HWND>(lParam) != m_hWnd) EndPress();
            return 0;
        case WM_CANCELMODE:
            EndPress();
            return CButton::WindowProc(message, wParam, lParam);
        case WM_TIMER:
            if (wParam == kHoverWatchTimer) HoverWatch();
            if (wParam == kAutoRepeatTimer) AutoRepeat();
            return 0;
        default:
            return CButton::WindowProc(message, wParam, lParam);
    }
}

LRESULT CMPButton::HandleCreate(UINT message, WPARAM wParam, LPARAM lParam) {
    if (CButton::WindowProc(message, wParam, lParam) == -1) return -1;
    if (shaped) {
        CBmpRgn shape;
        shape.window = m_hWnd;
        shape.bitmap = LoadBitmapW(AfxGetResourceHandle(), BitmapResourceId(normalBmp));
        shape.keyColor = 0xFFFFFF;
        shape.leftInset = 0;
        shape.rightInset = 0;
        shape.ShapeWindow();
    }
    return 0;
}

void CMPButton::MouseMove(WPARAM flags, POINT point) {
    ClientToScreen(&point);
    const BOOL wasHover = hover;
    hover = ::WindowFromPoint(point) == m_hWnd;
    if (hover) {
        if (::GetCapture() != m_hWnd) ::SetCapture(m_hWnd);
        SetTimer(kHoverWatchTimer, kHoverWatchMs, nullptr);
    } else if ((flags & MK_LBUTTON) == 0) {
        ::ReleaseCapture();
    }
    if (hover != wasHover) Repaint();
}

void CMPButton::HoverWatch() {
    POINT cursor;
    ::GetCursorPos(&cursor);
    hover = ::WindowFromPoint(cursor) == m_hWnd;
    if (hover) return;
    KillTimer(kHoverWatchTimer);
    KillTimer(kAutoRepeatTimer);
    repeating = FALSE;
    Repaint();
}

void CMPButton::Press(POINT point) {
    pressTick = ::GetTickCount();
    pressed = TRUE;
    Repaint();
    if (autoRepeat) SetTimer(kAutoRepeatTimer, kAutoRepeatFirstMs, nullptr);
    if (colorPick) {
        // Sample the window as it is on screen now, and mark the spot; the repaint asked for
        // above wipes the mark.
        HDC dc = ::GetDC(m_hWnd);
        const COLORREF sampled = ::GetPixel(dc, point.x, point.y);
        if (sampled != CLR_INVALID) pickedColor = sampled;
        ::MoveToEx(dc, point.x - 3, point.y - 3, nullptr);
        ::LineTo(dc, point.x + 3, point.y - 3);
        ::LineTo(dc, point.x + 3, point.y + 3);
        ::LineTo(dc, point.x - 3, point.y + 3);
        ::LineTo(dc, point.x - 3, point.y - 3);
        ::ReleaseDC(m_hWnd, dc);
    }
}

void CMPButton::StopPress() {
    KillTimer(kAutoRepeatTimer);
    repeating = FALSE;
    pressed = FALSE;
    Repaint();
}

void CMPButton::EndPress() {
    if (pressed || repeating) StopPress();
}

void CMPButton::Release() {
    const BOOL wasPressed = pressed;
    const BOOL hadRepeated = repeating;
    StopPress();
    // A release with no press on this button before it (the press went to another window) is
    // no click.
    if (!wasPressed) return;
    if (autoRepeat) {
        if (!hadRepeated) PostClick();
        return;
    }
    const auto held = static_cast<std::int32_t>(::GetTickCount() - pressTick);
    if (std::abs(static_cast<std::int64_t>(held)) < kLongPressMs) PostClick();
}

void CMPButton::AutoRepeat() {
    if (!repeating) {
        repeating = TRUE;
        SetTimer(kAutoRepeatTimer, kAutoRepeatNextMs, nullptr);
    }
    PostClick();
}

void CMPButton::PostClick() const {
    ::PostMessageW(::GetParent(m_hWnd), WM_COMMAND,
                   MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID()), BN_CLICKED),
                   reinterpret_cast<LPARAM>(m_hWnd));
}

void CMPButton::Paint() {
    RECT client;
    GetClientRect(&client);
    const int w = client.right;
    const int h = client.bottom;
    CPaintDC dc(this);

    const UINT id = (latched || hover || pressed) ? hotBmp : normalBmp;
    if (id != 0) {
        CBitmap bitmap;
        if (bitmap.LoadBitmapW(BitmapResourceId(id))) {
            BITMAP info;
            bitmap.GetBitmap(&info);
            CDC memory;
            memory.CreateCompatibleDC(nullptr);
            HGDIOBJ old = memory.SelectObject(&bitmap);
            dc.SetStretchBltMode(HALFTONE);
            if (!shaped) {
                dc.BitBlt(0, 0, w, h, &memory, 0, 0, SRCCOPY);
            } else if (!pressZoom) {
                dc.StretchBlt(0, 0, w, h, &memory, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
            } else {
                const int p = pressed ? 1 : 0;
                const int s = pressed ? 2 : 3;
                dc.StretchBlt(0, 0, w + 4 + p, h + 4 + p, &memory, s, s, info.bmWidth,
                              info.bmHeight, SRCCOPY);
            }
            memory.SelectObject(old);
        }
    }

    HGDIOBJ oldFont = font != nullptr ? dc.SelectObject(font) : nullptr;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kCaptionColor);

    wchar_t buffer[kTextBufferSize] = {};
    const int n = GetWindowTextW(buffer, kTextBufferSize);
    const std::wstring_view text(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
    const std::size_t lineFeed = text.find(L'\n');
    if (lineFeed != std::wstring_view::npos && n > 0) {
        const int left = pressed ? 0 : 1;
        const int right = pressed ? w - 1 : w;
        RECT upper{left, 6, right, h / 2 + 4};
        RECT lower{left, h / 2, right, h - 1};
        const std::wstring_view first = text.substr(0, lineFeed);
        const std::wstring_view second = text.substr(lineFeed + 1);
        dc.DrawTextW(first.data(), static_cast<int>(first.size()), &upper, kCaptionFormat);
        dc.DrawTextW(second.data(), static_cast<int>(second.size()), &lower, kCaptionFormat);
    } else if (n > 0) {
        RECT line{textOffsetX, textOffsetY, w + textOffsetX, h - 6 + textOffsetY};
        dc.DrawTextW(text.data(), n, &line, kCaptionFormat);
    }
    if (oldFont != nullptr) dc.SelectObject(oldFont);
}
