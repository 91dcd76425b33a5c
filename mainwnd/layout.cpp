// The window's shape and background, and its child controls.
#include "controls/bitmap_slider.hpp"
#include "controls/skinned_window.hpp"
#include "mainwnd/control_table.hpp"
#include "mainwnd/main_window.hpp"
#include "res/skin_layout.hpp"

namespace {

constexpr UINT kSkinBitmap = skin::kMainSkinImage;

constexpr UINT kRedThumb = skin::kRedThumbImage;
constexpr UINT kGreenThumb = skin::kGreenThumbImage;
constexpr UINT kBlueThumb = skin::kBlueThumbImage;

// The table's rows add 0x0100 (BS_LEFT, TBS_TOOLTIPS or SS_NOTIFY) to the child style.
constexpr DWORD kTableControlStyle = kChildControlStyle | 0x0100;

constexpr COLORREF kLabelBackground = RGB(0, 20, 64);

}  // namespace

void CVespaneRezuVovAdodizozaviDlg::LoadSkin() {
    skinId = kSkinBitmap;
    ApplySkin(*this, skinBitmap, kSkinBitmap);
}

void CVespaneRezuVovAdodizozaviDlg::CreateControls() {
    const auto table = MainControlTable(*this);
    CreateTableControls(*this, table, kTableControlStyle);

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
