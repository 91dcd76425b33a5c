#include "numdlg/num_dlg.hpp"

#include <array>
#include <cwctype>
#include <string>

#include "app/fonts.hpp"
#include "controls/bitmap_region.hpp"
#include "device/device_commands.hpp"
#include "numdlg/led_count_owner.hpp"
#include "numdlg/num_dlg_layout.hpp"

using namespace numdlg;

namespace {

constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;  // 0x52000000

// One child control of the popup, created like a row of the main window's control table.
struct ChildRow {
    CWnd* control;
    const wchar_t* className;
    UINT id;
    UINT normalBmp;
    UINT hotBmp;
    int left;
    int top;
    int width;  // for buttons: taken from the normal bitmap
    int height;
    int fontEntry;
};

bool IsButtonClass(const wchar_t* className) {
    std::wstring lower(className);
    for (wchar_t& c : lower) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    return lower == L"button";
}

SIZE BitmapSize(UINT resourceId) {
    CBitmap bitmap;
    BITMAP info;
    if (bitmap.LoadBitmapW(resourceId) && bitmap.GetBitmap(&info) != 0) {
        return SIZE{info.bmWidth, info.bmHeight};
    }
    return SIZE{};
}

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
    CreateControls();
    SetUpSlider();
    dismissButton.ShowWindow(SW_HIDE);
    return 0;
}

void CNumDlg::LoadBackground() {
    backBmpId = IsChinese() ? kSkinChinese : kSkinEnglish;
    {
        CBmpRgn shaper;
        shaper.window = m_hWnd;
        shaper.bitmap = LoadBitmapW(AfxGetResourceHandle(), backBmpId);
        shaper.keyColor = 0xFFFFFF;
        shaper.leftInset = 1;
        shaper.rightInset = 0;
        shaper.ShapeWindow();
    }
    backBmp.DeleteObject();
    backBmp.LoadBitmapW(backBmpId);
    SetPropW(m_hWnd, kSkinBitmapProperty, backBmp.GetSafeHandle());
    CWnd::InvalidateRect(nullptr, FALSE);
}

void CNumDlg::CreateControls() {
    const std::array<ChildRow, 4> rows{{
        {&resetButton, L"Button", kResetId, kResetNormal, kResetHot, 49, 146, 0, 0, 5},
        {&okButton, L"Button", kOkId, kOkNormal, kOkHot, 178, 146, 0, 0, 5},
        {&dismissButton, L"Button", kDismissId, kDismissNormal, kDismissHot, 309, 11, 0, 0, 5},
        {&qtySlider, L"msctls_trackbar32", kSliderId, 0, 0, 49, 106, 243, 16, 0},
    }};
    for (const ChildRow& row : rows) {
        int width = row.width;
        int height = row.height;
        if (IsButtonClass(row.className)) {
            auto* const button = static_cast<CMPButton*>(row.control);
            button->SetBitmaps(row.normalBmp, row.hotBmp, 0);
            const SIZE size = BitmapSize(row.normalBmp);
            width = size.cx;
            height = size.cy;
        }
        const RECT rect{row.left, row.top, row.left + width, row.top + height};
        row.control->Create(row.className, nullptr, kChildStyle, rect, this, row.id);
        row.control->SendMessageW(WM_SETFONT, reinterpret_cast<WPARAM>(AppFont(row.fontEntry)),
                                  FALSE);
    }
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
    WINDOWPLACEMENT placement;
    GetWindowPlacement(&placement);
    if (placement.showCmd == SW_SHOWNORMAL &&
        screenPoint.y - placement.rcNormalPosition.top < kDragDepth) {
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
