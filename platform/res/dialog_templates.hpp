// The program's dialog templates (resources 100, 102 and 238) as data: what the dialog manager
// creates a dialog window and its controls from. Positions and sizes are in dialog units.
#pragma once

#include <span>
#include <string_view>

#include "platform/wnd/wnd.hpp"

struct DialogItemTemplate {
    std::wstring_view className;  // "Button", "static", ...
    std::wstring_view text;       // an icon static names its icon: "#128"
    DWORD style = 0;              // WS_CHILD and WS_VISIBLE are implied
    DWORD exStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    WORD id = 0;  // 0xFFFF: no ID of its own (IDC_STATIC)
};

struct DialogTemplate {
    UINT id = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    std::wstring_view caption;
    std::wstring_view fontFace;  // with DS_SETFONT
    WORD pointSize = 0;
    WORD weight = 0;
    std::span<const DialogItemTemplate> items;
};

inline constexpr WORD IDC_STATIC_ID = 0xFFFF;

// The template with that resource ID, or null.
const DialogTemplate* FindDialogTemplate(UINT id);
