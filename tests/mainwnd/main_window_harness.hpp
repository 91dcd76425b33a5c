// Runs the real main window on the headless backend, in a platform context of its own (a test may
// make several harnesses one after another): the emulated controller set up first, the window's
// own start-up, then the test's steps inside its modal loop, driven by mouse and keys.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "mainwnd/main_window.hpp"
#include "platform/backend/headless/headless_backend.hpp"
#include "platform/context.hpp"
#include "platform/hid/emulated_system_bus.hpp"

struct ControllerSetup {
    bool present = true;
    std::uint8_t red = 61;
    std::uint8_t green = 69;
    std::uint8_t blue = 255;
    std::uint8_t ledCount = 30;
};

using Report = hid::EmulatedController::Report;

// A report as the controller receives it: the given leading bytes, zeros up to byte 64.
Report MakeReport(std::initializer_list<std::uint8_t> leading);

class MainWindowHarness {
  public:
    explicit MainWindowHarness(ControllerSetup setup = {});
    ~MainWindowHarness();
    MainWindowHarness(const MainWindowHarness&) = delete;
    MainWindowHarness& operator=(const MainWindowHarness&) = delete;

    // A step that runs inside a modal loop when it is idle; steps run one at a time, in order.
    void Step(std::function<void()> step);
    // Runs the main window until it ends: its start-up, the steps, and (unless a step closed the
    // window) a click on the close button. Returns the result of the modal run.
    INT_PTR Run();

    CVespaneRezuVovAdodizozaviDlg& dlg() { return *dlg_; }
    platform::HeadlessBackend& backend() { return backend_; }
    hid::EmulatedController& controller();
    const std::vector<Report>& received();
    // Reports received since the start-up's two queries.
    std::vector<Report> ReceivedAfterStartup();
    // Clicks "Apply" and expects the controller to receive `written` from it, in that order.
    void ExpectApplyWrites(const std::vector<Report>& written);

    // Screen point of a client point of the main window, and of a control's centre.
    POINT Screen(int clientX, int clientY) const;
    POINT Centre(const CWnd& control) const;
    void Click(const CWnd& control);
    void ClickClient(int clientX, int clientY);
    // Puts the cursor somewhere that covers no window of the program.
    void MoveAway();

    // The main window's pixel at a client point (0x00RRGGBB).
    std::uint32_t Pixel(int clientX, int clientY) const;
    const Surface& Pixels() const;

    // The visible top-level windows other than the main window and the tooltips.
    std::vector<HWND> OtherVisibleWindows() const;
    // Whether the main window's tooltip shows its tip now.
    bool TipShown() const;

  private:
    platform::Context context_;  // the harness's own, fresh: first, so that it outlives the rest
    platform::HeadlessBackend& backend_;
    std::unique_ptr<CWinApp> app_;
    std::unique_ptr<CVespaneRezuVovAdodizozaviDlg> dlg_;
};

using MainDialog = CVespaneRezuVovAdodizozaviDlg;
using MainWindowStep = std::function<void(MainWindowHarness& run, MainDialog& dlg)>;

// One run of the main window over the controller `setup` describes: its start-up, `step` inside
// its modal loop, then a click on the close button.
void RunMainWindow(const ControllerSetup& setup, const MainWindowStep& step);
// The same over the emulated controller's defaults.
void RunMainWindow(const MainWindowStep& step);

// The bitmap resource's pixels (0x00RRGGBB), empty when there is none.
Surface ResourcePixels(UINT resourceId);

// The custom colour as the three sliders hold it.
void ExpectSliderColour(const CVespaneRezuVovAdodizozaviDlg& dlg, int red, int green, int blue);
