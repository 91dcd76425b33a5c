// What a present costs on a real X server at the desktop's scale: the program's copy of the
// rectangles into SDL's window surface and SDL's update of the X window (it waits for the
// server). The whole 800 x 540 window, and the rectangles of one slider step (slider, value
// column, preview swatch). Run it at each scale through the X runner, for instance:
//
//   VESPANE_RGB_SCALE=2 tests/x11/with_x.sh --screen 3000x2000x24 build/bench/sdl_present_bench
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "mainwnd/painting.hpp"
#include "platform/backend/backend.hpp"
#include "platform/context.hpp"
#include "platform/gdi/gdi.hpp"
#include "platform/wnd/input.hpp"
#include "platform/wnd/wnd.hpp"
#include "res/skin_layout.hpp"

namespace {

constexpr wchar_t kClassName[] = L"VrPresentBench";
constexpr int kWidth = 800;
constexpr int kHeight = 540;

// Bands of colour over the whole window.
LRESULT PaintBands(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    for (int band = 0; band < kHeight / 20; ++band) {
        HBRUSH brush = CreateSolidBrush(RGB(band * 9, 255 - band * 9, 96));
        const RECT rect{0, band * 20, kWidth, band * 20 + 20};
        FillRect(dc, &rect, brush);
        DeleteObject(brush);
    }
    EndPaint(hwnd, &paint);
    return 0;
}

void Present(benchmark::State& state, HWND window, const std::vector<RECT>& damage) {
    platform::Backend& backend = platform::ActiveBackend();
    for (auto _ : state) {
        backend.Present(window, damage);
    }
    long long pixels = 0;
    for (const RECT& r : damage) {
        pixels += static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
    }
    state.counters["pixels"] = static_cast<double>(pixels);
}

// The desktop's scale as the backend chose it: device pixels of the screen per logical one.
int ChosenScale() {
    SDL_Rect bounds{};
    const int logical = GetSystemMetrics(SM_CXSCREEN);
    if (SDL_GetDisplayBounds(0, &bounds) != 0 || logical <= 0) {
        return 0;
    }
    return bounds.w / logical;
}

}  // namespace

int main(int argc, char** argv) {
    const platform::Context context;
    RegisterClassW(kClassName, &PaintBands);
    HWND window = CreateWindowExW(0, kClassName, L"present bench", WS_POPUP, 0, 0, kWidth, kHeight,
                                  nullptr, 0, nullptr);
    if (window == nullptr) {
        std::fputs("sdl_present_bench: cannot create the window\n", stderr);
        return 1;
    }
    ShowWindow(window, SW_SHOW);
    // Painted and presented once, which maps it; then the server's answers are taken in.
    platform::ProcessPendingWork();
    for (int i = 0; i < 5; ++i) {
        platform::ActiveBackend().WaitForInput(50);
        platform::ProcessPendingWork();
    }
    std::printf("scale %d\n", ChosenScale());

    const std::vector<RECT> whole{RECT{0, 0, kWidth, kHeight}};
    const std::vector<RECT> sliderStep{
        RECT{skin::kSliderX, skin::kSliderY[0], skin::kSliderX + skin::kSliderWidth,
             skin::kSliderY[0] + skin::kSliderHeight},
        kValueColumnRect, kPreviewRect};
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("BM_PresentWholeWindow", [&](benchmark::State& state) {
        Present(state, window, whole);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_PresentSliderStep", [&](benchmark::State& state) {
        Present(state, window, sliderStep);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    DestroyWindow(window);
    return 0;
}
