// The real main window on the headless backend, in a platform context of its own (one may follow
// another), over the emulated machine with its controller started as asked, the application's
// fonts set up and an application object whose main window it is. For the tests, the benchmarks
// and vr-screenshot; DoModal on dlg() runs it.
#pragma once

#include <memory>

#include "mainwnd/main_window.hpp"
#include "platform/backend/headless/headless_backend.hpp"
#include "platform/context.hpp"
#include "platform/hid/emulated_system_bus.hpp"

class HeadlessMainWindow {
  public:
    explicit HeadlessMainWindow(const hid::ControllerStart& start = {});
    ~HeadlessMainWindow();
    HeadlessMainWindow(const HeadlessMainWindow&) = delete;
    HeadlessMainWindow& operator=(const HeadlessMainWindow&) = delete;

    CVespaneRezuVovAdodizozaviDlg& dlg() const { return *dlg_; }
    platform::HeadlessBackend& backend() const { return backend_; }
    hid::EmulatedController& controller() const { return controller_; }

    // Screen point of a control's centre.
    POINT Centre(const CWnd& control) const;
    // Puts the cursor somewhere that covers no window of the program.
    void MoveAway() const;

  private:
    platform::Context context_;  // first, so that it outlives the rest
    platform::HeadlessBackend& backend_;
    hid::EmulatedController& controller_;
    std::unique_ptr<CWinApp> app_;
    std::unique_ptr<CVespaneRezuVovAdodizozaviDlg> dlg_;
};
