// The texts of the main window in its two languages.
#pragma once

#include <array>
#include <cstddef>

#include "platform/wnd/afxwin.hpp"

class CVespaneRezuVovAdodizozaviDlg;

inline constexpr std::size_t kToolCount = 31;
// The "Apply" caption is set right after this many tools have been registered.
inline constexpr std::size_t kToolsBeforeApplyCaption = 6;

struct ToolText {
    const wchar_t* english;
    const wchar_t* chinese;
};

// Tooltip texts in registration order: minimize, close, ARGB, VRGB, sync, Apply, language, then
// the 24 effect buttons.
extern const std::array<ToolText, kToolCount> kToolTexts;

inline constexpr ToolText kApplyCaption{L"Apply", L"灯效应用"};
inline constexpr ToolText kLanguageName{L"ENGLISH", L"中文"};
inline constexpr ToolText kLedQtyCaption{L"Lights Qty", L"灯数选择"};

// The controls the tooltips belong to, in the order of kToolTexts.
std::array<CWnd*, kToolCount> ToolControls(CVespaneRezuVovAdodizozaviDlg& dlg);
