// The application object: prepares the common controls and the fonts, runs the main window as a
// modal dialog and lets the process end when it closes.
#pragma once

#include "platform/wnd/afxwin.hpp"

class CVespaneRezuVovAdodizozaviApp : public CWinApp {
  public:
    CVespaneRezuVovAdodizozaviApp() = default;

    // Runs the whole program; FALSE, so that no message loop follows the main window's own.
    BOOL InitInstance() override;
};
