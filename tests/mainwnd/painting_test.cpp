// What the main window paints itself, and its frame: value texts, the preview swatch, the
// repaint after a slider notification, dragging by the surface, the minimised state.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "controls/bitmap_slider.hpp"
#include "main_window_harness.hpp"

namespace {

constexpr RECT kRedValueBox{743, 358, 780, 378};
constexpr RECT kBlueValueBox{743, 438, 780, 458};
constexpr RECT kPreviewSwatch{585, 273, 645, 330};

// The skin with `text` drawn in the paint context's default font at `at`, in `color`: what the
// window must show in `box`.
void ExpectValueText(MainWindowHarness& run, const RECT& box, POINT at, COLORREF color,
                     const std::wstring& text) {
    CBitmap skin;
    ASSERT_TRUE(skin.LoadBitmapW(130));
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    const HGDIOBJ old = dc.SelectObject(&skin);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(color);
    dc.TextOutW(at.x, at.y, text.c_str(), static_cast<int>(text.size()));
    int inked = 0;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            const std::uint32_t want = PixelFromColorref(dc.GetPixel(x, y));
            ASSERT_EQ(run.Pixel(x, y), want)
                << "'" << std::string(text.begin(), text.end()) << "' at " << x << "," << y;
            inked += run.Pixel(x, y) == PixelFromColorref(color) ? 1 : 0;
        }
    }
    EXPECT_GT(inked, 0);
    dc.SelectObject(old);
}

// Moves the cursor off the window and lets the window paint all it has to.
void PaintEverything(MainWindowHarness& run) {
    run.MoveAway();
    run.backend().Pump();
}

// The part of the window that waits to be painted; nothing when it is all painted.
std::optional<RECT> WaitingToPaint(const MainDialog& dlg) {
    RECT dirty{};
    if (!::GetUpdateRect(dlg.m_hWnd, &dirty, FALSE)) return std::nullopt;
    return dirty;
}

TEST(MainWindowPainting, ValueTextsArePaddedToThreeCharacters) {
    RunMainWindow(
        {.red = 5, .green = 40, .blue = 255}, [&](MainWindowHarness& run, MainDialog& /*dlg*/) {
            run.MoveAway();
            run.backend().Pump();
            ExpectValueText(run, kRedValueBox, {753, 360}, RGB(255, 0, 0), L"  5");
            ExpectValueText(run, kBlueValueBox, {753, 438}, RGB(0, 0, 255), L"255");
            ExpectValueText(run, {743, 398, 780, 418}, {753, 398}, RGB(0, 255, 0), L" 40");
        });
}

TEST(MainWindowPainting, PreviewShowsTheWheelColourForCustomAndTheScreenColourOfAPreset) {
    RunMainWindow(
        {.red = 10, .green = 200, .blue = 30}, [&](MainWindowHarness& run, MainDialog& dlg) {
            run.MoveAway();
            // Preset 0: the wheel's colour, not the controller's colour in the sliders.
            EXPECT_EQ(run.Pixel(585, 273), 0x3D45FFu);
            EXPECT_EQ(run.Pixel(644, 329), 0x3D45FFu);
            EXPECT_EQ(run.Pixel(615, 300), 0x3D45FFu);
            run.Click(dlg.presetButtons[3]);
            run.MoveAway();
            EXPECT_EQ(dlg.state.colorPreset, 7);
            EXPECT_EQ(run.Pixel(585, 273), 0xE795C9u);
            EXPECT_EQ(run.Pixel(644, 329), 0xE795C9u);
            // Just outside the swatch the skin is untouched by the fill.
            EXPECT_NE(run.Pixel(584, 272), 0xE795C9u);
            EXPECT_NE(run.Pixel(645, 330), 0xE795C9u);
            // The controller receives the preset's LED colour, not the screen colour.
            run.ExpectApplyWrites(
                {MakeReport({0x00, 0x80, 0x0B, 0x02, 0x0F, 0x02, 0x00, 0x03, 0x03, 254, 27, 46})});
        });
}

TEST(MainWindowPainting, SliderNotificationRepaintsOnlyItsOwnRow) {
    RunMainWindow([&](MainWindowHarness& run, MainDialog& dlg) {
        PaintEverything(run);
        ASSERT_EQ(WaitingToPaint(dlg), std::nullopt);
        ::SendMessageW(dlg.m_hWnd, WM_SLIDER_TRACKING, 1600, 10);
        ::SendMessageW(dlg.m_hWnd, WM_SLIDER_SETTLED, 1546, 10);
        EXPECT_EQ(WaitingToPaint(dlg), std::nullopt) << "a foreign ID repaints nothing";
        ::SendMessageW(dlg.m_hWnd, WM_SLIDER_SETTLED, 1540, 10);
        EXPECT_EQ(WaitingToPaint(dlg), (RECT{743, 398, 780, 418}));
        run.backend().Pump();
    });
}

// Whether every rectangle lies inside one of `areas`.
bool AllInside(const std::vector<RECT>& rects, const std::vector<RECT>& areas) {
    return std::all_of(rects.begin(), rects.end(), [&](const RECT& r) {
        return std::any_of(areas.begin(), areas.end(), [&](const RECT& a) {
            return r.left >= a.left && r.top >= a.top && r.right <= a.right && r.bottom <= a.bottom;
        });
    });
}

TEST(MainWindowPainting, AValueTextRepaintShowsTheTextAndTheSwatchOnly) {
    RunMainWindow([&](MainWindowHarness& run, MainDialog& dlg) {
        PaintEverything(run);
        const int before = run.backend().PresentCount();
        ::SendMessageW(dlg.m_hWnd, WM_SLIDER_SETTLED, 1540, 10);
        run.backend().Pump();
        ASSERT_EQ(run.backend().PresentCount(), before + 1);
        // The paint's window DC fills the swatch whatever is being repainted.
        EXPECT_EQ(run.backend().LastPresent(),
                  (std::vector<RECT>{RECT{743, 398, 780, 418}, kPreviewSwatch}));
    });
}

TEST(MainWindowPainting, AWheelColourRepaintsTheValueColumnAndThePreviewTheIgnoredOneNothing) {
    RunMainWindow([&](MainWindowHarness& run, MainDialog& dlg) {
        PaintEverything(run);
        ASSERT_EQ(WaitingToPaint(dlg), std::nullopt);
        // The command the wheel posts for a press on a pixel of that colour.
        const auto wheelCommand = [&](COLORREF picked) {
            dlg.colorWheel.pickedColor = picked;
            ::SendMessageW(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(1500, BN_CLICKED),
                           reinterpret_cast<LPARAM>(dlg.colorWheel.m_hWnd));
        };
        wheelCommand(RGB(13, 29, 37));
        EXPECT_EQ(WaitingToPaint(dlg), std::nullopt)
            << "the ignored colour redraws nothing of the window";
        EXPECT_EQ(dlg.redSlider.position, 61);
        // A colour one step off the ignored one is taken.
        wheelCommand(RGB(13, 29, 38));
        // The bounds of the column and the preview: without either, they shrink to the other.
        EXPECT_EQ(WaitingToPaint(dlg), (RECT{585, 273, 780, 456}));
        EXPECT_EQ(dlg.blueSlider.position, 38);
    });
}

TEST(MainWindowPainting, ASliderStepShowsTheSliderItsValueAndTheSwatchOnly) {
    RunMainWindow({.red = 61}, [&](MainWindowHarness& run, MainDialog& dlg) {
        RECT slider{};
        dlg.redSlider.GetWindowRect(&slider);
        RECT window{};
        dlg.GetWindowRect(&window);
        const RECT sliderArea{slider.left - window.left, slider.top - window.top,
                              slider.right - window.left, slider.bottom - window.top};
        const POINT press{slider.left + 30, slider.top + 6};
        run.backend().MoveMouse(press);
        run.backend().Press(press);
        for (int step = 1; step <= 3; ++step) {
            const int presents = run.backend().PresentCount();
            const long long pixels = run.backend().PresentedPixels();
            run.backend().MoveMouse(POINT{press.x + 4 * step, press.y});
            ASSERT_EQ(run.backend().PresentCount(), presents + 1);
            EXPECT_TRUE(
                AllInside(run.backend().LastPresent(), {sliderArea, kRedValueBox, kPreviewSwatch}));
            EXPECT_LT(run.backend().PresentedPixels() - pixels, 10000);
        }
        run.backend().Release(POINT{press.x + 12, press.y});
        run.MoveAway();
    });
}

TEST(MainWindowPainting, DraggingASliderUpdatesItsValueTextOnly) {
    RunMainWindow({.red = 61}, [&](MainWindowHarness& run, MainDialog& dlg) {
        // Press at x = 100 of the red slider: the thumb jumps to position 195.
        RECT slider{};
        dlg.redSlider.GetWindowRect(&slider);
        run.backend().Click(POINT{slider.left + 100, slider.top + 6});
        run.MoveAway();
        EXPECT_EQ(dlg.redSlider.position, 195);
        EXPECT_EQ(dlg.state.colorPreset, 0);
        EXPECT_TRUE(run.ReceivedAfterStartup().empty());
        ExpectValueText(run, kRedValueBox, {753, 360}, RGB(255, 0, 0), L"195");
        EXPECT_EQ(run.Pixel(615, 300), 0x3D45FFu) << "the preview keeps the wheel's colour";
    });
}

TEST(MainWindowFrame, DragsByItsSurfaceButNotByItsButtons) {
    RunMainWindow([&](MainWindowHarness& run, MainDialog& dlg) {
        RECT before{};
        dlg.GetWindowRect(&before);
        // The white preview square is part of the surface.
        run.backend().Drag(run.Screen(600, 290), run.Screen(650, 320));
        RECT after{};
        dlg.GetWindowRect(&after);
        EXPECT_EQ(after.left - before.left, 50);
        EXPECT_EQ(after.top - before.top, 30);
        EXPECT_EQ(after.right - after.left, 800);

        const POINT from = run.Centre(dlg.effectButtons[0]);
        run.backend().Drag(from, POINT{from.x + 40, from.y + 40});
        RECT unmoved{};
        dlg.GetWindowRect(&unmoved);
        EXPECT_EQ(unmoved, after);
        EXPECT_EQ(dlg.state.effect, 1) << "the drag over a button is that button's click";
    });
}

TEST(MainWindowFrame, MinimiseButtonIconisesTheWindow) {
    RunMainWindow([&](MainWindowHarness& run, MainDialog& dlg) {
        run.Click(dlg.minimizeButton);
        EXPECT_TRUE(dlg.IsIconic());
        EXPECT_EQ(::SendMessageW(dlg.m_hWnd, WM_QUERYDRAGICON, 0, 0),
                  reinterpret_cast<LRESULT>(dlg.hIcon));
        dlg.ShowWindow(SW_RESTORE);
        run.backend().Pump();
        EXPECT_FALSE(dlg.IsIconic());
        EXPECT_EQ(run.Pixel(615, 300), 0x3D45FFu);
    });
}

}  // namespace
