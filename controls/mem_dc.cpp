#include "controls/mem_dc.hpp"

CMemDCC::CMemDCC(CDC* targetDc, const RECT& rect) : target(targetDc), area(rect) {
    CreateCompatibleDC(target);

    // The buffer is as large as the rectangle in device units.
    target->LPtoDP(&area);
    bitmap.CreateCompatibleBitmap(target, area.right - area.left, area.bottom - area.top);
    previousBitmap = SelectObject(&bitmap);

    // Same mapping as the target, and the buffer's top-left corner at the rectangle's logical
    // top-left, so a point has the same logical coordinates here as in the target.
    SetMapMode(target->GetMapMode());
    SetWindowExt(target->GetWindowExt());
    SetViewportExt(target->GetViewportExt());
    target->DPtoLP(&area);
    SetWindowOrg(area.left, area.top);

    FillSolidRect(&area, target->GetBkColor());
}

CMemDCC::~CMemDCC() {
    target->BitBlt(area.left, area.top, area.right - area.left, area.bottom - area.top, this,
                   area.left, area.top, SRCCOPY);
    SelectObject(previousBitmap);
    bitmap.DeleteObject();
    DeleteDC();
}
