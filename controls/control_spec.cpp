#include "controls/control_spec.hpp"

#include <cwctype>
#include <string_view>

#include "app/fonts.hpp"
#include "controls/mp_button.hpp"

namespace {

bool IsButtonClass(std::wstring_view className) {
    constexpr std::wstring_view kButton = L"button";
    if (className.size() != kButton.size()) {
        return false;
    }
    for (std::size_t i = 0; i < className.size(); ++i) {
        if (std::towlower(static_cast<wint_t>(className[i])) != static_cast<wint_t>(kButton[i])) {
            return false;
        }
    }
    return true;
}

// The size of a bitmap resource; 0 x 0 when it cannot be loaded.
SIZE BitmapSize(UINT resourceId) {
    CBitmap bitmap;
    BITMAP info{};
    if (bitmap.LoadBitmapW(resourceId) && bitmap.GetBitmap(&info) != 0) {
        return SIZE{info.bmWidth, info.bmHeight};
    }
    return SIZE{};
}

}  // namespace

void CreateTableControls(CWnd& parent, std::span<const ControlSpec> table, DWORD baseStyle) {
    UINT id = kFirstControlId;
    for (const ControlSpec& row : table) {
        int width = row.width;
        int height = row.height;
        if (IsButtonClass(row.className)) {
            if (auto* button = dynamic_cast<CMPButton*>(row.control)) {
                button->SetBitmaps(row.normalBmp, row.hotBmp, row.disabledBmp);
            }
            const SIZE size = BitmapSize(row.normalBmp);
            width = size.cx;
            height = size.cy;
        }
        const RECT rect{row.x, row.y, row.x + width, row.y + height};
        // A failed creation leaves that control out; the other rows are still created.
        if (row.control->Create(row.className, row.text, row.style | baseStyle, rect, &parent,
                                id)) {
            row.control->SendMessageW(WM_SETFONT, reinterpret_cast<WPARAM>(AppFont(row.fontNumber)),
                                      0);
        }
        ++id;
    }
}
