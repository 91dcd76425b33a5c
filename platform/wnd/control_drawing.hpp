// Small drawing helpers shared by the platform's own windows (frames, buttons, statics, tips).
#pragma once

#include <string>

#include "platform/wnd/wnd.hpp"

namespace wnd {

inline constexpr COLORREF kDialogColor = RGB(240, 240, 240);
inline constexpr COLORREF kCaptionColor = RGB(40, 48, 68);
inline constexpr COLORREF kFrameColor = RGB(96, 96, 96);

void FillSolid(HDC dc, const RECT& rect, COLORREF color);
void FrameSolid(HDC dc, const RECT& rect, COLORREF color);  // one-pixel outline
// A window text as shown: "&x" marks a mnemonic and shows as "x", "&&" shows as "&".
std::wstring WithoutMnemonics(const std::wstring& text);
// The window's font (WM_SETFONT), selected into the context; returns the previous one.
HGDIOBJ SelectWindowFont(HDC dc, HWND hwnd);

}  // namespace wnd
