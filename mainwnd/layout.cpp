// The window's shape and background, and its child controls.
#include "controls/bitmap_region.hpp"
#include "controls/bitmap_slider.hpp"
#include "mainwnd/control_table.hpp"
#include "mainwnd/main_window.hpp"

namespace {

constexpr UINT kSkinBitmap = 130;

constexpr UINT kRedThumb = 233;
constexpr UINT kGreenThumb = 237;
constexpr UINT kBlueThumb = 236;

constexpr COLORREF kLabelBackground = RGB(0, 20, 64);

}  // namespace

void CVespaneRezuVovAdodizozaviDlg::LoadSkin() {
    skinId = kSkinBitmap;
    {
        CBmpRgn shaper;
        shaper.window = m_hWnd;
        shaper.bitmap = LoadBitmapW(AfxGetResourceHandle(), kSkinBitmap);
        shaper.keyColor = RGB(255, 255, 255);
        shaper.leftInset = 1;
        shaper.rightInset = 0;
        shaper.ShapeWindow();
    }
    if (skinBitmap.GetSafeHandle() != nullptr) {
        skinBitmap.DeleteObject();
    }
    skinBitmap.LoadBitmapW(kSkinBitmap);
    SetPropW(m_hWnd, kSkinBitmapProperty, skinBitmap.GetSafeHandle());
    Invalidate(FALSE);
}

void CVespaneRezuVovAdodizozaviDlg::CreateControls() {
    const auto table = MainControlTable(*this);
    CreateTableControls(*this, table);

    colorWheel.colorPick = TRUE;

    redSlider.trackStyle = TrackRed;
    greenSlider.trackStyle = TrackGreen;
    blueSlider.trackStyle = TrackBlue;

    redSlider.SetThumbBitmap(kRedThumb);
    greenSlider.SetThumbBitmap(kGreenThumb);
    blueSlider.SetThumbBitmap(kBlueThumb);

    for (CBitmapSlider* slider : {&redSlider, &greenSlider, &blueSlider}) {
        slider->minimum = 0;
        slider->maximum = 255;
    }
    redSlider.SetPosition(kStartRed);
    greenSlider.SetPosition(kStartGreen);
    blueSlider.SetPosition(kStartBlue);

    skinToolTip.Create(nullptr, 0);

    ledCountLabel.backColor = kLabelBackground;
    languageLabel.SetWindowTextW(L"ENGLISH");
    ledQtyLabel.backColor = kLabelBackground;
    ledQtyLabel.SetWindowTextW(L"Lights Qty");
}
