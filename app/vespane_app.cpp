#include "app/vespane_app.hpp"

#include <memory>

#include "app/fonts.hpp"
#include "mainwnd/main_window.hpp"

BOOL CVespaneRezuVovAdodizozaviApp::InitInstance() {
    INITCOMMONCONTROLSEX init;
    init.dwSize = 8;
    init.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&init);

    CWinApp::InitInstance();

    SetUpFonts();  // without the fonts every control keeps its default font

    // The main window is large; it lives on the heap for the length of its modal run.
    auto mainWindow = std::make_unique<CVespaneRezuVovAdodizozaviDlg>();
    m_pMainWnd = mainWindow.get();
    mainWindow->DoModal();
    mainWindow->DestroyWindow();
    m_pMainWnd = nullptr;
    return FALSE;
}
