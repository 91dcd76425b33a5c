#include "numdlg/num_dlg.hpp"

#include <array>
#include <string>

#include "controls/control_spec.hpp"
#include "controls/skinned_window.hpp"
#include "device/device_commands.hpp"
#include "numdlg/led_count_owner.hpp"
#include "numdlg/num_dlg_layout.hpp"
#include "res/skin_layout.hpp"

using namespace numdlg;

namespace {

// The popup's title in the taskbar and the window switcher: the title its skin shows.
constexpr const wchar_t* kTitleChinese = L"5V ARGB设备灯数设置";
constexpr const wchar_t* kTitleEnglish = L"5V ARGB Devices LED Qty Setting";

std::wstring FormatCount(int count) {
    return std::to_wstring(count);  // the "%d" form
}

}  // namespace

CNumDlg::CNumDlg() : CDialogEx(kTemplateId, nullptr) {}

CNumDlg::~CNumDlg() = default;

LedCountOwner* CNumDlg::Owner() {
    return dynamic_cast<LedCountOwner*>(AfxGetMainWnd());
}

bool CNumDlg::IsChinese() {
    const LedCountOwner* const owner = Owner();
    return owner != nullptr && owner->uiLanguage() != 0;
}

LRESULT CNumDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SLIDER_TRACKING || message == WM_SLIDER_SETTLED) {
        if (wParam == kSliderId) {
            const RECT area = IsChinese() ? kNumberAreaChinese : kNumberAreaEnglish;
            InvalidateRect(&area, TRUE);
        }
        return 0;
    }
    return CDialogEx::WindowProc(message, wParam, lParam);
}

int CNumDlg::OnCreate(CREATESTRUCTW* create) {
    if (CDialogEx::OnCreate(create) == -1) {
        return -1;
    }
    LoadBackground();
    SetWindowTextW(IsChinese() ? kTitleChinese : kTitleEnglish);
    CreateControls();
    SetUpSlider();
    dismissButton.ShowWindow(SW_HIDE);
    return 0;
}

void CNumDlg::LoadBackground() {
    backBmpId = IsChinese() ? kSkinChinese : kSkinEnglish;
    ApplySkin(*this, backBmp, backBmpId);
}

void CNumDlg::CreateControls() {
    // Row i gets the control ID 1500 + i: reset, OK, dismiss, slider.
    const std::array<ControlSpec, 4> rows{{
        {&resetButton, L"Button", nullptr, kResetNormal, skin::kPopupReset.x, skin::kPopupReset.y,
         0, 0, kResetHot, 0, 0, 5},
        {&okButton, L"Button", nullptr, kOkNormal, skin::kPopupOk.x, skin::kPopupOk.y, 0, 0, kOkHot,
         0, 0, 5},
        {&dismissButton, L"Button", nullptr, kDismissNormal, skin::kPopupDismiss.x,
         skin::kPopupDismiss.y, 0, 0, kDismissHot, 0, 0, 5},
        {&qtySlider, L"msctls_trackbar32", nullptr, 0, skin::kPopupSlider.x, skin::kPopupSlider.y,
         skin::kPopupSliderWidth, skin::kPopupSliderHeight, 0, 0, 0, 0},
    }};
    CreateTableControls(*this, rows, kChildControlStyle);
}

void CNumDlg::SetUpSlider() {
    qtySlider.trackStyle = TrackQuantity;
    qtySlider.SetThumbBitmap(kSliderThumb);
    qtySlider.minimum = kMinimumCount;
    qtySlider.maximum = kMaximumCount;
    const LedCountOwner* const owner = Owner();
    qtySlider.SetPosition(owner != nullptr ? owner->ledCountValue() : kMinimumCount);
}

BOOL CNumDlg::OnInitDialog() {
    const BOOL result = CDialogEx::OnInitDialog();
    CenterWindow(AfxGetMainWnd());
    return result;
}

void CNumDlg::OnDestroy() {
    RemovePropW(m_hWnd, kSkinBitmapProperty);
    CDialogEx::OnDestroy();
}

void CNumDlg::OnPaint() {
    CPaintDC dc(this);
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    const HGDIOBJ previous = memory.SelectObject(&backBmp);
    BITMAP info;
    if (backBmp.GetSafeHandle() != nullptr && backBmp.GetBitmap(&info) != 0) {
        dc.BitBlt(0, 0, info.bmWidth, info.bmHeight, &memory, 0, 0, SRCCOPY);
    }
    memory.SelectObject(previous);

    dc.SetBkMode(TRANSPARENT);
    const std::wstring number = FormatCount(qtySlider.position);
    const POINT at = IsChinese() ? kNumberChinese : kNumberEnglish;
    dc.TextOutW(at.x, at.y, number.c_str(), static_cast<int>(number.size()));
}

LRESULT CNumDlg::OnNcHitTest(POINT screenPoint) {
    if (DragsBySurface(*this, screenPoint, kDragDepth)) {
        return HTCAPTION;
    }
    return CDialogEx::OnNcHitTest(screenPoint);
}

BOOL CNumDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (wParam == ID_HELP) {
        return TRUE;
    }
    const auto sender = reinterpret_cast<HWND>(lParam);
    if (sender != nullptr && sender == resetButton.GetSafeHwnd()) {
        WriteCount(kResetCount);
        qtySlider.SetPosition(kResetCount);
        Invalidate(TRUE);
        ShowCountInOwner(kResetCount);
        OnOK();
        return TRUE;
    }
    if (sender != nullptr && sender == okButton.GetSafeHwnd()) {
        const int count = qtySlider.position;
        WriteCount(count);
        ShowCountInOwner(count);
        OnOK();
        return TRUE;
    }
    if (sender != nullptr && sender == dismissButton.GetSafeHwnd()) {
        OnOK();
        return TRUE;
    }
    return CDialogEx::OnCommand(wParam, lParam);
}

void CNumDlg::WriteCount(int count) {
    if (LedCountOwner* const owner = Owner()) {
        SetLedCount(owner->deviceLink(), count);
    }
}

void CNumDlg::ShowCountInOwner(int count) {
    LedCountOwner* const owner = Owner();
    if (owner == nullptr) {
        return;
    }
    owner->ledCountLabelWnd().SetWindowTextW(FormatCount(count).c_str());
    const RECT area = owner->ledCountArea();
    AfxGetMainWnd()->InvalidateRect(&area, TRUE);
    owner->setLedCountValue(count);
}
