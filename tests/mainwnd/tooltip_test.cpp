// Tooltips in both languages, where there are none, and the framework's text requests.
#include <gtest/gtest.h>

#include <string>

#include "main_window_harness.hpp"
#include "mainwnd/language_texts.hpp"

namespace {

// The tip window as the tooltip draws `text`: white, a grey frame, the text in red 128, green 100,
// blue 255. Compares the inside of the frame with what the tip window shows.
void ExpectTipShows(MainWindowHarness& run, const std::wstring& text) {
    const HWND tip = run.dlg().toolTip.m_hWnd;
    ASSERT_TRUE(run.TipShown());
    const Surface* shown = run.backend().WindowPixels(tip);
    ASSERT_NE(shown, nullptr);
    CBitmap expected;
    expected.CreateBitmap(shown->width(), shown->height(), 1, 32, nullptr);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    const HGDIOBJ old = dc.SelectObject(&expected);
    dc.FillSolidRect(0, 0, shown->width(), shown->height(), RGB(255, 255, 255));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(128, 100, 255));
    dc.TextOutW(5, 4, text.c_str(), static_cast<int>(text.size()));
    int inked = 0;
    for (int y = 1; y + 1 < shown->height(); ++y) {
        for (int x = 1; x + 1 < shown->width(); ++x) {
            const std::uint32_t want = PixelFromColorref(dc.GetPixel(x, y));
            ASSERT_EQ(shown->at(x, y), want) << "at " << x << "," << y;
            inked += want != 0xFFFFFF ? 1 : 0;
        }
    }
    EXPECT_GT(inked, 0);
    dc.SelectObject(old);
}

void HoverAndWait(MainWindowHarness& run, const CWnd& control, DWORD ms) {
    run.MoveAway();
    run.backend().Advance(1000);
    run.backend().MoveMouse(run.Centre(control));
    run.backend().Advance(ms);
}

TEST(MainWindowTooltips, EffectFourteenShowsItsNameInBothLanguages) {
    RunMainWindow([&](MainWindowHarness& run, MainDialog& dlg) {
        HoverAndWait(run, dlg.effectButtons[13], 190);
        EXPECT_FALSE(run.TipShown()) << "the tip waits for its 200 ms";
        run.backend().Advance(20);
        ExpectTipShows(run, L"ColorCycle");
        // Only mouse moves reach the tooltip: a click where the cursor rests leaves the tip up.
        const POINT at = run.Centre(dlg.effectButtons[13]);
        run.backend().Press(at);
        run.backend().Release(at);
        EXPECT_EQ(dlg.state.effect, 14);
        EXPECT_TRUE(run.TipShown());

        run.Click(dlg.languageButton);
        EXPECT_EQ(dlg.state.language, UiLanguage::Chinese);
        HoverAndWait(run, dlg.effectButtons[13], 210);
        ExpectTipShows(run, L"彩色循环");

        run.Click(dlg.languageButton);
        EXPECT_EQ(dlg.state.language, UiLanguage::English);
        HoverAndWait(run, dlg.effectButtons[13], 210);
        ExpectTipShows(run, L"ColorCycle");

        // The other registered controls carry their own texts.
        HoverAndWait(run, dlg.applyButton, 210);
        ExpectTipShows(run, L"Apply all settings to the device.");
        HoverAndWait(run, dlg.closeButton, 210);
        ExpectTipShows(run, L"Exit");
    });
}

TEST(MainWindowTooltips, SwitchingTheLanguageTwiceGivesEveryToolItsEnglishTextBack) {
    RunMainWindow([&](MainWindowHarness& run, MainDialog& dlg) {
        run.Click(dlg.languageButton);
        run.Click(dlg.languageButton);
        ASSERT_EQ(dlg.state.language, UiLanguage::English);
        ASSERT_EQ(dlg.toolTip.GetToolCount(), 31);
        const auto controls = ToolControls(dlg);
        for (std::size_t i = 0; i < controls.size(); ++i) {
            SCOPED_TRACE(i);
            HoverAndWait(run, *controls[i], 210);
            ExpectTipShows(run, kToolTexts[i].english);
        }
    });
}

TEST(MainWindowTooltips, NoTipOverTheWheelASwatchASliderOrALabel) {
    RunMainWindow([&](MainWindowHarness& run, MainDialog& dlg) {
        const CWnd* silent[] = {&dlg.colorWheel,    &dlg.presetButtons[0], &dlg.presetButtons[7],
                                &dlg.redSlider,     &dlg.blueSlider,       &dlg.ledQtyButton,
                                &dlg.languageLabel, &dlg.ledCountLabel};
        for (const CWnd* control : silent) {
            HoverAndWait(run, *control, 1000);
            EXPECT_FALSE(run.TipShown()) << "over control " << control->GetDlgCtrlID();
        }
        // The same wait over a registered control does show a tip.
        HoverAndWait(run, dlg.syncButton, 1000);
        ExpectTipShows(run, L"Synchronize");
        // The skinned tooltip holds no tool and never shows.
        ASSERT_NE(dlg.skinToolTip.m_hWnd, nullptr);
        EXPECT_FALSE(dlg.skinToolTip.IsWindowVisible());
        EXPECT_EQ(dlg.skinToolTip.GetToolCount(), 0);
    });
}

TEST(MainWindowTooltips, FrameworkTextRequestGetsAnEmptyTextThatOutlivesTheCall) {
    RunMainWindow([&](MainWindowHarness& run, MainDialog& dlg) {
        TOOLTIPTEXTW info{};
        info.hdr.hwndFrom = dlg.m_hWnd;
        info.hdr.idFrom = 1528;
        info.hdr.code = TTN_GETDISPINFOW;
        info.uFlags = TTF_IDISHWND;
        ::SendMessageW(dlg.m_hWnd, WM_NOTIFY, 1528, reinterpret_cast<LPARAM>(&info));
        ASSERT_NE(info.lpszText, nullptr);
        run.backend().Pump();
        EXPECT_EQ(std::wstring(info.lpszText), L"");
        // A request naming a control as its sender is not this window's to answer.
        TOOLTIPTEXTW other{};
        other.hdr.hwndFrom = dlg.effectButtons[0].m_hWnd;
        other.hdr.code = TTN_GETDISPINFOW;
        ::SendMessageW(dlg.m_hWnd, WM_NOTIFY, 1515, reinterpret_cast<LPARAM>(&other));
        EXPECT_EQ(other.lpszText, nullptr);
    });
}

}  // namespace
