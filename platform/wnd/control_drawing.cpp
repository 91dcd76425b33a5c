#include "platform/wnd/control_drawing.hpp"

#include "platform/wnd/wnd_state.hpp"

namespace wnd {

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
    HBRUSH brush = ::CreateSolidBrush(color);
    ::FillRect(dc, &rect, brush);
    ::DeleteObject(brush);
}

void FrameSolid(HDC dc, const RECT& rect, COLORREF color) {
    FillSolid(dc, RECT{rect.left, rect.top, rect.right, rect.top + 1}, color);
    FillSolid(dc, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, color);
    FillSolid(dc, RECT{rect.left, rect.top, rect.left + 1, rect.bottom}, color);
    FillSolid(dc, RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, color);
}

std::wstring WithoutMnemonics(const std::wstring& text) {
    std::wstring shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        shown.push_back(text[i]);
    }
    return shown;
}

HGDIOBJ SelectWindowFont(HDC dc, HWND hwnd) {
    const WindowObject* w = Find(hwnd);
    if (w == nullptr || w->font == nullptr) return nullptr;
    return ::SelectObject(dc, w->font);
}

}  // namespace wnd
