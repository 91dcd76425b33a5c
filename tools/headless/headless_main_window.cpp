#include "tools/headless/headless_main_window.hpp"

#include "app/fonts.hpp"

HeadlessMainWindow::HeadlessMainWindow(const hid::ControllerStart& start)
    : backend_(platform::HeadlessBackend::Instance()), controller_(hid::StartController(start)) {
    backend_.MoveMouse(POINT{0, 0});
    SetUpFonts();
    app_ = std::make_unique<CWinApp>(L"vespane-rgb");
    dlg_ = std::make_unique<CVespaneRezuVovAdodizozaviDlg>();
    app_->m_pMainWnd = dlg_.get();
}

HeadlessMainWindow::~HeadlessMainWindow() {
    dlg_->DestroyWindow();
    app_->m_pMainWnd = nullptr;
}

POINT HeadlessMainWindow::Centre(const CWnd& control) const {
    RECT r{};
    control.GetWindowRect(&r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void HeadlessMainWindow::MoveAway() const {
    RECT r{};
    dlg_->GetWindowRect(&r);
    backend_.MoveMouse(POINT{r.right + 40, r.bottom + 40});
}
