// The lighting control window: the user's lighting choices (the lighting state), the skinned
// controls that show them, the link to the controller, and the start-up that brings them together.
#pragma once

#include <array>
#include <cstdint>

#include "controls/bitmap_slider.hpp"
#include "controls/mp_button.hpp"
#include "controls/mp_static.hpp"
#include "controls/mp_tooltip.hpp"
#include "device/device_link.hpp"
#include "device/message_sink.hpp"
#include "device/ui_language.hpp"
#include "mainwnd/lighting_state.hpp"
#include "numdlg/led_count_owner.hpp"
#include "platform/hid/system_bus.hpp"
#include "platform/wnd/afxwin.hpp"

class CVespaneRezuVovAdodizozaviDlg : public CDialogEx, public LedCountOwner, public MessageSink {
  public:
    // The system menu's About command.
    static constexpr UINT kAboutCommand = 16;

    CVespaneRezuVovAdodizozaviDlg();
    ~CVespaneRezuVovAdodizozaviDlg() override;

    // The window's own fields, in this order.
    HICON hIcon = nullptr;
    CBitmap skinBitmap;  // the background, also published as the property "MPBmpProp"
    UINT skinId = 0;
    LightingState state;

    // The member objects, in construction order. The media player host of the original platform
    // has no counterpart here; nothing in the window depends on it.
    CMPToolTip skinToolTip;
    CToolTipCtrl toolTip;
    CMPButton minimizeButton;
    CMPButton closeButton;
    CMPButton argbButton;
    CMPButton vrgbButton;
    CMPButton syncButton;
    CMPButton applyButton;
    CMPButton colorWheel;
    std::array<CMPButton, kPresetCount> presetButtons;
    std::array<CMPButton, kEffectCount> effectButtons;
    CMPButton ledQtyButton;
    CMPStatic ledCountLabel;
    CMPButton languageButton;
    CMPStatic languageLabel;
    CMPStatic ledQtyLabel;
    CBitmapSlider redSlider;
    CBitmapSlider greenSlider;
    CBitmapSlider blueSlider;
    DeviceLink link{hid::SystemBus()};

    // Framework overrides, in slot order.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnInitDialog() override;

    // Language-dependent texts: the 31 tooltips and the "Apply" caption.
    void SetLanguageTexts(UiLanguage newLanguage);

    // What the LED quantity popup needs of this window.
    int uiLanguage() const override { return static_cast<int>(state.language); }
    int ledCountValue() const override { return state.ledCount; }
    void setLedCountValue(int count) override { state.ledCount = count; }
    DeviceLink& deviceLink() override { return link; }
    CWnd& ledCountLabelWnd() override { return ledCountLabel; }
    RECT ledCountArea() const override { return state.ledCountRect; }

    // A message of the device commands (the VRGB report's request to choose an effect), shown
    // over this window.
    void ShowMessage(std::wstring_view text) override;

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Message handlers.
    void OnSysCommand(UINT id, LPARAM lParam) override;
    void OnPaint() override;
    HCURSOR OnQueryDragIcon() override;
    LRESULT OnNcHitTest(POINT screenPoint) override;
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) override;
    LRESULT OnSliderMoved(WPARAM wParam, LPARAM lParam);
    BOOL OnToolTipText(NMHDR* header, LRESULT* result);

  private:
    void LoadSkin();
    void CreateControls();
    void ShowStatusMessage(UINT id);
    void PaintMinimised();

    // Commands.
    void ApplySelection();
    void SwitchLanguage();
    void TakeWheelColour();
    void ChoosePreset(std::size_t index);
    void ChooseEffect(std::size_t index);
    void ChooseChannel(std::int32_t newChannel);
    void RunLedQuantityDialog();
    void ToggleSync();
    void ShowArgbOnlyEffects(int showCommand);

    wchar_t tipTextBuffer_[260] = {};  // read by the tooltip after OnToolTipText has returned
};
