// What a skinned top-level window does with its skin: takes its shape from the bitmap, shows it
// as its background (published as the property "MPBmpProp" for the controls that draw over it),
// and lets the user drag it by its surface.
#pragma once

#include "platform/gdi/afxgdi.hpp"
#include "platform/wnd/afxwin.hpp"

// Shapes `window` after bitmap `skinId` (white cut out, the outline one pixel in on the left),
// loads the bitmap into `skin`, publishes it as "MPBmpProp" and asks for a repaint.
void ApplySkin(CWnd& window, CBitmap& skin, UINT skinId);

// Whether a point counts as the window's caption: the window is shown normally and the point is
// less than `dragDepth` below the window's top.
bool DragsBySurface(const CWnd& window, POINT screenPoint, LONG dragDepth);
