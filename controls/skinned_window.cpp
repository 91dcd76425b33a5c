#include "controls/skinned_window.hpp"

#include "controls/bitmap_region.hpp"
#include "controls/bitmap_slider.hpp"

void ApplySkin(CWnd& window, CBitmap& skin, UINT skinId) {
    {
        CBmpRgn shaper;
        shaper.window = window.GetSafeHwnd();
        shaper.bitmap = LoadBitmapW(AfxGetResourceHandle(), skinId);
        shaper.keyColor = RGB(255, 255, 255);
        shaper.leftInset = 1;
        shaper.rightInset = 0;
        shaper.ShapeWindow();
    }
    if (skin.GetSafeHandle() != nullptr) {
        skin.DeleteObject();
    }
    skin.LoadBitmapW(skinId);
    SetPropW(window.GetSafeHwnd(), kSkinBitmapProperty, skin.GetSafeHandle());
    window.Invalidate(FALSE);
}

bool DragsBySurface(const CWnd& window, POINT screenPoint, LONG dragDepth) {
    WINDOWPLACEMENT placement{};
    window.GetWindowPlacement(&placement);
    return placement.showCmd == SW_SHOWNORMAL &&
           screenPoint.y - placement.rcNormalPosition.top < dragDepth;
}
