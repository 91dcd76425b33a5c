// Runs the real main window on the headless backend, in a platform context of its own (a test may
// make several harnesses one after another): the emulated controller set up first, the window's
// own start-up, then the test's steps inside its modal loop, driven by mouse and keys.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/bitmap_pixels.hpp"
#include "tools/headless/headless_main_window.hpp"

using Report = hid::EmulatedController::Report;

// A report as the controller receives it: the given leading bytes, zeros up to byte 64.
Report MakeReport(std::initializer_list<std::uint8_t> leading);

class MainWindowHarness : public HeadlessMainWindow {
  public:
    explicit MainWindowHarness(const hid::ControllerStart& start = {})
        : HeadlessMainWindow(start) {}

    // A step that runs inside a modal loop when it is idle; steps run one at a time, in order.
    void Step(std::function<void()> step);
    // Runs the main window until it ends: its start-up, the steps, and (unless a step closed the
    // window) a click on the close button. Returns the result of the modal run.
    INT_PTR Run();

    const std::vector<Report>& received();
    // Reports received since the start-up's two queries.
    std::vector<Report> ReceivedAfterStartup();
    // Clicks "Apply" and expects the controller to receive `written` from it, in that order.
    void ExpectApplyWrites(const std::vector<Report>& written);

    // Screen point of a client point of the main window.
    POINT Screen(int clientX, int clientY) const;
    void Click(const CWnd& control);
    // Clicks the controls one after the other.
    void ClickEach(std::initializer_list<const CWnd*> controls);
    void ClickClient(int clientX, int clientY);

    // The main window's pixel at a client point (0x00RRGGBB).
    std::uint32_t Pixel(int clientX, int clientY) const;
    const Surface& Pixels() const;

    // The visible top-level windows other than the main window and the tooltips.
    std::vector<HWND> OtherVisibleWindows() const;
    // Whether the main window's tooltip shows its tip now.
    bool TipShown() const;
};

using MainDialog = CVespaneRezuVovAdodizozaviDlg;
using MainWindowStep = std::function<void(MainWindowHarness& run, MainDialog& dlg)>;

// One run of the main window over the controller started as `start` says: its start-up, `step`
// inside its modal loop, then a click on the close button.
void RunMainWindow(const hid::ControllerStart& start, const MainWindowStep& step);
// The same over the emulated controller's defaults.
void RunMainWindow(const MainWindowStep& step);

// The custom colour as the three sliders hold it.
void ExpectSliderColour(const CVespaneRezuVovAdodizozaviDlg& dlg, int red, int green, int blue);
