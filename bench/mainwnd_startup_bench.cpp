// Start-up of the main window: from constructing it to the first idle moment of its modal loop,
// when every paint of the first frame is done. Also the peak resident memory after a start-up.
#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <string>

#include "tools/headless/headless_main_window.hpp"

namespace {

using Clock = std::chrono::steady_clock;

void BM_MainWindowStartupToFirstPaintedFrame(benchmark::State& state) {
    for (auto _ : state) {
        const auto start = Clock::now();
        HeadlessMainWindow run;
        Clock::time_point painted;
        run.backend().AddStep([&] {
            painted = Clock::now();
            run.dlg().EndDialog(IDOK);
        });
        run.dlg().DoModal();
        state.SetIterationTime(std::chrono::duration<double>(painted - start).count());
    }
}
BENCHMARK(BM_MainWindowStartupToFirstPaintedFrame)->UseManualTime()->Unit(benchmark::kMillisecond);

// VmHWM of /proc/self/status: the most resident memory the process has had, in kB.
long PeakResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

void BM_MainWindowPeakResidentMemoryAfterStartup(benchmark::State& state) {
    for (auto _ : state) {
        HeadlessMainWindow run;
        run.backend().AddStep([&] { run.dlg().EndDialog(IDOK); });
        run.dlg().DoModal();
    }
    state.counters["peak_rss_MB"] = static_cast<double>(PeakResidentKb()) / 1024.0;
}
BENCHMARK(BM_MainWindowPeakResidentMemoryAfterStartup)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
