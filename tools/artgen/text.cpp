#include "tools/artgen/text.hpp"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <utility>

#include "platform/gdi/afxgdi.hpp"

namespace art {

namespace {

constexpr int kPad = 4;

// Coverage of the whole text cell (plus padding), read back from a memory bitmap; at a scale
// above 1 from the bitmap's rendition at that scale, where the drawing layer draws the text with
// the font at that many times its height, each character where it is at 1x. width and height
// are the cell's in device pixels.
std::vector<double> RenderCell(std::wstring_view text, const Font& font, int scale, int& width,
                               int& height) {
    LOGFONTW logFont;
    logFont.lfHeight = -font.pixels;
    logFont.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    logFont.lfQuality = PROOF_QUALITY;
    std::wcsncpy(logFont.lfFaceName, font.face, LF_FACESIZE - 1);
    CFont gdiFont;
    CBitmap bitmap;
    CDC dc;
    if (!gdiFont.CreateFontIndirectW(&logFont) || !dc.CreateCompatibleDC(nullptr)) return {};
    const HGDIOBJ previousFont = dc.SelectObject(&gdiFont);
    const int length = static_cast<int>(text.size());
    SIZE extent;
    GetTextExtentPoint32W(dc, text.data(), length, &extent);
    const int cellWidth = extent.cx + 2 * kPad;
    const int cellHeight = extent.cy + 2 * kPad;
    std::vector<double> coverage;
    if (bitmap.CreateBitmap(cellWidth, cellHeight, 1, 32, nullptr)) {
        const HBITMAP handle = bitmap;
        Surface& cell = handle->surface;
        cell.SetScale(scale);
        const HGDIOBJ previousBitmap = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, cellWidth, cellHeight, 0x000000);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(0xFFFFFF);
        TextOutW(dc, kPad, kPad, text.data(), length);
        const Surface& drawn = scale > 1 ? *std::as_const(cell).fine() : std::as_const(cell);
        width = drawn.width();
        height = drawn.height();
        coverage.reserve(drawn.pixels().size());
        for (const std::uint32_t p : drawn.pixels()) coverage.push_back(((p >> 8) & 0xFF) / 255.0);
        dc.SelectObject(previousBitmap);
    }
    dc.SelectObject(previousFont);
    return coverage;
}

}  // namespace

TextMask::TextMask(std::wstring_view text, const Font& font, int scale) {
    int cellWidth = 0;
    int cellHeight = 0;
    const std::vector<double> cell = RenderCell(text, font, scale, cellWidth, cellHeight);
    if (cell.empty()) return;
    const auto at = [&](int x, int y) {
        return cell[static_cast<std::size_t>(y) * static_cast<std::size_t>(cellWidth) +
                    static_cast<std::size_t>(x)];
    };
    int left = cellWidth;
    int right = -1;
    int top = cellHeight;
    int bottom = -1;
    for (int y = 0; y < cellHeight; ++y)
        for (int x = 0; x < cellWidth; ++x)
            if (at(x, y) > 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0) return;
    width_ = right - left + 1;
    height_ = bottom - top + 1;
    coverage_.reserve(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) coverage_.push_back(at(x, y));
}

void Print(Canvas& c, std::wstring_view text, const Font& font, double x, double y, Align align,
           const TextLook& look) {
    // At a scale above 1 the text is rendered at the device's resolution (TextMask) and placed in
    // device pixels, so that its strokes are as fine as the device's pixels.
    const int s = c.scale();
    const TextMask mask(text, font, s);
    double left = x * s;
    if (align == Align::Center) left = x * s - mask.width() / 2.0;
    if (align == Align::Right) left = x * s - mask.width();
    const int ox = static_cast<int>(std::lround(left));
    const int oy = static_cast<int>(std::lround(y * s - mask.height() / 2.0));
    if (look.glowStrength > 0) {
        // A soft halo: the mask spread over a few pixels (of the picture's own).
        const int spread = 4 * s;
        const int area = s * s;  // device pixels in one of the picture's
        for (int py = -spread; py < mask.height() + spread; ++py) {
            for (int px = -spread; px < mask.width() + spread; ++px) {
                double sum = 0;
                for (int dy = -spread; dy <= spread; ++dy)
                    for (int dx = -spread; dx <= spread; ++dx) {
                        const int mx = px + dx;
                        const int my = py + dy;
                        if (mx < 0 || my < 0 || mx >= mask.width() || my >= mask.height()) continue;
                        sum +=
                            mask.at(mx, my) / (1.0 + static_cast<double>(dx * dx + dy * dy) / area);
                    }
                c.BlendDevice(ox + px, oy + py, look.glow,
                              std::min(1.0, sum * 0.25 / area) * look.glowStrength);
            }
        }
    }
    if (look.shadowStrength > 0)
        for (int py = 0; py < mask.height(); ++py)
            for (int px = 0; px < mask.width(); ++px)
                c.BlendDevice(ox + px, oy + py + s, look.shadow,
                              mask.at(px, py) * look.shadowStrength);
    for (int py = 0; py < mask.height(); ++py)
        for (int px = 0; px < mask.width(); ++px)
            c.BlendDevice(ox + px, oy + py, look.paint(c.Centre(ox + px), c.Centre(oy + py)),
                          mask.at(px, py));
}

}  // namespace art
