#include "tools/artgen/text.hpp"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "platform/gdi/afxgdi.hpp"

namespace art {

namespace {

constexpr int kPad = 4;

// Coverage of the whole text cell (plus padding), read back from a memory bitmap.
std::vector<double> RenderCell(std::wstring_view text, const Font& font, int& width, int& height) {
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
    width = extent.cx + 2 * kPad;
    height = extent.cy + 2 * kPad;
    std::vector<double> coverage;
    if (bitmap.CreateBitmap(width, height, 1, 32, nullptr)) {
        const HGDIOBJ previousBitmap = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, width, height, 0x000000);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(0xFFFFFF);
        TextOutW(dc, kPad, kPad, text.data(), length);
        std::vector<std::uint8_t> bits(static_cast<std::size_t>(width) *
                                       static_cast<std::size_t>(height) * 4);
        GetBitmapBits(bitmap, static_cast<LONG>(bits.size()), bits.data());
        coverage.reserve(bits.size() / 4);
        for (std::size_t i = 0; i < bits.size(); i += 4) coverage.push_back(bits[i + 1] / 255.0);
        dc.SelectObject(previousBitmap);
    }
    dc.SelectObject(previousFont);
    return coverage;
}

}  // namespace

TextMask::TextMask(std::wstring_view text, const Font& font) {
    int cellWidth = 0;
    int cellHeight = 0;
    const std::vector<double> cell = RenderCell(text, font, cellWidth, cellHeight);
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
    const TextMask mask(text, font);
    double left = x;
    if (align == Align::Center) left = x - mask.width() / 2.0;
    if (align == Align::Right) left = x - mask.width();
    const int ox = static_cast<int>(std::lround(left));
    const int oy = static_cast<int>(std::lround(y - mask.height() / 2.0));
    if (look.glowStrength > 0) {
        // A soft halo: the mask spread over a few pixels.
        constexpr int kSpread = 4;
        for (int py = -kSpread; py < mask.height() + kSpread; ++py) {
            for (int px = -kSpread; px < mask.width() + kSpread; ++px) {
                double sum = 0;
                for (int dy = -kSpread; dy <= kSpread; ++dy)
                    for (int dx = -kSpread; dx <= kSpread; ++dx) {
                        const int mx = px + dx;
                        const int my = py + dy;
                        if (mx < 0 || my < 0 || mx >= mask.width() || my >= mask.height()) continue;
                        sum += mask.at(mx, my) / (1.0 + dx * dx + dy * dy);
                    }
                c.Blend(ox + px, oy + py, look.glow, std::min(1.0, sum * 0.25) * look.glowStrength);
            }
        }
    }
    if (look.shadowStrength > 0)
        for (int py = 0; py < mask.height(); ++py)
            for (int px = 0; px < mask.width(); ++px)
                c.Blend(ox + px, oy + py + 1, look.shadow, mask.at(px, py) * look.shadowStrength);
    for (int py = 0; py < mask.height(); ++py)
        for (int px = 0; px < mask.width(); ++px)
            c.Blend(ox + px, oy + py, look.paint(ox + px + 0.5, oy + py + 0.5), mask.at(px, py));
}

}  // namespace art
