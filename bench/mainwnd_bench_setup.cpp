#include "mainwnd_bench_setup.hpp"

#include "app/fonts.hpp"
#include "platform/hid/emulated_system_bus.hpp"

MainWindowBenchRun::MainWindowBenchRun() : backend_(platform::HeadlessBackend::Instance()) {
    backend_.MoveMouse(POINT{0, 0});
    syncAll = false;
    hid::EmulatedBus& bus = hid::EmulatedSystemBus();
    bus.clear();
    bus.addTypicalMachine();
    bus.controller().setPresent(true);
    bus.controller().state().ledCount = 30;
    bus.controller().clearReceived();
    SetUpFonts();
    app_ = std::make_unique<CWinApp>(L"vespane-rgb");
    dlg_ = std::make_unique<CVespaneRezuVovAdodizozaviDlg>();
    app_->m_pMainWnd = dlg_.get();
}

MainWindowBenchRun::~MainWindowBenchRun() {
    dlg_->DestroyWindow();
    app_->m_pMainWnd = nullptr;
}

POINT MainWindowBenchRun::Centre(const CWnd& control) const {
    RECT r{};
    control.GetWindowRect(&r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
