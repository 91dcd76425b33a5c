// The main window's paint handler and the repaint of a slider's value text.
#include "mainwnd/painting.hpp"

#include <array>
#include <cwchar>

#include "mainwnd/main_window.hpp"

namespace {

// The swatches' screen colours, presets 1 to 8.
constexpr std::array<COLORREF, kPresetCount> kPresetScreenColours{
    RGB(255, 255, 255), RGB(219, 23, 48),  RGB(239, 189, 44),  RGB(255, 255, 60),
    RGB(104, 183, 74),  RGB(67, 119, 197), RGB(231, 149, 201), RGB(97, 54, 160),
};

}  // namespace

COLORREF PreviewColour(std::int32_t colorPreset, COLORREF pickedColor) {
    if (colorPreset == 0) return pickedColor;
    if (colorPreset < 1 || static_cast<std::size_t>(colorPreset) > kPresetCount) {
        return RGB(255, 255, 255);
    }
    return kPresetScreenColours[static_cast<std::size_t>(colorPreset - 1)];
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
