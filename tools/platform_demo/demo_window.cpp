#include "tools/platform_demo/demo_window.hpp"

#include <array>
#include <cwchar>

namespace demo {
namespace {

constexpr wchar_t kClassName[] = L"VrPlatformDemo";
constexpr COLORREF kBackground = RGB(0x1E, 0x22, 0x2C);
constexpr COLORREF kCaption = RGB(0xC8, 0x28, 0x3C);
constexpr COLORREF kText = RGB(0xF0, 0xF0, 0xF0);

LOGFONTW ArialFont(LONG height, LONG weight) {
    LOGFONTW font;
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfQuality = DEFAULT_QUALITY;
    std::wcsncpy(font.lfFaceName, L"Arial", LF_FACESIZE - 1);
    return font;
}

}  // namespace

BOOL DemoWindow::CreateAt(POINT topLeft) {
    RegisterClassW(kClassName, DefWindowProcW);
    const LOGFONTW caption = ArialFont(-16, FW_BOLD);
    const LOGFONTW text = ArialFont(-14, FW_NORMAL);
    captionFont_.CreateFontIndirectW(&caption);
    textFont_.CreateFontIndirectW(&text);

    const RECT rect{topLeft.x, topLeft.y, topLeft.x + kWidth, topLeft.y + kHeight};
    if (!CreateEx(0, kClassName, kTitle, WS_POPUP, rect, nullptr, 0)) {
        return FALSE;
    }
    // The top-right corner cut off diagonally, the other corners rounded.
    const std::array<POINT, 5> outline{
        {{0, 0}, {kWidth - 48, 0}, {kWidth, 48}, {kWidth, kHeight}, {0, kHeight}}};
    CRgn cut;
    cut.CreatePolygonRgn(outline.data(), static_cast<int>(outline.size()), ALTERNATE);
    CRgn rounded;
    rounded.CreateRoundRectRgn(0, 0, kWidth + 1, kHeight + 1, 24, 24);
    CRgn shape;
    shape.CreateRectRgn(0, 0, 0, 0);
    shape.CombineRgn(&cut, &rounded, RGN_AND);
    SetWindowRgn(static_cast<HRGN>(shape.Detach()), FALSE);
    ShowWindow(SW_SHOW);
    UpdateWindow();
    return TRUE;
}

BOOL DemoWindow::OnEraseBkgnd(CDC* /*dc*/) {
    return TRUE;
}  // OnPaint covers every pixel

void DemoWindow::OnPaint() {
    CPaintDC dc(this);
    dc.FillSolidRect(0, 0, kWidth, kHeight, kBackground);
    dc.FillSolidRect(0, 0, kWidth, kCaptionHeight, kCaption);

    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kText);
    dc.SelectObject(&captionFont_);
    RECT caption{12, 0, kWidth - 48, kCaptionHeight};
    dc.DrawTextW(kTitle, -1, &caption, DT_SINGLELINE | DT_VCENTER | DT_LEFT);

    // Three colour swatches with a frame drawn by lines.
    constexpr std::array<COLORREF, 3> swatches{RGB(0xE0, 0x30, 0x30), RGB(0x30, 0xC0, 0x50),
                                               RGB(0x30, 0x70, 0xE0)};
    CPen frame;
    frame.CreatePen(PS_SOLID, 1, kText);
    dc.SelectObject(&frame);
    for (int i = 0; i < static_cast<int>(swatches.size()); ++i) {
        const int left = 24 + i * 96;
        dc.FillSolidRect(left, 52, 80, 56, swatches[static_cast<std::size_t>(i)]);
        dc.MoveTo(left - 2, 50);
        dc.LineTo(left + 81, 50);
        dc.LineTo(left + 81, 109);
        dc.LineTo(left - 2, 109);
        dc.LineTo(left - 2, 50);
    }

    dc.SelectObject(&textFont_);
    dc.TextOutW(24, 124, L"Red, green and blue", 19);
    RECT line{24, 150, kWidth - 24, 176};
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(RGB(0x40, 0x46, 0x58));
    dc.DrawTextW(L"Apply \u706F\u6548\u5E94\u7528", -1, &line,
                 DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

LRESULT DemoWindow::OnNcHitTest(POINT screenPoint) {
    POINT point = screenPoint;
    ScreenToClient(&point);
    if (point.y < kCaptionHeight) {
        return HTCAPTION;  // dragging the caption band moves the window
    }
    return CWnd::OnNcHitTest(screenPoint);
}

void DemoWindow::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    if (key == VK_ESCAPE) {
        DestroyWindow();
        return;
    }
    CWnd::OnKeyDown(key, repeat, flags);
}

void DemoWindow::OnDestroy() {
    CWnd::OnDestroy();
    PostQuitMessage(0);
}

}  // namespace demo
