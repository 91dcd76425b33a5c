// What reaches the screen for the commonest input, on the headless backend (the program's own
// CPU; what the X server does with the pixels is not counted): one step of a slider drag (CPU and
// the pixels handed to the backend) and one tick of a button's hover watch with the cursor resting
// on the button; the slider step and a whole repaint also with the window's surface at 2x.
#include <benchmark/benchmark.h>

#include "tools/headless/headless_main_window.hpp"

namespace {

// range(0): the device scale of the window's surface (its rendition drawn too above 1).
void BM_MainWindowSliderStep(benchmark::State& state) {
    HeadlessMainWindow run;
    run.backend().SetSurfaceScale(static_cast<int>(state.range(0)));
    auto& dlg = run.dlg();
    run.backend().AddStep([&] {
        RECT slider{};
        dlg.redSlider.GetWindowRect(&slider);
        const POINT press{slider.left + 10, slider.top + 6};
        run.backend().MoveMouse(press);
        run.backend().Press(press);
        const long long before = run.backend().PresentedPixels();
        int step = 0;
        for (auto _ : state) {
            // Back and forth over the track, two pixels a step.
            const int x = 10 + 2 * (step % 50 < 25 ? step % 50 : 50 - step % 50);
            run.backend().MoveMouse(POINT{slider.left + x, press.y});
            ++step;
        }
        state.counters["pixels_per_step"] = benchmark::Counter(
            static_cast<double>(run.backend().PresentedPixels() - before) / step);
        run.backend().Release(press);
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
}
BENCHMARK(BM_MainWindowSliderStep)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The whole window painted anew (the dialog and, as it does not clip them, its controls), at
// device scales 1 and 2.
void BM_MainWindowWholeRepaint(benchmark::State& state) {
    HeadlessMainWindow run;
    run.backend().SetSurfaceScale(static_cast<int>(state.range(0)));
    auto& dlg = run.dlg();
    run.backend().AddStep([&] {
        run.MoveAway();
        for (auto _ : state) {
            dlg.InvalidateRect(nullptr, TRUE);
            run.backend().Pump();
        }
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
}
BENCHMARK(BM_MainWindowWholeRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_MainWindowHoverTickOnApply(benchmark::State& state) {
    HeadlessMainWindow run;
    auto& dlg = run.dlg();
    run.backend().AddStep([&] {
        run.backend().MoveMouse(run.Centre(dlg.applyButton));
        run.backend().Advance(3000);  // the tooltip has come and gone
        for (auto _ : state) {
            run.backend().Advance(200);  // one hover watch tick
        }
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
}
BENCHMARK(BM_MainWindowHoverTickOnApply)->Unit(benchmark::kMicrosecond);

}  // namespace
