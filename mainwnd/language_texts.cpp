#include "mainwnd/language_texts.hpp"

#include "mainwnd/main_window.hpp"

const std::array<ToolText, kToolCount> kToolTexts{{
    {L"Minimize", L"最小化窗体"},
    {L"Exit", L"关闭窗体"},
    {L"ARGB Setting", L"ARGB调节"},
    {L"VRGB Setting", L"VRGB调节"},
    {L"Synchronize", L"同步操作"},
    {L"Apply all settings to the device.", L"应用设置到设备."},
    {L"Language selection", L"语言切换"},
    {L"ColorBreathe", L"多彩呼吸"},
    {L"Rainbow", L"彩虹"},
    {L"Breathe", L"单色呼吸"},
    {L"Off", L"灯效全灭"},
    {L"TwoBlink", L"双闪"},
    {L"Blink", L"单闪"},
    {L"Static", L"灯效常亮"},
    {L"Vespane", L"Vespane"},
    {L"Sakura", L"樱花"},
    {L"Emergency", L"警灯"},
    {L"Laser", L"激光"},
    {L"Marquee", L"跑马灯"},
    {L"Twinking", L"闪烁"},
    {L"ColorCycle", L"彩色循环"},
    {L"Meteor", L"流星"},
    {L"BlackHole", L"黑洞"},
    {L"Aqua", L"海流"},
    {L"Flare", L"火焰"},
    {L"Forest", L"森林"},
    {L"Stary", L"星空"},
    {L"FireWork", L"烟花"},
    {L"Lava", L"火山"},
    {L"Tetris", L"俄罗斯方块"},
    {L"CenterMeteor", L"涟漪"},
}};

std::array<CWnd*, kToolCount> ToolControls(CVespaneRezuVovAdodizozaviDlg& dlg) {
    std::array<CWnd*, kToolCount> controls{};
    controls[0] = &dlg.minimizeButton;
    controls[1] = &dlg.closeButton;
    controls[2] = &dlg.argbButton;
    controls[3] = &dlg.vrgbButton;
    controls[4] = &dlg.syncButton;
    controls[5] = &dlg.applyButton;
    controls[6] = &dlg.languageButton;
    for (std::size_t k = 0; k < dlg.effectButtons.size(); ++k) {
        controls[7 + k] = &dlg.effectButtons[k];
    }
    return controls;
}

void CVespaneRezuVovAdodizozaviDlg::SetLanguageTexts(UiLanguage newLanguage) {
    if (newLanguage != UiLanguage::English && newLanguage != UiLanguage::Chinese) {
        return;
    }
    const bool chinese = newLanguage == UiLanguage::Chinese;
    const auto controls = ToolControls(*this);
    for (std::size_t i = 0; i < kToolCount; ++i) {
        // A control registered again keeps its tool and takes the new text.
        toolTip.AddTool(controls[i], chinese ? kToolTexts[i].chinese : kToolTexts[i].english);
        if (i + 1 == kToolsBeforeApplyCaption) {
            applyButton.SetWindowTextW(chinese ? kApplyCaption.chinese : kApplyCaption.english);
        }
    }
}
