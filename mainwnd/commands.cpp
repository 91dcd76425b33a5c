// The user's commands: every click of the window's buttons arrives here as WM_COMMAND.
#include "device/device_commands.hpp"
#include "mainwnd/language_texts.hpp"
#include "mainwnd/main_window.hpp"
#include "mainwnd/painting.hpp"
#include "mainwnd/selection_looks.hpp"
#include "numdlg/num_dlg.hpp"

namespace {

constexpr COLORREF kIgnoredWheelColour = RGB(13, 29, 37);

// Selected: the selected image all the time; unselected: the selected image only as hover look.
void ShowSelection(CMPButton& button, SelectionImages images, bool selected) {
    button.SetBitmaps(selected ? images.selected : images.unselected, images.selected, 0);
}

}  // namespace

BOOL CVespaneRezuVovAdodizozaviDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    // Help, and the Escape key (IDCANCEL from no control), are swallowed.
    if (wParam == ID_HELP || (wParam == static_cast<WPARAM>(IDCANCEL) && lParam == 0)) {
        return 0;
    }
    // A command from no control window matches none of the controls below.
    const auto sender = reinterpret_cast<HWND>(lParam);
    const auto from = [sender](const CWnd& control) {
        return sender != nullptr && control.GetSafeHwnd() == sender;
    };

    if (from(minimizeButton)) {
        ShowWindow(SW_MINIMIZE);
    } else if (from(closeButton)) {
        OnOK();
    } else if (from(applyButton)) {
        ApplySelection();
    } else if (from(languageButton)) {
        SwitchLanguage();
    } else if (from(colorWheel)) {
        TakeWheelColour();
        return 0;
    } else {
        for (std::size_t i = 0; i < presetButtons.size(); ++i) {
            if (from(presetButtons[i])) {
                ChoosePreset(i);
                return 0;
            }
        }
        for (std::size_t k = 0; k < effectButtons.size(); ++k) {
            if (from(effectButtons[k])) {
                ChooseEffect(k);
                return 0;
            }
        }
        if (from(argbButton)) {
            ChooseChannel(kChannelArgb);
        } else if (from(vrgbButton)) {
            ChooseChannel(kChannelVrgb);
        } else if (from(ledQtyButton)) {
            RunLedQuantityDialog();
        } else if (from(syncButton)) {
            ToggleSync();
        }
    }
    return CDialogEx::OnCommand(wParam, lParam);
}

void CVespaneRezuVovAdodizozaviDlg::ApplySelection() {
    const int red = redSlider.position;
    const int green = greenSlider.position;
    const int blue = blueSlider.position;
    if (SyncAll() || state.channel == kChannelArgb) {
        ApplyArgbEffect(link, state.effect, state.colorPreset, red, green, blue);
    }
    if (SyncAll() || state.channel == kChannelVrgb) {
        ApplyVrgbEffect(link, *this, state.effect, state.colorPreset, red, green, blue,
                        state.language);
    }
}

void CVespaneRezuVovAdodizozaviDlg::SwitchLanguage() {
    if (state.language == UiLanguage::English) {
        state.language = UiLanguage::Chinese;
        languageLabel.SetWindowTextW(kLanguageName.chinese);
        ledQtyLabel.SetWindowTextW(kLedQtyCaption.chinese);
    } else if (state.language == UiLanguage::Chinese) {
        state.language = UiLanguage::English;
        languageLabel.SetWindowTextW(kLanguageName.english);
        ledQtyLabel.SetWindowTextW(kLedQtyCaption.english);
    }
    SetLanguageTexts(state.language);
}

void CVespaneRezuVovAdodizozaviDlg::TakeWheelColour() {
    state.colorPreset = 0;
    const COLORREF picked = colorWheel.pickedColor;
    if (picked == kIgnoredWheelColour) {
        return;
    }
    redSlider.SetPosition(GetRValue(picked));
    greenSlider.SetPosition(GetGValue(picked));
    blueSlider.SetPosition(GetBValue(picked));
    InvalidateRect(&kValueColumnRect, TRUE);
    InvalidateRect(&kPreviewRect, TRUE);
}

void CVespaneRezuVovAdodizozaviDlg::ChoosePreset(std::size_t index) {
    state.colorPreset = kPresetSwatches[index].colorPreset;
    for (std::size_t i = 0; i < presetButtons.size(); ++i) {
        ShowSelection(presetButtons[i], kPresetSwatches[i].images, i == index);
    }
    InvalidateRect(&kPreviewRect, TRUE);
}

void CVespaneRezuVovAdodizozaviDlg::ChooseEffect(std::size_t index) {
    state.effect = static_cast<std::int32_t>(index) + 1;
    for (std::size_t k = 0; k < effectButtons.size(); ++k) {
        ShowSelection(effectButtons[k], EffectImages(static_cast<std::int32_t>(k) + 1), k == index);
    }
}

void CVespaneRezuVovAdodizozaviDlg::ChooseChannel(std::int32_t newChannel) {
    const ChannelLooks looks = newChannel == kChannelArgb ? kArgbChosenLooks : kVrgbChosenLooks;
    argbButton.SetBitmaps(looks.argb, looks.argb, 0);
    vrgbButton.SetBitmaps(looks.vrgb, looks.vrgb, 0);
    if (!SyncAll()) {
        ShowArgbOnlyEffects(newChannel == kChannelArgb ? SW_SHOWNORMAL : SW_HIDE);
    }
    state.channel = newChannel;
}

void CVespaneRezuVovAdodizozaviDlg::RunLedQuantityDialog() {
    // The popup writes the count to the controller and updates ledCount itself.
    CNumDlg dialog;
    dialog.DoModal();
}

void CVespaneRezuVovAdodizozaviDlg::ToggleSync() {
    const bool on = syncButton.normalBmp == kSyncOffImage;
    const UINT image = kSyncOffImage + (on ? 1 : 0);
    syncButton.SetBitmaps(image, image, 0);
    SyncAll() = on;
    const int command = on ? SW_HIDE : SW_SHOWNORMAL;
    ShowArgbOnlyEffects(command);
    argbButton.ShowWindow(command);
    vrgbButton.ShowWindow(command);
}

void CVespaneRezuVovAdodizozaviDlg::ShowArgbOnlyEffects(int showCommand) {
    for (std::size_t k = kFirstArgbOnlyButton; k < effectButtons.size(); ++k) {
        effectButtons[k].ShowWindow(showCommand);
    }
}
