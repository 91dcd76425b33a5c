// Tooltips in both languages, where there are none, and the framework's text requests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// What the main window relays to its tooltip, seen through the window layer's hooks: each
// TTM_RELAYEVENT sent to the tooltip (with a copy of the message it carries), and each mouse
// message the program takes from the queue for the main window or one of its controls.
class RelayWatch {
  public:
    RelayWatch(HWND main, HWND tip)
        : sent_(SetWindowsHookExW(WH_CALLWNDPROC, &Sent, nullptr, 0)),
          taken_(SetWindowsHookExW(WH_GETMESSAGE, &Taken, nullptr, 0)) {
        main_ = main;
        tip_ = tip;
        Clear();
    }
    ~RelayWatch() {
        UnhookWindowsHookEx(sent_);
        UnhookWindowsHookEx(taken_);
    }
    RelayWatch(const RelayWatch&) = delete;
    RelayWatch& operator=(const RelayWatch&) = delete;

    static void Clear() {
        relayed.clear();
        moves.clear();
        buttons = 0;
    }
    bool Installed() const { return sent_ != nullptr && taken_ != nullptr; }

    static inline std::vector<MSG> relayed;  // the messages relayed, in order
    static inline std::vector<MSG> moves;    // the WM_MOUSEMOVE messages taken, in order
    static inline int buttons = 0;           // the button messages taken

  private:
    static LRESULT Sent(int /*code*/, WPARAM /*wParam*/, LPARAM lParam) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (sent->hwnd == tip_ && sent->message == TTM_RELAYEVENT && sent->lParam != 0) {
            relayed.push_back(*reinterpret_cast<const MSG*>(sent->lParam));
        }
        return 0;
    }
    static LRESULT Taken(int /*code*/, WPARAM /*wParam*/, LPARAM lParam) {
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (::GetAncestorTopLevel(msg->hwnd) != main_) {
            return 0;
        }
        if (msg->message == WM_MOUSEMOVE) {
            moves.push_back(*msg);
        } else if (msg->message >= WM_LBUTTONDOWN && msg->message <= WM_RBUTTONUP) {
            ++buttons;
        }
        return 0;
    }

    static inline HWND main_ = nullptr;
    static inline HWND tip_ = nullptr;
    HHOOK sent_;
    HHOOK taken_;
};

// The relayed messages are exactly the mouse moves taken: the same ones, once each, in order.
void ExpectEveryMoveRelayedOnce() {
    ASSERT_EQ(RelayWatch::relayed.size(), RelayWatch::moves.size());
    for (std::size_t i = 0; i < RelayWatch::moves.size(); ++i) {
        SCOPED_TRACE(i);
        const MSG& relayed = RelayWatch::relayed[i];
        const MSG& move = RelayWatch::moves[i];
        EXPECT_EQ(relayed.message, WM_MOUSEMOVE);
        EXPECT_EQ(relayed.hwnd, move.hwnd);
        EXPECT_EQ(relayed.lParam, move.lParam);
        EXPECT_EQ(relayed.pt, move.pt);
    }
}

TEST(MainWindowTooltips, EachMouseMoveIsRelayedOnceAndNoClickIs) {
    MainWindowHarness run;
    auto& dlg = run.dlg();
    run.Step([&] {
        run.MoveAway();
        RelayWatch watch(dlg.m_hWnd, dlg.toolTip.m_hWnd);
        ASSERT_TRUE(watch.Installed());

        // Moves over controls with tools, controls without, and the bare skin (which answers
        // HTCAPTION: no WM_MOUSEMOVE there).
        const CWnd* const path[] = {&dlg.effectButtons[0], &dlg.effectButtons[1], &dlg.redSlider,
                                    &dlg.colorWheel, &dlg.applyButton};
        for (const CWnd* control : path) {
            const POINT centre = run.Centre(*control);
            run.backend().MoveMouse(centre);
            run.backend().MoveMouse(POINT{centre.x + 2, centre.y + 1});
        }
        run.backend().MoveMouse(run.Screen(300, 20));
        run.backend().Advance(300);
        EXPECT_GE(RelayWatch::moves.size(), 10u);
        EXPECT_EQ(RelayWatch::buttons, 0);
        ExpectEveryMoveRelayedOnce();

        // Clicks where the pointer rests, on a button with a tool and on the skin, and a drag of a
        // slider: the presses and releases are taken but never relayed; only the moves are (also
        // the one that follows the button's release of the capture).
        RelayWatch::Clear();
        const POINT effect = run.Centre(dlg.effectButtons[2]);
        run.backend().MoveMouse(effect);
        for (int i = 0; i < 3; ++i) {
            run.backend().Press(effect);
            run.backend().Release(effect);
        }
        EXPECT_EQ(dlg.state.effect, 3);
        const POINT skin = run.Screen(300, 20);
        run.backend().MoveMouse(skin);
        run.backend().Press(skin);
        run.backend().Release(skin);
        const POINT slider = run.Centre(dlg.greenSlider);
        run.backend().Drag(slider, POINT{slider.x - 30, slider.y});
        EXPECT_EQ(RelayWatch::buttons, 8)
            << "the presses and releases on the effect and the slider";
        ExpectEveryMoveRelayedOnce();
        for (const MSG& relayed : RelayWatch::relayed) {
            EXPECT_EQ(relayed.message, WM_MOUSEMOVE);
        }
    });
    run.Run();
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
