#include "platform/res/dialog_templates.hpp"

#include <array>

namespace {

// 100: the About box.
constexpr std::array kAboutItems{
    DialogItemTemplate{L"static", L"#128", SS_ICON, 0, 14, 14, 20, 20, IDC_STATIC_ID},
    DialogItemTemplate{L"static", L"Vespane Rezu Vov Adodizozavi,1.0.0.2 版", SS_NOPREFIX | SS_LEFT,
                       0, 35, 14, 132, 8, IDC_STATIC_ID},
    DialogItemTemplate{L"static", L"Motherboard RGB lighting control", SS_LEFT, 0, 42, 28, 114, 8,
                       IDC_STATIC_ID},
    DialogItemTemplate{L"Button", L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 124, 42, 50, 14, IDOK},
};

constexpr DialogTemplate kAbout{
    100,
    DS_SETFONT | DS_MODALFRAME | DS_FIXEDSYS | WS_POPUP | WS_CAPTION | WS_SYSMENU,
    0,
    0,
    0,
    181,
    63,
    L"关于 Vespane Rezu Vov Adodizozavi",
    L"MS Shell Dlg",
    9,
    0,
    kAboutItems,
};

// 102: the main window, an empty popup; its controls are created in code. It draws no caption;
// its title names it in the taskbar and the window switcher.
constexpr DialogTemplate kMain{
    102,
    DS_SETFONT | DS_FIXEDSYS | WS_POPUP | WS_VISIBLE | WS_SYSMENU,
    WS_EX_APPWINDOW,
    0,
    0,
    320,
    200,
    L"Vespane RGB",
    L"MS Shell Dlg",
    9,
    0,
    {},
};

// 238: the LED quantity popup, also empty.
constexpr DialogTemplate kLedQuantity{
    238,
    WS_POPUP | WS_SYSMENU | DS_SETFONT | DS_FIXEDSYS,
    0,
    0,
    0,
    309,
    176,
    L"",
    L"MS Shell Dlg",
    8,
    FW_NORMAL,
    {},
};

constexpr std::array<const DialogTemplate*, 3> kTemplates{&kAbout, &kMain, &kLedQuantity};

}  // namespace

const DialogTemplate* FindDialogTemplate(UINT id) {
    for (const DialogTemplate* t : kTemplates) {
        if (t->id == id) return t;
    }
    return nullptr;
}
