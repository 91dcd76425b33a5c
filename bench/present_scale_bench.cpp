// The scaled copy behind every present (the program's CPU only, no display): the whole 800 x 540
// window and the rectangles one slider step repaints (slider, value column, preview swatch), at
// scales 1 to 4, each logical pixel written as a block of device pixels.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "mainwnd/painting.hpp"
#include "platform/backend/sdl/device_scale.hpp"
#include "res/skin_layout.hpp"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 540;

std::vector<RECT> SliderStepDamage() {
    return {RECT{skin::kSliderX, skin::kSliderY[0], skin::kSliderX + skin::kSliderWidth,
                 skin::kSliderY[0] + skin::kSliderHeight},
            kValueColumnRect, kPreviewRect};
}

void CopyAtScale(benchmark::State& state, const std::vector<RECT>& areas) {
    const int factor = static_cast<int>(state.range(0));
    Surface source(kWidth, kHeight, 0x203040);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; x += 7) source.set(x, y, static_cast<std::uint32_t>(x * y));
    }
    const int pitch = kWidth * factor;
    std::vector<std::uint32_t> device(static_cast<std::size_t>(pitch) *
                                      static_cast<std::size_t>(kHeight * factor));
    long long pixels = 0;
    for (auto _ : state) {
        for (const RECT& r : areas) {
            std::uint32_t* corner = device.data() +
                                    static_cast<std::ptrdiff_t>(r.top) * factor * pitch +
                                    static_cast<std::ptrdiff_t>(r.left) * factor;
            platform::sdl::CopyScaled(source, r, factor, corner,
                                      static_cast<std::ptrdiff_t>(pitch) * 4);
            pixels +=
                static_cast<long long>(r.right - r.left) * (r.bottom - r.top) * factor * factor;
        }
        benchmark::DoNotOptimize(device.data());
        benchmark::ClobberMemory();
    }
    state.counters["device_pixels"] =
        benchmark::Counter(static_cast<double>(pixels) / static_cast<double>(state.iterations()));
}

void BM_CopyScaledWholeWindow(benchmark::State& state) {
    CopyAtScale(state, {RECT{0, 0, kWidth, kHeight}});
}
BENCHMARK(BM_CopyScaledWholeWindow)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

void BM_CopyScaledSliderStep(benchmark::State& state) {
    CopyAtScale(state, SliderStepDamage());
}
BENCHMARK(BM_CopyScaledSliderStep)->DenseRange(1, 4)->Unit(benchmark::kMicrosecond);

}  // namespace
