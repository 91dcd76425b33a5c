// vr-screenshot: pictures of the main window, drawn by the program itself on the headless
// backend after its real start-up against the emulated controller (colour 61, 69, 255, 30 LEDs).
//
//   vr-screenshot ENGLISH.png [CHINESE.png]
#include <cstdio>
#include <string>

#include "app/fonts.hpp"
#include "mainwnd/main_window.hpp"
#include "platform/backend/headless/headless_backend.hpp"
#include "platform/context.hpp"
#include "platform/hid/emulated_system_bus.hpp"

namespace {

POINT CentreOf(const CWnd& control) {
    RECT r{};
    control.GetWindowRect(&r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: vr-screenshot ENGLISH.png [CHINESE.png]\n");
        return 2;
    }
    const std::string english = argv[1];
    const std::string chinese = argc == 3 ? argv[2] : "";

    const platform::Context context;
    platform::HeadlessBackend& backend = platform::HeadlessBackend::Instance();
    hid::EmulatedBus& bus = hid::EmulatedSystemBus();
    bus.clear();
    bus.addTypicalMachine();
    hid::EmulatedControllerState& state = bus.controller().state();
    state.argb.red = 61;
    state.argb.green = 69;
    state.argb.blue = 255;
    state.ledCount = 30;

    SetUpFonts();
    CWinApp app(L"vespane-rgb");
    CVespaneRezuVovAdodizozaviDlg dlg;
    app.m_pMainWnd = &dlg;

    bool saved = false;
    backend.AddStep([&] {
        RECT window{};
        dlg.GetWindowRect(&window);
        const POINT away{window.right + 40, window.bottom + 40};  // off every control
        backend.MoveMouse(away);
        backend.Advance(1000);
        saved = backend.SavePng(dlg.m_hWnd, english);
        if (saved && !chinese.empty()) {
            backend.Click(CentreOf(dlg.languageButton));
            backend.MoveMouse(away);
            backend.Advance(1000);
            saved = backend.SavePng(dlg.m_hWnd, chinese);
        }
        backend.Click(CentreOf(dlg.closeButton));
    });
    dlg.DoModal();
    app.m_pMainWnd = nullptr;
    if (!saved) {
        std::fprintf(stderr, "vr-screenshot: cannot write the pictures\n");
        return 1;
    }
    return 0;
}
