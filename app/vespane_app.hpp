// The application object: prepares the common controls and the fonts, runs the main window as a
// modal dialog and lets the process end when it closes.
#pragma once

#include <functional>

#include "platform/wnd/afxwin.hpp"

class CVespaneRezuVovAdodizozaviDlg;

class CVespaneRezuVovAdodizozaviApp : public CWinApp {
  public:
    CVespaneRezuVovAdodizozaviApp() = default;

    // Runs the whole program; FALSE, so that no message loop follows the main window's own.
    BOOL InitInstance() override;

    // Called with the main window after it is constructed and before it starts up (the simulator
    // taps its link here). Empty for the program itself.
    std::function<void(CVespaneRezuVovAdodizozaviDlg&)> prepareMainWindow;
};
