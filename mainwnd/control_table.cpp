#include "mainwnd/control_table.hpp"

#include "mainwnd/main_window.hpp"
#include "res/skin_layout.hpp"

namespace {

constexpr const wchar_t* kButton = L"Button";
constexpr const wchar_t* kTrackbar = L"msctls_trackbar32";
constexpr const wchar_t* kStatic = L"static";

// The font numbers of effectButtons[0] to [23].
constexpr std::array<int, kEffectCount> kEffectFonts{0, 5, 5, 5, 0, 0, 0, 5, 5, 5, 5, 5,
                                                     0, 0, 0, 5, 5, 5, 5, 5, 0, 0, 0, 5};

ControlSpec ButtonRow(CMPButton& button, int normal, skin::Place at, int hot, int disabled,
                      int font) {
    return ControlSpec{
        &button, kButton, nullptr, static_cast<UINT>(normal), at.x,
        at.y,    0,       0,       static_cast<UINT>(hot),    static_cast<UINT>(disabled),
        0,       font};
}

// A button whose hover image is the ID after its normal image.
ControlSpec HoverButtonRow(CMPButton& button, int normal, skin::Place at, int disabled, int font) {
    return ButtonRow(button, normal, at, normal + 1, disabled, font);
}

ControlSpec SliderRow(CBitmapSlider& slider, std::size_t row) {
    return ControlSpec{&slider,
                       kTrackbar,
                       nullptr,
                       0,
                       skin::kSliderX,
                       skin::kSliderY[row],
                       skin::kSliderWidth,
                       skin::kSliderHeight,
                       0,
                       0,
                       0,
                       0};
}

ControlSpec LabelRow(CMPStatic& label, int x, int y, int width, int height, int font) {
    return ControlSpec{&label, kStatic, nullptr, 0, x, y, width, height, 0, 0, SS_CENTER, font};
}

// effectButtons[k]: the unselected image, the selected one as hover look, the greyed one when
// disabled; the start effect shows selected.
ControlSpec EffectRow(CMPButton& button, std::size_t k) {
    const int e = static_cast<int>(k) + 1;
    const int normal = e == kStartEffect ? skin::EffectSelectedId(e) : skin::EffectUnselectedId(e);
    return ButtonRow(button, normal, skin::EffectButton(static_cast<int>(k)),
                     skin::EffectSelectedId(e), skin::EffectGreyedId(e), kEffectFonts[k]);
}

ControlSpec SwatchRow(CMPButton& button, std::size_t i) {
    const int image = skin::kSwatchImages[i];
    return ButtonRow(button, image, skin::SwatchButton(static_cast<int>(i)), image + 1, 0, 5);
}

}  // namespace

std::array<ControlSpec, kMainControlCount> MainControlTable(CVespaneRezuVovAdodizozaviDlg& dlg) {
    std::array<ControlSpec, kMainControlCount> table{};
    std::size_t row = 0;
    const auto add = [&table, &row](const ControlSpec& spec) { table.at(row++) = spec; };

    add(ButtonRow(dlg.colorWheel, skin::kColorWheelImage, skin::kColorWheel, skin::kColorWheelImage,
                  0, 5));
    for (std::size_t i = 0; i < dlg.presetButtons.size(); ++i) {
        add(SwatchRow(dlg.presetButtons[i], i));
    }
    ControlSpec apply = ButtonRow(dlg.applyButton, skin::kApplyImage, skin::kApplyButton,
                                  skin::kApplyImage + 1, 0, 1);
    apply.text = L"灯效应用";
    add(apply);
    add(ButtonRow(dlg.syncButton, skin::kSyncOffImage, skin::kSyncButton, skin::kSyncOffImage, 0,
                  5));
    add(ButtonRow(dlg.argbButton, skin::kArgbOnImage, skin::kArgbButton, skin::kArgbOnImage, 0, 5));
    add(ButtonRow(dlg.vrgbButton, skin::kVrgbOffImage, skin::kVrgbButton, skin::kVrgbOnImage, 0,
                  5));
    add(HoverButtonRow(dlg.minimizeButton, skin::kMinimizeImage, skin::kMinimizeButton, 0, 5));
    add(HoverButtonRow(dlg.closeButton, skin::kCloseImage, skin::kCloseButton, 0, 5));
    for (std::size_t k = 0; k < dlg.effectButtons.size(); ++k) {
        add(EffectRow(dlg.effectButtons[k], k));
    }
    add(SliderRow(dlg.redSlider, 0));
    add(SliderRow(dlg.greenSlider, 1));
    add(SliderRow(dlg.blueSlider, 2));
    add(HoverButtonRow(dlg.ledQtyButton, skin::kArrowImage, skin::kLedQtyButton, skin::kArrowImage,
                       0));
    add(LabelRow(dlg.ledCountLabel, 493, 109, 30, 18, 1));
    add(HoverButtonRow(dlg.languageButton, skin::kArrowImage, skin::kLanguageButton,
                       skin::kArrowImage, 0));
    add(LabelRow(dlg.languageLabel, 650, 5, 50, 18, 0));
    add(LabelRow(dlg.ledQtyLabel, 408, 104, 76, 30, 1));
    return table;
}
