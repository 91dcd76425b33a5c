// vr-screenshot: pictures of the main window, drawn by the program itself on the headless
// backend after its real start-up against the emulated controller (colour 61, 69, 255, 30 LEDs).
//
//   vr-screenshot ENGLISH.png [CHINESE.png]
#include <cstdio>
#include <string>

#include "tools/headless/headless_main_window.hpp"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: vr-screenshot ENGLISH.png [CHINESE.png]\n");
        return 2;
    }
    const std::string english = argv[1];
    const std::string chinese = argc == 3 ? argv[2] : "";

    const HeadlessMainWindow window({.red = 61, .green = 69, .blue = 255, .ledCount = 30});
    platform::HeadlessBackend& backend = window.backend();
    CVespaneRezuVovAdodizozaviDlg& dlg = window.dlg();

    bool saved = false;
    backend.AddStep([&] {
        window.MoveAway();  // off every control
        backend.Advance(1000);
        saved = backend.SavePng(dlg.m_hWnd, english);
        if (saved && !chinese.empty()) {
            backend.Click(window.Centre(dlg.languageButton));
            window.MoveAway();
            backend.Advance(1000);
            saved = backend.SavePng(dlg.m_hWnd, chinese);
        }
        backend.Click(window.Centre(dlg.closeButton));
    });
    dlg.DoModal();
    if (!saved) {
        std::fprintf(stderr, "vr-screenshot: cannot write the pictures\n");
        return 1;
    }
    return 0;
}
