// One row of a window's control table: which member control to create, with what class, text,
// bitmaps, place, style and font. Row i of a table gets the control ID 1500 + i.
#pragma once

#include <span>

#include "platform/wnd/afxwin.hpp"

struct ControlSpec {
    CWnd* control = nullptr;
    const wchar_t* className = nullptr;
    const wchar_t* text = nullptr;
    UINT normalBmp = 0;
    int x = 0;
    int y = 0;
    int width = 0;  // buttons: 0, their size comes from the normal bitmap
    int height = 0;
    UINT hotBmp = 0;
    UINT disabledBmp = 0;
    DWORD style = 0;
    int fontNumber = 0;
};

inline constexpr UINT kFirstControlId = 1500;

// WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN.
inline constexpr DWORD kChildControlStyle = 0x52000000;

// Creates the controls of a table in row order as children of `parent`, each with its row's style
// added to `baseStyle`. A "Button" row (the class compared without regard to case) first gets its
// three bitmaps and the size of its normal bitmap; every control then gets the font of its row's
// font number.
void CreateTableControls(CWnd& parent, std::span<const ControlSpec> table, DWORD baseStyle);
