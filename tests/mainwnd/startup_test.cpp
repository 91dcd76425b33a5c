// The start-up of the main window: what it reads from the controller, the message without one,
// the control table, the system menu and the first look of the selection.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "app/fonts.hpp"
#include "main_window_harness.hpp"
#include "platform/wnd/window_tree.hpp"

namespace {

std::wstring TextOf(const CWnd& wnd) {
    return wnd.GetWindowTextString();
}

TEST(MainWindowStartup, WithControllerTakesItsColourAndCountWithoutMessage) {
    RunMainWindow(
        {.present = true, .red = 10, .green = 200, .blue = 30, .ledCount = 42},
        [&](MainWindowHarness& run, MainDialog& dlg) {
            EXPECT_TRUE(run.backend().MessageBoxTexts().empty());
            ExpectSliderColour(dlg, 10, 200, 30);
            EXPECT_EQ(dlg.state.ledCount, 42);
            EXPECT_EQ(TextOf(dlg.ledCountLabel), L"42");
            EXPECT_EQ(dlg.state.effect, 8);
            EXPECT_EQ(dlg.state.channel, 1);
            EXPECT_EQ(dlg.state.colorPreset, 0);
            EXPECT_EQ(dlg.state.language, UiLanguage::English);
            EXPECT_FALSE(SyncAll());
            // The two queries, in order: the ARGB state, then the LED count sent as it was (0).
            ASSERT_EQ(run.received().size(), 2u);
            EXPECT_EQ(run.received()[0], MakeReport({0x00, 0x80, 0x0B, 0x01, 0x0F, 0, 0, 0, 0x03}));
            EXPECT_EQ(run.received()[1], MakeReport({0x00, 0x80, 0x0D, 0x01, 0x00}));
        });
}

TEST(MainWindowStartup, SlidersHoldTheirStartColourUntilTheControllersColourIsRead) {
    MainWindowHarness run({.present = true, .red = 10, .green = 200, .blue = 30, .ledCount = 42});
    auto& dlg = run.dlg();
    // The slider positions as each start-up query reaches the controller.
    std::vector<std::array<int, 3>> atQuery;
    run.controller().setReceiveWatch([&](const Report&) {
        atQuery.push_back(
            {dlg.redSlider.position, dlg.greenSlider.position, dlg.blueSlider.position});
    });
    run.Step([&] {
        ASSERT_EQ(run.received().size(), 2u);
        ASSERT_EQ(atQuery.size(), 2u);
        // Created at 61, 69, 255; the colour query finds them there, the LED count query after
        // the answer has moved them.
        EXPECT_EQ(atQuery[0], (std::array<int, 3>{61, 69, 255}));
        EXPECT_EQ(atQuery[1], (std::array<int, 3>{10, 200, 30}));
        EXPECT_EQ(dlg.redSlider.position, 10);
        EXPECT_EQ(dlg.greenSlider.position, 200);
        EXPECT_EQ(dlg.blueSlider.position, 30);
    });
    run.Run();
}

TEST(MainWindowStartup, WithoutControllerShowsOneMessageAndZeros) {
    MainWindowHarness run({.present = false});
    auto& dlg = run.dlg();
    run.Step([&] {
        ASSERT_EQ(run.backend().MessageBoxTexts().size(), 1u);
        EXPECT_EQ(run.backend().MessageBoxTexts()[0], L"Hardware detection failed.");
        EXPECT_EQ(run.backend().MessageBoxCaptions()[0], AppExecutableName());
        ExpectSliderColour(dlg, 0, 0, 0);
        EXPECT_EQ(TextOf(dlg.ledCountLabel), L"0");
        EXPECT_EQ(dlg.state.effect, 8);
        EXPECT_EQ(dlg.state.channel, 1);
        EXPECT_EQ(dlg.effectButtons[7].normalBmp, 145u);
        EXPECT_EQ(dlg.argbButton.normalBmp, 201u);
        // The window stays usable: a click still reaches the commands.
        run.Click(dlg.effectButtons[2]);
        EXPECT_EQ(dlg.state.effect, 3);
    });
    run.Run();
    EXPECT_EQ(run.backend().MessageBoxTexts().size(), 1u);
}

TEST(MainWindowStartup, ControllerThatMayNotBeOpenedIsNamedInTheMessageAndOnStderr) {
    MainWindowHarness run({.present = false});
    hid::EmulatedInterface denied;
    denied.kind = hid::EmulatedInterface::Kind::Inert;
    denied.devicePath = hid::EmulatedBus::ControllerPath(7);
    denied.openError = std::strerror(EACCES);
    denied.attributes = {hid::EmulatedBus::kControllerVendorId,
                         hid::EmulatedBus::kControllerProductId, 0};
    hid::EmulatedSystemBus().add(denied);
    testing::internal::CaptureStderr();
    run.Step([&] {
        ASSERT_EQ(run.backend().MessageBoxTexts().size(), 1u);
        const std::wstring& text = run.backend().MessageBoxTexts()[0];
        EXPECT_EQ(text.rfind(L"Hardware detection failed.\n", 0), 0u) << text;
        const std::wstring node(L"/dev/hidraw" +
                                std::to_wstring(hid::EmulatedSystemBus().size() - 1));
        EXPECT_NE(text.find(node), std::wstring::npos) << text;
        EXPECT_NE(text.find(L"60-vespane-rgb.rules"), std::wstring::npos) << text;
        EXPECT_NE(text.find(L"replug"), std::wstring::npos) << text;
        EXPECT_EQ(run.backend().MessageBoxCaptions()[0], AppExecutableName());
    });
    run.Run();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find("60-vespane-rgb.rules"), std::string::npos) << err;
    EXPECT_NE(err.find(std::strerror(EACCES)), std::string::npos) << err;
}

TEST(MainWindowStartup, OtherDevicesThatMayNotBeOpenedLeaveThePlainMessage) {
    MainWindowHarness run({.present = false});
    hid::EmulatedInterface keyboard;
    keyboard.devicePath = hid::EmulatedBus::InterfacePath(0x046D, 0xC31C, "", 7);
    keyboard.openError = std::strerror(EACCES);
    keyboard.attributes = {0x046D, 0xC31C, 0};
    hid::EmulatedSystemBus().add(keyboard);
    hid::EmulatedInterface busy;
    busy.devicePath = hid::EmulatedBus::ControllerPath(8);
    busy.openError = std::strerror(EBUSY);
    busy.attributes = {hid::EmulatedBus::kControllerVendorId,
                       hid::EmulatedBus::kControllerProductId, 0};
    hid::EmulatedSystemBus().add(busy);
    const std::size_t openedBefore = hid::EmulatedSystemBus().openedNodes().size();
    run.Step([&] {
        ASSERT_EQ(run.backend().MessageBoxTexts().size(), 1u);
        EXPECT_EQ(run.backend().MessageBoxTexts()[0], L"Hardware detection failed.");
    });
    run.Run();
    // The keyboard was not even opened: its IDs are another device's.
    const auto& opened = hid::EmulatedSystemBus().openedNodes();
    EXPECT_EQ(std::count(opened.begin() + static_cast<std::ptrdiff_t>(openedBefore), opened.end(),
                         hid::EmulatedBus::NodeName(hid::EmulatedSystemBus().size() - 2)),
              0);
}

struct ExpectedControl {
    const wchar_t* className;
    RECT rect;
};

// The 47 controls of the window by ID (1500 + index), as the user sees them placed.
const ExpectedControl kExpectedControls[] = {
    {L"Button", {584, 45, 755, 216}},
    {L"Button", {653, 273, 682, 301}},
    {L"Button", {686, 273, 715, 301}},
    {L"Button", {719, 273, 748, 301}},
    {L"Button", {752, 273, 781, 301}},
    {L"Button", {653, 302, 682, 330}},
    {L"Button", {686, 302, 715, 330}},
    {L"Button", {719, 302, 748, 330}},
    {L"Button", {752, 302, 781, 330}},
    {L"Button", {586, 474, 780, 523}},
    {L"Button", {125, 294, 159, 313}},
    {L"Button", {408, 29, 480, 61}},
    {L"Button", {483, 29, 553, 61}},
    {L"Button", {737, 3, 761, 31}},
    {L"Button", {765, 3, 789, 31}},
    {L"Button", {37, 330, 97, 389}},
    {L"Button", {100, 330, 160, 389}},
    {L"Button", {163, 330, 222, 389}},
    {L"Button", {226, 330, 286, 389}},
    {L"Button", {289, 330, 348, 389}},
    {L"Button", {352, 330, 412, 389}},
    {L"Button", {415, 330, 475, 389}},
    {L"Button", {478, 330, 537, 389}},
    {L"Button", {37, 392, 97, 451}},
    {L"Button", {100, 392, 160, 451}},
    {L"Button", {163, 392, 222, 451}},
    {L"Button", {226, 392, 286, 451}},
    {L"Button", {289, 392, 348, 451}},
    {L"Button", {352, 392, 412, 451}},
    {L"Button", {415, 392, 475, 451}},
    {L"Button", {478, 392, 537, 451}},
    {L"Button", {37, 455, 97, 514}},
    {L"Button", {100, 455, 160, 514}},
    {L"Button", {163, 455, 222, 514}},
    {L"Button", {226, 455, 286, 514}},
    {L"Button", {289, 455, 348, 514}},
    {L"Button", {352, 455, 412, 514}},
    {L"Button", {415, 455, 475, 514}},
    {L"Button", {478, 455, 537, 514}},
    {L"msctls_trackbar32", {586, 363, 718, 375}},
    {L"msctls_trackbar32", {586, 403, 718, 415}},
    {L"msctls_trackbar32", {586, 443, 718, 455}},
    {L"Button", {529, 108, 546, 124}},
    {L"static", {493, 109, 523, 127}},
    {L"Button", {710, 7, 727, 23}},
    {L"static", {650, 5, 700, 23}},
    {L"static", {408, 104, 484, 134}},
};

TEST(MainWindowStartup, HasExactlyTheFortySevenTableControls) {
    RunMainWindow([&](MainWindowHarness& /*run*/, MainDialog& dlg) {
        const HWND main = dlg.m_hWnd;
        ASSERT_EQ(main->children.size(), std::size(kExpectedControls));
        for (std::size_t i = 0; i < std::size(kExpectedControls); ++i) {
            const int id = 1500 + static_cast<int>(i);
            SCOPED_TRACE(id);
            HWND child = ::GetDlgItem(main, id);
            ASSERT_NE(child, nullptr);
            EXPECT_EQ(::GetClassNameW(child), kExpectedControls[i].className);
            EXPECT_EQ(child->rect, kExpectedControls[i].rect);
            EXPECT_TRUE(::IsWindowVisible(child));
            EXPECT_EQ(::GetWindowLongW(child, GWL_STYLE) & 0x52000100, 0x52000100);
        }
        // The only caption is the one of "Apply"; the labels carry their texts.
        EXPECT_EQ(dlg.applyButton.GetWindowTextString(), L"Apply");
        EXPECT_EQ(dlg.languageLabel.GetWindowTextString(), L"ENGLISH");
        EXPECT_EQ(dlg.ledQtyLabel.GetWindowTextString(), L"Lights Qty");
        EXPECT_EQ(dlg.ledCountLabel.backColor, RGB(0, 20, 64));
        EXPECT_EQ(dlg.ledQtyLabel.backColor, RGB(0, 20, 64));
        EXPECT_EQ(dlg.languageLabel.backColor, CMPStatic{}.backColor);
        EXPECT_EQ(dlg.applyButton.font, AppFont(1));
        EXPECT_EQ(dlg.colorWheel.font, nullptr);
        EXPECT_TRUE(dlg.colorWheel.colorPick);
        RECT window{};
        dlg.GetWindowRect(&window);
        EXPECT_EQ(window.right - window.left, 800);
        EXPECT_EQ(window.bottom - window.top, 540);
        EXPECT_EQ(::GetPropW(main, L"MPBmpProp"), dlg.skinBitmap.GetSafeHandle());
        EXPECT_NE(dlg.skinBitmap.GetSafeHandle(), nullptr);
    });
}

TEST(MainWindowStartup, SystemMenuGainsOneSeparatorAndTheAboutItem) {
    RunMainWindow([&](MainWindowHarness& /*run*/, MainDialog& dlg) {
        // A window that never added anything shows what the system menu holds by itself.
        CWnd plain;
        plain.CreateEx(0, L"static", L"", WS_POPUP | WS_SYSMENU, RECT{0, 0, 10, 10}, nullptr, 0);
        const HMENU fresh = plain.GetSystemMenu(FALSE);
        const HMENU menu = dlg.GetSystemMenu(FALSE);
        ASSERT_NE(fresh, nullptr);
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->items.size(), fresh->items.size() + 2);
        const auto& separator = menu->items[menu->items.size() - 2];
        const auto& about = menu->items.back();
        EXPECT_EQ(separator.flags & MF_SEPARATOR, MF_SEPARATOR);
        EXPECT_EQ(about.id, 16u);
        EXPECT_EQ(about.text, L"关于 Vespane Rezu Vov Adodizozavi(&A)...");
        int separators = 0;
        for (const auto& item : menu->items) {
            separators += (item.flags & MF_SEPARATOR) != 0 ? 1 : 0;
        }
        int freshSeparators = 0;
        for (const auto& item : fresh->items) {
            freshSeparators += (item.flags & MF_SEPARATOR) != 0 ? 1 : 0;
        }
        EXPECT_EQ(separators, freshSeparators + 1);
    });
}

// The selection as the user sees it at start: ARGB chosen, effect 8, no swatch, sync off.
TEST(MainWindowStartup, FirstLookShowsTheStartSelection) {
    RunMainWindow([&](MainWindowHarness& run, MainDialog& dlg) {
        run.MoveAway();
        for (std::size_t k = 0; k < 24; ++k) {
            SCOPED_TRACE(k);
            const UINT e = static_cast<UINT>(k) + 1;
            const UINT unselected = e <= 7 ? 130 + 2 * e : 147 + 3 * (e - 8);
            EXPECT_EQ(dlg.effectButtons[k].normalBmp, k == 7 ? 145u : unselected);
        }
        EXPECT_EQ(dlg.argbButton.normalBmp, 201u);
        EXPECT_EQ(dlg.vrgbButton.normalBmp, 202u);
        EXPECT_EQ(dlg.vrgbButton.hotBmp, 203u);
        EXPECT_EQ(dlg.syncButton.normalBmp, 204u);
        const UINT presetNormals[] = {208, 214, 218, 216, 220, 212, 210, 222};
        for (std::size_t i = 0; i < 8; ++i) {
            EXPECT_EQ(dlg.presetButtons[i].normalBmp, presetNormals[i]);
        }
        // Effect 8's button shows its selected image on screen (its opaque pixels).
        const Surface selected = ResourcePixels(145);
        ASSERT_EQ(selected.width(), 59);
        int compared = 0;
        for (int y = 0; y < selected.height(); ++y) {
            for (int x = 0; x < selected.width(); ++x) {
                const std::uint32_t p = selected.at(x, y);
                const bool nearWhite =
                    (p & 0xFF) >= 253 && ((p >> 8) & 0xFF) >= 253 && ((p >> 16) & 0xFF) >= 253;
                if (nearWhite) {
                    continue;
                }
                ++compared;
                ASSERT_EQ(run.Pixel(478 + x, 330 + y), p) << x << "," << y;
            }
        }
        EXPECT_GT(compared, 59 * 59 / 2);
    });
}

}  // namespace

namespace {

// Painting, clicking and closing leave no drawing object behind once the window is gone.
TEST(MainWindowLifetime, ASessionLeavesNoDrawingObjectBehind) {
    {
        MainWindowHarness warmUp;
        warmUp.Run();
    }
    const std::size_t before = GdiLiveObjectCount();
    {
        RunMainWindow([](MainWindowHarness& run, MainDialog& dlg) {
            run.ClickEach({&dlg.effectButtons[3], &dlg.presetButtons[1], &dlg.languageButton,
                           &dlg.vrgbButton, &dlg.applyButton, &dlg.syncButton});
            run.backend().Drag(run.Centre(dlg.greenSlider), run.Screen(700, 409));
            run.MoveAway();
            run.backend().Advance(1000);
        });
    }
    EXPECT_EQ(GdiLiveObjectCount(), before);
}

}  // namespace
