// What the main window benchmarks share: a fresh platform context and headless desktop with the
// emulated controller present, the application's fonts, and an application object whose main window
// is the window.
#pragma once

#include <memory>

#include "mainwnd/main_window.hpp"
#include "platform/backend/headless/headless_backend.hpp"
#include "platform/context.hpp"

class MainWindowBenchRun {
  public:
    MainWindowBenchRun();
    ~MainWindowBenchRun();
    MainWindowBenchRun(const MainWindowBenchRun&) = delete;
    MainWindowBenchRun& operator=(const MainWindowBenchRun&) = delete;

    CVespaneRezuVovAdodizozaviDlg& dlg() { return *dlg_; }
    platform::HeadlessBackend& backend() { return backend_; }
    // Screen point of a control's centre.
    POINT Centre(const CWnd& control) const;

  private:
    platform::Context context_;  // first: outlives the windows
    platform::HeadlessBackend& backend_;
    std::unique_ptr<CWinApp> app_;
    std::unique_ptr<CVespaneRezuVovAdodizozaviDlg> dlg_;
};
