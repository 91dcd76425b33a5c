#include "controls/mp_static.hpp"

#include <string>

#include "controls/link_opener.hpp"

namespace {

constexpr int kCornerEllipse = 2;
constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_RIGHT;

}  // namespace

LRESULT CMPStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            ShapeOrSize();
            return DefWindowProc(message, wParam, lParam);
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return TRUE;
        case WM_SETTEXT:
            DefWindowProc(message, wParam, lParam);
            InvalidateRect(nullptr, TRUE);
            return 0;
        case WM_SETFONT:
            font = reinterpret_cast<HFONT>(wParam);
            if (lParam != 0) InvalidateRect(nullptr, TRUE);
            return 0;
        case WM_COMMAND:
            ::PostMessageW(::GetParent(m_hWnd), WM_COMMAND, wParam, lParam);
            return 0;
        case WM_MOUSEMOVE:
            return 0;
        case WM_LBUTTONDOWN:
            if (!linkTarget.empty()) OpenLinkInBrowser(linkTarget);
            return 0;
        default:
            return CStatic::WindowProc(message, wParam, lParam);
    }
}

void CMPStatic::ShapeOrSize() {
    if (!IsPicture()) {
        RECT client;
        GetClientRect(&client);
        HRGN corners =
            CreateRoundRectRgn(0, 0, client.right, client.bottom, kCornerEllipse, kCornerEllipse);
        SetWindowRgn(corners, TRUE);
        return;
    }
    // A picture keeps its position and takes the bitmap's size (0 x 0 when it cannot be loaded).
    BITMAP info;
    CBitmap bitmap;
    if (bitmap.LoadBitmapW(BitmapResourceId(normalBmp))) bitmap.GetBitmap(&info);
    WINDOWPLACEMENT placement;
    GetWindowPlacement(&placement);
    placement.rcNormalPosition.right = placement.rcNormalPosition.left + info.bmWidth;
    placement.rcNormalPosition.bottom = placement.rcNormalPosition.top + info.bmHeight;
    SetWindowPlacement(&placement);
}

void CMPStatic::Paint() {
    RECT update;
    GetUpdateRect(&update, FALSE);
    RECT client;
    GetClientRect(&client);
    CPaintDC dc(this);

    if (IsPicture()) {
        CBitmap bitmap;
        if (!bitmap.LoadBitmapW(BitmapResourceId(normalBmp))) return;
        CDC memory;
        memory.CreateCompatibleDC(nullptr);
        HGDIOBJ old = memory.SelectObject(&bitmap);
        dc.BitBlt(update.left, update.top, update.right - update.left, update.bottom - update.top,
                  &memory, update.left, update.top, SRCCOPY);
        memory.SelectObject(old);
        return;
    }

    CBrush brush(backColor);
    dc.FillRect(&update, &brush);
    const std::wstring text = GetWindowTextString();
    if (text.empty()) return;
    dc.SetTextColor(textColor);
    dc.SetBkMode(TRANSPARENT);
    HGDIOBJ oldFont = font != nullptr ? dc.SelectObject(font) : nullptr;
    UINT format = kTextFormat;
    if ((GetStyle() & SS_CENTER) != 0) format |= DT_CENTER;
    dc.DrawTextW(text.c_str(), static_cast<int>(text.size()), &client, format);
    if (oldFont != nullptr) dc.SelectObject(oldFont);
}
