#include "controls/bitmap_slider.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "controls/mem_dc.hpp"
#include "res/skin_layout.hpp"

namespace {

struct TrackBitmaps {
    UINT base;
    UINT fill;
};

// Base and fill track of each track style, by resource ID.
constexpr TrackBitmaps kTracks[] = {
    {skin::kRedTrackImage, skin::kRedTrackImage},                // TrackRed
    {skin::kBlueTrackImage, skin::kBlueTrackImage},              // TrackBlue
    {skin::kGreenTrackImage, skin::kGreenTrackImage},            // TrackGreen
    {skin::kQuantityTrackImage, skin::kQuantityTrackImage + 1},  // TrackQuantity
};

int Half(int n) {
    return n / 2;
}

// Truncation toward zero, kept inside the int range (a NaN gives 0).
int TruncateToInt(double v) {
    if (std::isnan(v)) return 0;
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(std::trunc(v), lo, hi));
}

int Saturate(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

}  // namespace

bool CBitmapSlider::SetThumbBitmap(UINT resourceId) {
    thumbImage.DeleteObject();
    if (!thumbImage.LoadBitmapW(resourceId)) return false;
    MakeThumbMask(thumbImage, thumbMask);
    BITMAP info;
    thumbImage.GetBitmap(&info);
    thumbWidth = info.bmWidth;
    thumbHeight = info.bmHeight;
    GetClientRect(&clientRect);
    clientWidth = clientRect.right - clientRect.left;
    clientHeight = clientRect.bottom - clientRect.top;
    hasThumb = true;
    return true;
}

void CBitmapSlider::SetPosition(int value) {
    position = std::min(value, maximum);
    if (position < minimum) position = minimum;
    if (m_hWnd != nullptr) Invalidate();
}

int CBitmapSlider::PositionToPixel(int p) const {
    const double range = static_cast<double>(maximum) - static_cast<double>(minimum);
    if (range == 0.0) return Half(thumbWidth);  // an empty range sits at its left end
    const double quotient = (static_cast<double>(p) - static_cast<double>(minimum)) / range;
    const double travel = static_cast<double>(clientWidth) - static_cast<double>(thumbWidth);
    return Saturate(static_cast<std::int64_t>(Half(thumbWidth)) + TruncateToInt(travel * quotient));
}

int CBitmapSlider::PixelToPosition(int x) const {
    const double travel = static_cast<double>(clientWidth) - static_cast<double>(thumbWidth);
    if (travel == 0.0) return minimum;  // no room to move: every pixel is the start
    const double range = static_cast<double>(maximum) - static_cast<double>(minimum);
    const double offset = static_cast<double>(x) - static_cast<double>(Half(thumbWidth));
    return TruncateToInt(offset / travel * range + static_cast<double>(minimum));
}

void CBitmapSlider::MakeThumbMask(CBitmap& image, CBitmap& mask) {
    BITMAP info;
    image.GetBitmap(&info);
    const int w = info.bmWidth;
    const int h = info.bmHeight;
    mask.DeleteObject();
    mask.CreateBitmap(w, h, 1, 1, nullptr);

    CDC imageDc;
    CDC maskDc;
    imageDc.CreateCompatibleDC(nullptr);
    maskDc.CreateCompatibleDC(nullptr);
    HGDIOBJ oldImage = imageDc.SelectObject(&image);
    HGDIOBJ oldMask = maskDc.SelectObject(&mask);

    // Colour to monochrome: the image context's background colour becomes 1.
    const COLORREF key = imageDc.GetPixel(0, 0);
    const COLORREF oldBk = imageDc.SetBkColor(key);
    maskDc.BitBlt(0, 0, w, h, &imageDc, 0, 0, SRCCOPY);

    // Monochrome to colour: mask 1 becomes black and clears the pixel, mask 0 white and keeps it.
    const COLORREF oldText = imageDc.SetTextColor(0xFFFFFF);
    imageDc.SetBkColor(0);
    imageDc.BitBlt(0, 0, w, h, &maskDc, 0, 0, SRCAND);

    imageDc.SetTextColor(oldText);
    imageDc.SetBkColor(oldBk);
    imageDc.SelectObject(oldImage);
    maskDc.SelectObject(oldMask);
}

void CBitmapSlider::DrawMasked(CDC& target, int x, int y, int w, int h, CDC& source, int sx, int sy,
                               CBitmap& mask) {
    CDC maskDc;
    maskDc.CreateCompatibleDC(nullptr);
    HGDIOBJ oldMask = maskDc.SelectObject(&mask);
    target.BitBlt(x, y, w, h, &maskDc, sx, sy, SRCAND);
    target.BitBlt(x, y, w, h, &source, sx, sy, SRCPAINT);
    maskDc.SelectObject(oldMask);
}

LRESULT CBitmapSlider::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return TRUE;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_LBUTTONDOWN:
            Press(GET_X_LPARAM(lParam));
            return Default();
        case WM_MOUSEMOVE:
            if (!isDragging) return 0;
            DragStep(GET_X_LPARAM(lParam));
            return Default();
        case WM_LBUTTONUP:
            Release();
            return Default();
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != m_hWnd) EndDrag();
            return Default();
        case WM_CANCELMODE:
            EndDrag();
            return Default();
        case WM_GETDLGCODE:
            if (GetKeyState(VK_TAB) < 0) return Default();
            return DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
            KeyDown(static_cast<UINT>(wParam));
            return Default();
        case WM_KILLFOCUS: {
            const LRESULT result = Default();
            Invalidate();
            return result;
        }
        case WM_SETFOCUS: {
            const LRESULT result = CStatic::WindowProc(message, wParam, lParam);
            Invalidate();
            return result;
        }
        case WM_CREATE:
            return Default();
        case WM_DESTROY: {
            const LRESULT result = CStatic::WindowProc(message, wParam, lParam);
            thumbImage.DeleteObject();
            thumbMask.DeleteObject();
            return result;
        }
        default:
            return CStatic::WindowProc(message, wParam, lParam);
    }
}

void CBitmapSlider::Press(int x) {
    ::SetCapture(m_hWnd);
    ::SetFocus(m_hWnd);
    isDragging = true;
    const int d = x - PositionToPixel(position);
    grabOffset = std::abs(static_cast<std::int64_t>(d)) <= Half(thumbWidth) ? d : 0;
    DragStep(x);
    Invalidate();
}

void CBitmapSlider::DragStep(int x) {
    int t = Saturate(static_cast<std::int64_t>(x) - grabOffset);
    if (t < Half(thumbWidth)) t = Half(thumbWidth);
    if (t > clientWidth - Half(thumbWidth)) t = clientWidth - Half(thumbWidth);
    if (t == PositionToPixel(position)) return;
    position = std::min(PixelToPosition(t), maximum);
    if (position < minimum) position = minimum;
    Invalidate();
    PostToParent(WM_SLIDER_TRACKING);
}

void CBitmapSlider::Release() {
    isDragging = false;  // first, so that giving up the capture ends no drag a second time
    ::ReleaseCapture();
    Invalidate();
    PostToParent(WM_SLIDER_SETTLED);
}

void CBitmapSlider::EndDrag() {
    if (!isDragging) return;
    isDragging = false;
    Invalidate();
    PostToParent(WM_SLIDER_SETTLED);
}

void CBitmapSlider::KeyDown(UINT key) {
    const std::int64_t p = position;
    std::int64_t value = 0;
    switch (static_cast<int>(key)) {
        case VK_PRIOR:
            value = p - pageStep;
            break;
        case VK_NEXT:
            value = p + pageStep;
            break;
        case VK_END:
            value = maximum;
            break;
        case VK_HOME:
            value = minimum;
            break;
        case VK_LEFT:
        case VK_UP:
            value = p - 1;
            break;
        case VK_RIGHT:
        case VK_DOWN:
            value = p + 1;
            break;
        default:
            return;
    }
    SetPosition(Saturate(value));
    PostToParent(WM_SLIDER_SETTLED);
}

void CBitmapSlider::PostToParent(UINT message) const {
    ::PostMessageW(::GetParent(m_hWnd), message, static_cast<WPARAM>(GetDlgCtrlID()),
                   static_cast<LPARAM>(position));
}

void CBitmapSlider::Paint() {
    RECT update;
    GetUpdateRect(&update, FALSE);
    const int updateWidth = update.right - update.left;
    const int updateHeight = update.bottom - update.top;

    CPaintDC dc(this);
    CMemDCC buffer(&dc, clientRect);
    CDC source;
    source.CreateCompatibleDC(&buffer);

    // The part of the parent's skin that lies under the damaged part of the control.
    WINDOWPLACEMENT placement;
    GetWindowPlacement(&placement);
    const RECT& place = placement.rcNormalPosition;
    const HWND parent = ::GetParent(m_hWnd);
    const HGDIOBJ skin =
        parent != nullptr ? static_cast<HGDIOBJ>(GetPropW(parent, kSkinBitmapProperty)) : nullptr;
    if (skin != nullptr) {
        HGDIOBJ old = source.SelectObject(skin);
        buffer.BitBlt(update.left, update.top, updateWidth, updateHeight, &source,
                      update.left + place.left, update.top + place.top, SRCCOPY);
        source.SelectObject(old);
    }

    if (trackStyle >= TrackRed && trackStyle <= TrackQuantity) {
        const TrackBitmaps& ids = kTracks[trackStyle];
        const int controlHeight = place.bottom - place.top;
        int trackTop = 0;
        bool trackTopKnown = false;

        CBitmap base;
        if (base.LoadBitmapW(ids.base)) {
            BITMAP info;
            base.GetBitmap(&info);
            trackTop = (controlHeight - info.bmHeight) / 2;
            trackTopKnown = true;
            // Only pixels that exist in the bitmap are copied.
            const int w = std::min(updateWidth, info.bmWidth - update.left);
            const int h = std::min(updateHeight, info.bmHeight);
            HGDIOBJ old = source.SelectObject(&base);
            if (w > 0 && h > 0)
                buffer.BitBlt(update.left, trackTop, w, h, &source, update.left, 0, SRCCOPY);
            source.SelectObject(old);
        }
        base.DeleteObject();

        CBitmap fill;
        if (fill.LoadBitmapW(ids.fill)) {
            BITMAP info;
            fill.GetBitmap(&info);
            if (!trackTopKnown) trackTop = (controlHeight - info.bmHeight) / 2;
            const int w = std::min(PositionToPixel(position) - Half(thumbWidth), info.bmWidth);
            HGDIOBJ old = source.SelectObject(&fill);
            if (w > 0) buffer.BitBlt(0, trackTop, w, info.bmHeight, &source, 0, 0, SRCCOPY);
            source.SelectObject(old);
        }
    }

    if (hasThumb && thumbImage.GetSafeHandle() != nullptr) {
        const int x = PositionToPixel(position) - Half(thumbWidth);
        HGDIOBJ old = source.SelectObject(&thumbImage);
        DrawMasked(buffer, x, 0, thumbWidth, thumbHeight, source, 0, 0, thumbMask);
        source.SelectObject(old);
    }
}
