// The main window's paint handler and the repaint of a slider's value text.
#include "mainwnd/painting.hpp"

#include <cwchar>

#include "mainwnd/main_window.hpp"

COLORREF PreviewColour(std::int32_t colorPreset, COLORREF pickedColor) {
    switch (colorPreset) {
        case 0:
            return pickedColor;
        case 1:
            return RGB(255, 255, 255);
        case 2:
            return RGB(219, 23, 48);
        case 3:
            return RGB(239, 189, 44);
        case 4:
            return RGB(255, 255, 60);
        case 5:
            return RGB(104, 183, 74);
        case 6:
            return RGB(67, 119, 197);
        case 7:
            return RGB(231, 149, 201);
        case 8:
            return RGB(97, 54, 160);
        default:
            return RGB(255, 255, 255);
    }
}

void CVespaneRezuVovAdodizozaviDlg::OnPaint() {
    if (IsIconic()) {
        PaintMinimised();
        return;
    }
    CPaintDC dc(this);
    CDC memDc;
    memDc.CreateCompatibleDC(&dc);
    BITMAP skinInfo{};
    skinBitmap.GetBitmap(&skinInfo);
    const HGDIOBJ oldBitmap = memDc.SelectObject(&skinBitmap);
    dc.BitBlt(0, 0, skinInfo.bmWidth, skinInfo.bmHeight, &memDc, 0, 0, SRCCOPY);
    memDc.SelectObject(oldBitmap);
    dc.SetBkMode(TRANSPARENT);

    // The swatch is filled through a context of the whole client area, beyond the paint region.
    const COLORREF swatch = PreviewColour(state.colorPreset, colorWheel.pickedColor);
    CClientDC windowDc(this);
    CBrush brush(swatch);
    windowDc.FillRect(&kPreviewRect, &brush);

    const std::array<const CBitmapSlider*, 3> sliders{&redSlider, &greenSlider, &blueSlider};
    for (std::size_t row = 0; row < kValueTextRows.size(); ++row) {
        wchar_t text[16] = {};
        const int length = std::swprintf(text, std::size(text), L"%3d", sliders[row]->position);
        dc.SetTextColor(kValueTextRows[row].color);
        dc.SetBkMode(TRANSPARENT);
        dc.TextOutW(kValueTextRows[row].textPos.x, kValueTextRows[row].textPos.y, text, length);
    }
}

void CVespaneRezuVovAdodizozaviDlg::PaintMinimised() {
    CPaintDC dc(this);
    SendMessageW(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int iconWidth = GetSystemMetrics(SM_CXICON);
    const int iconHeight = GetSystemMetrics(SM_CYICON);
    RECT client{};
    GetClientRect(&client);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    dc.DrawIcon(x, y, hIcon);
}

LRESULT CVespaneRezuVovAdodizozaviDlg::OnSliderMoved(WPARAM wParam, LPARAM /*lParam*/) {
    const std::array<const CBitmapSlider*, 3> sliders{&redSlider, &greenSlider, &blueSlider};
    for (std::size_t row = 0; row < sliders.size(); ++row) {
        if (sliders[row]->GetSafeHwnd() == nullptr) {
            break;
        }
        if (static_cast<WPARAM>(sliders[row]->GetDlgCtrlID()) == wParam) {
            InvalidateRect(&kValueTextRows[row].repaintRect, TRUE);
            break;
        }
    }
    return 0;
}
