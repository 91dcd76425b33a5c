// A click on "Apply" (cursor move, press, release) to the moment its report is handed to the bus.
#include <benchmark/benchmark.h>

#include <chrono>

#include "platform/hid/emulated_system_bus.hpp"
#include "tools/headless/headless_main_window.hpp"

namespace {

using Clock = std::chrono::steady_clock;

void BM_MainWindowApplyClickToReport(benchmark::State& state) {
    HeadlessMainWindow run;
    auto& dlg = run.dlg();
    Clock::time_point handedOver;
    dlg.link.SetTap([&](ReportDirection direction, const DeviceReport&) {
        if (direction == ReportDirection::Write) {
            handedOver = Clock::now();
        }
    });
    run.backend().AddStep([&] {
        const POINT apply = run.Centre(dlg.applyButton);
        for (auto _ : state) {
            const auto start = Clock::now();
            run.backend().Click(apply);
            state.SetIterationTime(std::chrono::duration<double>(handedOver - start).count());
            hid::EmulatedSystemBus().controller().clearReceived();
        }
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
}
BENCHMARK(BM_MainWindowApplyClickToReport)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
