#include "main_window_harness.hpp"

#include <gtest/gtest.h>

#include "platform/wnd/window_tree.hpp"

namespace {

constexpr std::size_t kStartupQueries = 2;

}  // namespace

Report MakeReport(std::initializer_list<std::uint8_t> leading) {
    Report report{};
    std::size_t i = 0;
    for (std::uint8_t byte : leading) {
        report[i++] = byte;
    }
    return report;
}

const std::vector<Report>& MainWindowHarness::received() {
    return controller().received();
}

std::vector<Report> MainWindowHarness::ReceivedAfterStartup() {
    const auto& all = received();
    if (all.size() <= kStartupQueries) {
        return {};
    }
    return {all.begin() + kStartupQueries, all.end()};
}

void MainWindowHarness::ExpectApplyWrites(const std::vector<Report>& written) {
    const std::size_t before = received().size();
    Click(dlg().applyButton);
    const std::vector<Report> after(received().begin() + static_cast<std::ptrdiff_t>(before),
                                    received().end());
    EXPECT_EQ(after, written);
}

void MainWindowHarness::Step(std::function<void()> step) {
    backend().AddStep(std::move(step));
}

INT_PTR MainWindowHarness::Run() {
    Step([this] {
        if (dlg().IsIconic()) {
            dlg().ShowWindow(SW_RESTORE);
        }
        MoveAway();
        Click(dlg().closeButton);
    });
    return dlg().DoModal();
}

POINT MainWindowHarness::Screen(int clientX, int clientY) const {
    POINT p{clientX, clientY};
    dlg().ClientToScreen(&p);
    return p;
}

void MainWindowHarness::Click(const CWnd& control) {
    backend().Click(Centre(control));
}

void MainWindowHarness::ClickEach(std::initializer_list<const CWnd*> controls) {
    for (const CWnd* control : controls) {
        Click(*control);
    }
}

void MainWindowHarness::ClickClient(int clientX, int clientY) {
    backend().Click(Screen(clientX, clientY));
}

const Surface& MainWindowHarness::Pixels() const {
    const Surface* surface = backend().WindowPixels(dlg().m_hWnd);
    EXPECT_NE(surface, nullptr);
    static const Surface none;
    return surface != nullptr ? *surface : none;
}

std::uint32_t MainWindowHarness::Pixel(int clientX, int clientY) const {
    return Pixels().at(clientX, clientY);
}

std::vector<HWND> MainWindowHarness::OtherVisibleWindows() const {
    std::vector<HWND> windows;
    for (HWND w : platform::TopLevelWindows()) {
        if (w != dlg().m_hWnd && w->className != L"tooltips_class32" && ::IsWindowVisible(w)) {
            windows.push_back(w);
        }
    }
    return windows;
}

bool MainWindowHarness::TipShown() const {
    return ::IsWindowVisible(dlg().toolTip.m_hWnd) != FALSE;
}

void RunMainWindow(const hid::ControllerStart& start, const MainWindowStep& step) {
    MainWindowHarness run(start);
    run.Step([&] { step(run, run.dlg()); });
    run.Run();
}

void RunMainWindow(const MainWindowStep& step) {
    RunMainWindow(hid::ControllerStart{}, step);
}

void ExpectSliderColour(const CVespaneRezuVovAdodizozaviDlg& dlg, int red, int green, int blue) {
    EXPECT_EQ(dlg.redSlider.position, red);
    EXPECT_EQ(dlg.greenSlider.position, green);
    EXPECT_EQ(dlg.blueSlider.position, blue);
}
