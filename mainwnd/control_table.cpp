#include "mainwnd/control_table.hpp"

#include "mainwnd/main_window.hpp"

namespace {

constexpr const wchar_t* kButton = L"Button";
constexpr const wchar_t* kTrackbar = L"msctls_trackbar32";
constexpr const wchar_t* kStatic = L"static";

ControlSpec ButtonRow(CMPButton& button, UINT normal, int x, int y, UINT hot, UINT disabled,
                      int font) {
    return ControlSpec{&button, kButton, nullptr, normal, x, y, 0, 0, hot, disabled, 0, font};
}

ControlSpec SliderRow(CBitmapSlider& slider, int y) {
    return ControlSpec{&slider, kTrackbar, nullptr, 0, 586, y, 132, 12, 0, 0, 0, 0};
}

ControlSpec LabelRow(CMPStatic& label, int x, int y, int width, int height, int font) {
    return ControlSpec{&label, kStatic, nullptr, 0, x, y, width, height, 0, 0, SS_CENTER, font};
}

}  // namespace

std::array<ControlSpec, kMainControlCount> MainControlTable(CVespaneRezuVovAdodizozaviDlg& dlg) {
    auto& preset = dlg.presetButtons;
    auto& fx = dlg.effectButtons;
    ControlSpec apply = ButtonRow(dlg.applyButton, 206, 586, 474, 207, 0, 1);
    apply.text = L"灯效应用";
    return {{
        ButtonRow(dlg.colorWheel, 227, 584, 45, 227, 0, 5),
        ButtonRow(preset[0], 208, 653, 273, 209, 0, 5),
        ButtonRow(preset[1], 214, 686, 273, 215, 0, 5),
        ButtonRow(preset[2], 218, 719, 273, 219, 0, 5),
        ButtonRow(preset[3], 216, 752, 273, 217, 0, 5),
        ButtonRow(preset[4], 220, 653, 302, 221, 0, 5),
        ButtonRow(preset[5], 212, 686, 302, 213, 0, 5),
        ButtonRow(preset[6], 210, 719, 302, 211, 0, 5),
        ButtonRow(preset[7], 222, 752, 302, 223, 0, 5),
        apply,
        ButtonRow(dlg.syncButton, 204, 125, 294, 204, 0, 5),
        ButtonRow(dlg.argbButton, 201, 408, 29, 201, 0, 5),
        ButtonRow(dlg.vrgbButton, 202, 483, 29, 203, 0, 5),
        ButtonRow(dlg.minimizeButton, 198, 737, 3, 199, 0, 5),
        ButtonRow(dlg.closeButton, 196, 765, 3, 197, 0, 5),
        ButtonRow(fx[0], 132, 37, 330, 131, 0, 0),
        ButtonRow(fx[1], 134, 100, 330, 133, 0, 5),
        ButtonRow(fx[2], 136, 163, 330, 135, 0, 5),
        ButtonRow(fx[3], 138, 226, 330, 137, 0, 5),
        ButtonRow(fx[4], 140, 289, 330, 139, 0, 0),
        ButtonRow(fx[5], 142, 352, 330, 141, 0, 0),
        ButtonRow(fx[6], 144, 415, 330, 143, 0, 0),
        ButtonRow(fx[7], 145, 478, 330, 145, 146, 5),
        ButtonRow(fx[8], 150, 37, 392, 148, 149, 5),
        ButtonRow(fx[9], 153, 100, 392, 151, 152, 5),
        ButtonRow(fx[10], 156, 163, 392, 154, 155, 5),
        ButtonRow(fx[11], 159, 226, 392, 157, 158, 5),
        ButtonRow(fx[12], 162, 289, 392, 160, 161, 0),
        ButtonRow(fx[13], 165, 352, 392, 163, 164, 0),
        ButtonRow(fx[14], 168, 415, 392, 166, 167, 0),
        ButtonRow(fx[15], 171, 478, 392, 169, 170, 5),
        ButtonRow(fx[16], 174, 37, 455, 172, 173, 5),
        ButtonRow(fx[17], 177, 100, 455, 175, 176, 5),
        ButtonRow(fx[18], 180, 163, 455, 178, 179, 5),
        ButtonRow(fx[19], 183, 226, 455, 181, 182, 5),
        ButtonRow(fx[20], 186, 289, 455, 184, 185, 0),
        ButtonRow(fx[21], 189, 352, 455, 187, 188, 0),
        ButtonRow(fx[22], 192, 415, 455, 190, 191, 0),
        ButtonRow(fx[23], 195, 478, 455, 193, 194, 5),
        SliderRow(dlg.redSlider, 363),
        SliderRow(dlg.greenSlider, 403),
        SliderRow(dlg.blueSlider, 443),
        ButtonRow(dlg.ledQtyButton, 248, 529, 108, 249, 248, 0),
        LabelRow(dlg.ledCountLabel, 493, 109, 30, 18, 1),
        ButtonRow(dlg.languageButton, 248, 710, 7, 249, 248, 0),
        LabelRow(dlg.languageLabel, 650, 5, 50, 18, 0),
        LabelRow(dlg.ledQtyLabel, 408, 104, 76, 30, 1),
    }};
}
