// What the main window draws itself: the colour preview swatch and the three slider value texts.
#pragma once

#include <array>
#include <cstdint>

#include "platform/wintypes.hpp"
#include "res/skin_layout.hpp"

inline constexpr RECT kPreviewRect{skin::kPreviewArea.left, skin::kPreviewArea.top,
                                   skin::kPreviewArea.right, skin::kPreviewArea.bottom};
// The value-text column as the colour wheel invalidates it in one piece.
inline constexpr RECT kValueColumnRect{743, 358, 780, 456};

struct ValueTextRow {
    POINT textPos;
    COLORREF color;
    RECT repaintRect;
};

// Rows for the red, green and blue sliders.
inline constexpr std::array<ValueTextRow, 3> kValueTextRows{{
    {{753, 360}, RGB(255, 0, 0), {743, 358, 780, 378}},
    {{753, 398}, RGB(0, 255, 0), {743, 398, 780, 418}},
    {{753, 438}, RGB(0, 0, 255), {743, 438, 780, 458}},
}};

// The screen colour of a colour preset in the preview swatch (preset 0 shows the wheel's colour).
COLORREF PreviewColour(std::int32_t colorPreset, COLORREF pickedColor);
