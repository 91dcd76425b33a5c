// The LED quantity popup: a skinned panel with the current count, a slider from 4 to 64, a reset
// button and a confirm button. Confirming or resetting writes the count to the controller and
// updates the main window; Escape and the system close leave without writing.
#pragma once

#include "controls/bitmap_slider.hpp"
#include "controls/mp_button.hpp"
#include "platform/gdi/afxgdi.hpp"
#include "platform/wnd/afxwin.hpp"

class LedCountOwner;

class CNumDlg : public CDialogEx {
  public:
    static constexpr UINT kTemplateId = 238;

    CNumDlg();
    ~CNumDlg() override;

    CBitmap backBmp;     // the skin shown; also the window property "MPBmpProp"
    UINT backBmpId = 0;  // 240 (Chinese) or 250 (English)
    CMPButton resetButton;
    CMPButton okButton;
    CMPButton dismissButton;  // hidden for the whole life of the popup
    CBitmapSlider qtySlider;

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(CREATESTRUCTW* create) override;
    BOOL OnInitDialog() override;
    void OnDestroy() override;
    void OnPaint() override;
    LRESULT OnNcHitTest(POINT screenPoint) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  private:
    void LoadBackground();
    void CreateControls();
    void SetUpSlider();
    // The LED count set report to the controller; its result is not examined.
    static void WriteCount(int count);
    // The main window's label, label area and stored count take the new count.
    static void ShowCountInOwner(int count);
    // The main window, when it is the kind of window that holds an LED count.
    static LedCountOwner* Owner();
    static bool IsChinese();
};
