// The user's commands, driven by clicks and keys at the controls, checked by the lighting state,
// the looks of the buttons, the message boxes and the reports the controller received.
#include <gtest/gtest.h>

#include <string>

#include "main_window_harness.hpp"
#include "platform/wnd/window_tree.hpp"

namespace {

constexpr std::uint8_t kSet = 0x02;

Report ArgbReport(std::uint8_t mode, std::uint8_t parameter, std::uint8_t r, std::uint8_t g,
                  std::uint8_t b) {
    return MakeReport({0x00, 0x80, 0x0B, kSet, 0x0F, mode, 0x00, parameter, 0x03, r, g, b});
}

Report VrgbReport(std::uint8_t mode, std::uint8_t parameter, std::uint8_t r, std::uint8_t g,
                  std::uint8_t b) {
    return MakeReport({0x00, 0x80, 0x04, kSet, mode, 0x00, parameter, 0x03, r, g, b});
}

bool Visible(const CWnd& wnd) {
    return wnd.IsWindowVisible() != FALSE;
}

int VisibleArgbOnlyEffects(CVespaneRezuVovAdodizozaviDlg& dlg) {
    int visible = 0;
    for (std::size_t k = 7; k < 24; ++k) {
        visible += Visible(dlg.effectButtons[k]) ? 1 : 0;
    }
    return visible;
}

// Exactly one effect button shows its selected image all the time: the one of `effect`.
void ExpectEffectLooks(CVespaneRezuVovAdodizozaviDlg& dlg, int effect) {
    for (int e = 1; e <= 24; ++e) {
        SCOPED_TRACE(e);
        const UINT unselected = e <= 7 ? 130 + 2 * e : 147 + 3 * (e - 8);
        const UINT selected = e <= 7 ? 129 + 2 * e : 145 + 3 * (e - 8);
        const CMPButton& button = dlg.effectButtons[static_cast<std::size_t>(e - 1)];
        EXPECT_EQ(button.normalBmp, e == effect ? selected : unselected);
        EXPECT_EQ(button.hotBmp, selected);
        EXPECT_EQ(button.disabledBmp, 0u);
    }
}

TEST(MainWindowApply, ArgbRightAfterStartSendsEffectEightWithTheSliderColour) {
    RunMainWindow({.red = 12, .green = 34, .blue = 56},
                  [&](MainWindowHarness& run, MainDialog& /*dlg*/) {
                      run.ExpectApplyWrites({ArgbReport(2, 3, 12, 34, 56)});
                      EXPECT_TRUE(run.backend().MessageBoxTexts().empty());
                  });
}

TEST(MainWindowApply, VrgbRightAfterStartAsksForAnEffectAndWritesNothing) {
    RunMainWindow([&](MainWindowHarness& run, MainDialog& dlg) {
        run.Click(dlg.vrgbButton);
        EXPECT_EQ(dlg.state.channel, 2);
        run.Click(dlg.applyButton);
        ASSERT_EQ(run.backend().MessageBoxTexts().size(), 1u);
        EXPECT_EQ(run.backend().MessageBoxTexts()[0],
                  L"Please select lamp effect before application!");
        EXPECT_EQ(run.backend().MessageBoxCaptions()[0], AppExecutableName());
        EXPECT_TRUE(run.ReceivedAfterStartup().empty());
        // In Chinese the same request comes in Chinese.
        run.Click(dlg.languageButton);
        run.Click(dlg.applyButton);
        ASSERT_EQ(run.backend().MessageBoxTexts().size(), 2u);
        EXPECT_EQ(run.backend().MessageBoxTexts()[1], L"应用之前，请选择灯效！");
        // With an effect the VRGB channel has, the report goes out.
        run.Click(dlg.effectButtons[4]);
        run.ExpectApplyWrites({VrgbReport(6, 5, 61, 69, 255)});
    });
}

TEST(MainWindowApply, SynchronizedBreatheWithPresetFiveWritesBothChannels) {
    RunMainWindow([&](MainWindowHarness& run, MainDialog& dlg) {
        run.Click(dlg.syncButton);
        run.Click(dlg.effectButtons[2]);
        run.Click(dlg.presetButtons[5]);
        EXPECT_EQ(dlg.state.colorPreset, 5);
        run.ExpectApplyWrites(
            {MakeReport({0x00, 0x80, 0x0B, 0x02, 0x0F, 0x08, 0x00, 0x01, 0x03, 0x00, 0xFF, 0x00}),
             MakeReport({0x00, 0x80, 0x04, 0x02, 0x03, 0x00, 0x01, 0x03, 0x00, 0xFF, 0x00})});
        EXPECT_TRUE(run.backend().MessageBoxTexts().empty());
    });
}

TEST(MainWindowApply, SynchronizedWithAnArgbOnlyEffectWritesArgbThenAsks) {
    RunMainWindow([&](MainWindowHarness& run, MainDialog& dlg) {
        run.Click(dlg.syncButton);
        // Effect 8 is ARGB only: no VRGB report is written.
        run.ExpectApplyWrites({ArgbReport(2, 3, 61, 69, 255)});
        ASSERT_EQ(run.backend().MessageBoxTexts().size(), 1u);
        EXPECT_EQ(run.backend().MessageBoxTexts()[0],
                  L"Please select lamp effect before application!");
    });
}

TEST(MainWindowApply, ChoosingThingsSendsNothingUntilApply) {
    RunMainWindow([&](MainWindowHarness& run, MainDialog& dlg) {
        run.ClickEach({&dlg.effectButtons[20], &dlg.presetButtons[1], &dlg.vrgbButton,
                       &dlg.argbButton, &dlg.languageButton, &dlg.syncButton, &dlg.syncButton});
        EXPECT_TRUE(run.ReceivedAfterStartup().empty());
        run.ExpectApplyWrites({ArgbReport(17, 6, 255, 49, 0)});
    });
}

TEST(MainWindowSync, OnHidesNineteenButtonsAndOffShowsThemAllAlsoAfterVrgb) {
    RunMainWindow([&](MainWindowHarness& run, MainDialog& dlg) {
        run.Click(dlg.vrgbButton);
        EXPECT_EQ(VisibleArgbOnlyEffects(dlg), 0);
        run.Click(dlg.syncButton);
        EXPECT_TRUE(SyncAll());
        EXPECT_EQ(dlg.syncButton.normalBmp, 205u);
        EXPECT_EQ(dlg.syncButton.hotBmp, 205u);
        EXPECT_EQ(VisibleArgbOnlyEffects(dlg), 0);
        EXPECT_FALSE(Visible(dlg.argbButton));
        EXPECT_FALSE(Visible(dlg.vrgbButton));
        for (std::size_t k = 0; k < 7; ++k) {
            EXPECT_TRUE(Visible(dlg.effectButtons[k]));
        }
        run.Click(dlg.syncButton);
        EXPECT_FALSE(SyncAll());
        EXPECT_EQ(dlg.syncButton.normalBmp, 204u);
        EXPECT_EQ(VisibleArgbOnlyEffects(dlg), 17) << "shown although VRGB is still chosen";
        EXPECT_TRUE(Visible(dlg.argbButton));
        EXPECT_TRUE(Visible(dlg.vrgbButton));
        EXPECT_EQ(dlg.state.channel, 2);
        // From the start state (ARGB): on hides 17 + 2, off shows all 19.
        run.Click(dlg.argbButton);
        run.Click(dlg.syncButton);
        int hidden = 0;
        for (HWND child : dlg.m_hWnd->children) {
            hidden += ::IsWindowVisible(child) ? 0 : 1;
        }
        EXPECT_EQ(hidden, 19);
        run.Click(dlg.syncButton);
        for (HWND child : dlg.m_hWnd->children) {
            EXPECT_TRUE(::IsWindowVisible(child)) << ::GetDlgCtrlID(child);
        }
    });
}

TEST(MainWindowChannels, VrgbHidesEffectsEightToTwentyFourAndKeepsTheChosenEffect) {
    RunMainWindow([&](MainWindowHarness& run, MainDialog& dlg) {
        run.Click(dlg.effectButtons[14]);
        run.Click(dlg.vrgbButton);
        EXPECT_EQ(dlg.state.channel, 2);
        EXPECT_EQ(dlg.state.effect, 15);
        EXPECT_EQ(VisibleArgbOnlyEffects(dlg), 0);
        EXPECT_EQ(dlg.argbButton.normalBmp, 200u);
        EXPECT_EQ(dlg.argbButton.hotBmp, 200u);
        EXPECT_EQ(dlg.vrgbButton.normalBmp, 203u);
        EXPECT_EQ(dlg.vrgbButton.hotBmp, 203u);
        run.Click(dlg.argbButton);
        EXPECT_EQ(dlg.state.channel, 1);
        EXPECT_EQ(VisibleArgbOnlyEffects(dlg), 17);
        EXPECT_EQ(dlg.argbButton.normalBmp, 201u);
        EXPECT_EQ(dlg.vrgbButton.normalBmp, 202u);
        EXPECT_EQ(dlg.vrgbButton.hotBmp, 202u);
        ExpectEffectLooks(dlg, 15);
        // The hidden buttons take no clicks while VRGB is chosen.
        run.Click(dlg.vrgbButton);
        const POINT hiddenButton = run.Centre(dlg.effectButtons[20]);
        run.backend().Click(hiddenButton);
        EXPECT_EQ(dlg.state.effect, 15);
    });
}

TEST(MainWindowChoices, EffectChoiceRedrawsTheWholeGroup) {
    RunMainWindow([&](MainWindowHarness& run, MainDialog& dlg) {
        run.Click(dlg.effectButtons[0]);
        EXPECT_EQ(dlg.state.effect, 1);
        ExpectEffectLooks(dlg, 1);
        run.Click(dlg.effectButtons[23]);
        EXPECT_EQ(dlg.state.effect, 24);
        ExpectEffectLooks(dlg, 24);
        EXPECT_EQ(dlg.state.channel, 1);
    });
}

TEST(MainWindowChoices, PresetNumbersAreNotInScreenOrder) {
    const std::int32_t numbers[] = {4, 3, 2, 7, 1, 5, 6, 8};
    const UINT unselected[] = {208, 214, 218, 216, 220, 212, 210, 222};
    RunMainWindow([&](MainWindowHarness& run, MainDialog& dlg) {
        for (std::size_t chosen : {4u, 0u, 7u, 2u}) {
            run.Click(dlg.presetButtons[chosen]);
            EXPECT_EQ(dlg.state.colorPreset, numbers[chosen]);
            for (std::size_t i = 0; i < 8; ++i) {
                EXPECT_EQ(dlg.presetButtons[i].normalBmp,
                          i == chosen ? unselected[i] + 1 : unselected[i]);
                EXPECT_EQ(dlg.presetButtons[i].hotBmp, unselected[i] + 1);
            }
        }
        // Sliders do not move with a preset.
        EXPECT_EQ(dlg.redSlider.position, 61);
    });
}

// The first point inside `control` (screen coordinates) where the window shows `pixel`.
std::optional<POINT> FindPixel(MainWindowHarness& run, const CWnd& control, std::uint32_t pixel) {
    RECT r{};
    control.GetWindowRect(&r);
    const POINT origin = run.Screen(0, 0);
    for (int y = r.top + 2; y < r.bottom - 2; ++y) {
        for (int x = r.left + 2; x < r.right - 2; ++x) {
            if (run.Pixel(x - origin.x, y - origin.y) == pixel &&
                ::WindowFromPoint(POINT{x, y}) == control.m_hWnd) {
                return POINT{x, y};
            }
        }
    }
    return std::nullopt;
}

TEST(MainWindowWheel, PureRedMovesTheSlidersAndRepaintsTextsAndPreview) {
    RunMainWindow([&](MainWindowHarness& run, MainDialog& dlg) {
        run.MoveAway();
        run.Click(dlg.presetButtons[6]);
        run.MoveAway();
        const auto red = FindPixel(run, dlg.colorWheel, 0xFF0000);
        ASSERT_TRUE(red.has_value()) << "the wheel holds pure red on its rim";
        run.backend().Click(*red);
        run.MoveAway();
        EXPECT_EQ(dlg.colorWheel.pickedColor, RGB(255, 0, 0));
        EXPECT_EQ(dlg.state.colorPreset, 0);
        ExpectSliderColour(dlg, 255, 0, 0);
        EXPECT_EQ(run.Pixel(615, 300), 0xFF0000u);
        // The swatch chosen before still looks selected.
        EXPECT_EQ(dlg.presetButtons[6].normalBmp, 211u);
        run.ExpectApplyWrites({ArgbReport(2, 3, 255, 0, 0)});
    });
}

TEST(MainWindowWheel, TheIgnoredColourOnlyResetsThePreset) {
    RunMainWindow({.red = 1, .green = 2, .blue = 3}, [&](MainWindowHarness& run, MainDialog& dlg) {
        run.MoveAway();
        run.Click(dlg.presetButtons[2]);
        run.MoveAway();
        EXPECT_EQ(dlg.state.colorPreset, 2);
        // What the screen shows under the press point is what the wheel samples.
        const POINT at = run.Centre(dlg.colorWheel);
        const POINT origin = run.Screen(0, 0);
        Surface* pixels = const_cast<Surface*>(run.backend().WindowPixels(dlg.m_hWnd));
        ASSERT_NE(pixels, nullptr);
        pixels->set(at.x - origin.x, at.y - origin.y, 0x0D1D25);
        run.backend().Press(at);
        run.backend().Release(at);
        EXPECT_EQ(dlg.colorWheel.pickedColor, RGB(13, 29, 37));
        EXPECT_EQ(dlg.state.colorPreset, 0);
        ExpectSliderColour(dlg, 1, 2, 3);
    });
}

// What the language switch changes on the window: the language label and two captions.
struct LanguageLook {
    UiLanguage language;
    const wchar_t* languageLabel;
    const wchar_t* ledQtyLabel;
    const wchar_t* applyCaption;
};

TEST(MainWindowLanguage, SwitchingTwiceReturnsEverythingToEnglish) {
    const LanguageLook looks[] = {
        {UiLanguage::Chinese, L"中文", L"灯数选择", L"灯效应用"},
        {UiLanguage::English, L"ENGLISH", L"Lights Qty", L"Apply"},
    };
    RunMainWindow([&](MainWindowHarness& run, MainDialog& dlg) {
        for (const LanguageLook& look : looks) {
            run.Click(dlg.languageButton);
            EXPECT_EQ(dlg.state.language, look.language);
            EXPECT_EQ(dlg.languageLabel.GetWindowTextString(), look.languageLabel);
            EXPECT_EQ(dlg.ledQtyLabel.GetWindowTextString(), look.ledQtyLabel);
            EXPECT_EQ(dlg.applyButton.GetWindowTextString(), look.applyCaption);
            EXPECT_EQ(dlg.toolTip.GetToolCount(), 31);
        }
        EXPECT_EQ(dlg.argbButton.normalBmp, 201u) << "no bitmap changes with the language";
    });
}

TEST(MainWindowKeys, EscapeAndHelpDoNothing) {
    MainWindowHarness run;
    auto& dlg = run.dlg();
    run.Step([&] {
        run.Click(dlg.effectButtons[5]);
        dlg.SetFocus();
        run.backend().Key(VK_ESCAPE);
        run.backend().Key(VK_F1);
        ::PostMessageW(dlg.m_hWnd, WM_COMMAND, ID_HELP, 0);
        ::PostMessageW(dlg.m_hWnd, WM_COMMAND, IDCANCEL, 0);
        run.backend().Pump();
        EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
        EXPECT_TRUE(dlg.IsWindowVisible());
        EXPECT_EQ(dlg.state.effect, 6);
        EXPECT_TRUE(run.ReceivedAfterStartup().empty());
    });
    // The window is still running: this step runs in its loop.
    bool stillRunning = false;
    run.Step([&] { stillRunning = true; });
    run.Run();
    EXPECT_TRUE(stillRunning);
}

TEST(MainWindowClose, CloseButtonEndsTheModalRun) {
    MainWindowHarness run;
    auto& dlg = run.dlg();
    bool ranAfterClose = false;
    run.Step([&] { run.Click(dlg.closeButton); });
    run.Step([&] { ranAfterClose = true; });
    EXPECT_EQ(run.Run(), IDOK);
    EXPECT_FALSE(ranAfterClose);
    EXPECT_FALSE(::IsWindow(dlg.m_hWnd) && dlg.IsWindowVisible());
}

// The desktop's close request (the window manager's close, the taskbar), Alt+F4 and the Close
// item of the system menu end the run as the close button does, writing nothing.
TEST(MainWindowClose, TheDesktopsCloseRequestAltF4AndTheSystemMenusCloseEndTheRun) {
    enum class Way { DesktopRequest, AltF4, SystemMenu };
    for (const Way way : {Way::DesktopRequest, Way::AltF4, Way::SystemMenu}) {
        SCOPED_TRACE(static_cast<int>(way));
        MainWindowHarness run;
        auto& dlg = run.dlg();
        bool ranAfterClose = false;
        run.Step([&] {
            dlg.SetFocus();
            if (way == Way::DesktopRequest) {
                platform::InputCloseRequested(dlg.m_hWnd);
            } else {
                run.backend().KeyDown(VK_MENU);
                run.backend().Key(way == Way::AltF4 ? VK_F4 : VK_SPACE);
                run.backend().KeyUp(VK_MENU);
            }
        });
        if (way == Way::SystemMenu) {
            // In the menu's loop: up from nothing is the last item (About), once more is Close.
            run.Step([&] {
                run.backend().Key(VK_UP);
                run.backend().Key(VK_UP);
                run.backend().Key(VK_RETURN);
            });
        }
        run.Step([&] { ranAfterClose = true; });
        EXPECT_EQ(run.Run(), IDOK);
        EXPECT_FALSE(ranAfterClose) << "the window kept running";
        EXPECT_TRUE(run.ReceivedAfterStartup().empty());
    }
}

// While a popup, a message box or the About box runs, the main window takes no close request;
// each of them takes its own: the popup closes without writing, the message box as with OK, the
// About box as with its button, and the main window runs on.
TEST(MainWindowClose, ACloseRequestGoesToTheWindowInFront) {
    MainWindowHarness run({.ledCount = 20});
    auto& dlg = run.dlg();
    HWND popup = nullptr;
    bool mainRanOn = false;
    run.Step([&] { run.Click(dlg.ledQtyButton); });
    run.Step([&] {
        const auto windows = run.OtherVisibleWindows();
        ASSERT_EQ(windows.size(), 1u);
        popup = windows[0];
        platform::InputCloseRequested(dlg.m_hWnd);
        run.backend().Pump();
        EXPECT_TRUE(::IsWindowVisible(popup)) << "the popup went with its disabled owner";
        platform::InputCloseRequested(popup);
    });
    run.Step([&] {
        EXPECT_TRUE(run.OtherVisibleWindows().empty()) << "the popup stayed";
        EXPECT_EQ(dlg.state.ledCount, 20);
        EXPECT_TRUE(run.ReceivedAfterStartup().empty());
        // VRGB with the start effect 8: the request to choose a VRGB effect.
        run.backend().SetAnswerMessageBoxes(false);
        run.Click(dlg.vrgbButton);
        run.Click(dlg.applyButton);
    });
    run.Step([&] {
        const HWND box = run.backend().OpenMessageBox();
        ASSERT_NE(box, nullptr);
        platform::InputCloseRequested(dlg.m_hWnd);
        run.backend().Pump();
        EXPECT_EQ(run.backend().OpenMessageBox(), box);
        platform::InputCloseRequested(box);
    });
    run.Step([&] {
        EXPECT_EQ(run.backend().OpenMessageBox(), nullptr) << "the message box stayed";
        ::PostMessageW(dlg.m_hWnd, WM_SYSCOMMAND, CVespaneRezuVovAdodizozaviDlg::kAboutCommand, 0);
        run.backend().Pump();
    });
    run.Step([&] {
        const auto windows = run.OtherVisibleWindows();
        ASSERT_EQ(windows.size(), 1u) << "no About box";
        platform::InputCloseRequested(windows[0]);
    });
    run.Step([&] {
        EXPECT_TRUE(run.OtherVisibleWindows().empty()) << "the About box stayed";
        mainRanOn = true;
    });
    EXPECT_EQ(run.Run(), IDOK);
    EXPECT_NE(popup, nullptr);
    EXPECT_TRUE(mainRanOn);
}

TEST(MainWindowPopup, ASecondClickWaitingBehindTheFirstOpensNoSecondPopup) {
    MainWindowHarness run({.ledCount = 20});
    auto& dlg = run.dlg();
    std::vector<std::size_t> open;
    run.Step([&] {
        const POINT arrow = run.Centre(dlg.ledQtyButton);
        run.backend().MoveMouse(arrow);
        // Two clicks that arrive together, before the program handles the first one: the first
        // click's command comes before the second click.
        for (int i = 0; i < 2; ++i) {
            platform::InputMouseButton(platform::MouseButton::Left, true, arrow);
            platform::InputMouseButton(platform::MouseButton::Left, false, arrow);
        }
        run.backend().Pump();
    });
    run.Step([&] {
        open.push_back(run.OtherVisibleWindows().size());
        run.backend().Key(VK_ESCAPE);
    });
    run.Step([&] { open.push_back(run.OtherVisibleWindows().size()); });
    run.Run();
    EXPECT_EQ(open, (std::vector<std::size_t>{1, 0}));
}

TEST(MainWindowPopup, LedQuantityButtonRunsThePopupModally) {
    MainWindowHarness run({.ledCount = 20});
    auto& dlg = run.dlg();
    std::vector<HWND> popups;
    run.Step([&] { run.Click(dlg.ledQtyButton); });
    run.Step([&] {
        popups = run.OtherVisibleWindows();
        ASSERT_EQ(popups.size(), 1u);
        // The main window takes no input while the popup runs.
        run.Click(dlg.effectButtons[0]);
        EXPECT_EQ(dlg.state.effect, 8);
        run.backend().Key(VK_ESCAPE);
    });
    run.Step([&] {
        EXPECT_TRUE(run.OtherVisibleWindows().empty());
        EXPECT_EQ(dlg.state.ledCount, 20);
        EXPECT_TRUE(run.ReceivedAfterStartup().empty());
    });
    run.Run();
    EXPECT_EQ(popups.size(), 1u);
}

TEST(MainWindowAbout, SystemCommandsSixteenToThirtyOneOpenTheAboutBox) {
    MainWindowHarness run;
    auto& dlg = run.dlg();
    std::vector<std::size_t> aboutBoxes;
    const auto closeAbout = [&] {
        const auto windows = run.OtherVisibleWindows();
        aboutBoxes.push_back(windows.size());
        ASSERT_EQ(windows.size(), 1u);
        HWND ok = ::GetDlgItem(windows[0], IDOK);
        ASSERT_NE(ok, nullptr);
        RECT r{};
        ::GetWindowRect(ok, &r);
        run.backend().Click(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    };
    run.Step([&] { ::PostMessageW(dlg.m_hWnd, WM_SYSCOMMAND, 16, 0); });
    run.Step(closeAbout);
    run.Step([&] { ::PostMessageW(dlg.m_hWnd, WM_SYSCOMMAND, 16 + 15, 0); });
    run.Step(closeAbout);
    run.Step([&] {
        EXPECT_TRUE(run.OtherVisibleWindows().empty());
        ::PostMessageW(dlg.m_hWnd, WM_SYSCOMMAND, 32, 0);
        run.backend().Pump();
        EXPECT_TRUE(run.OtherVisibleWindows().empty()) << "32 is not the About command";
        // Other system commands take the default path.
        ::SendMessageW(dlg.m_hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_TRUE(dlg.IsIconic());
        ::SendMessageW(dlg.m_hWnd, WM_SYSCOMMAND, SC_RESTORE, 0);
        EXPECT_FALSE(dlg.IsIconic());
    });
    run.Run();
    EXPECT_EQ(aboutBoxes, (std::vector<std::size_t>{1, 1}));
}

}  // namespace
