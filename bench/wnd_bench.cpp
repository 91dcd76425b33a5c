// Window layer figures on the headless backend: WindowFromPoint over 50 shaped children (the
// effect grid and the other buttons of the main window), a posted message's round trip, and a
// paint pass over every child of such a window.
#include <benchmark/benchmark.h>

#include <vector>

#include "platform/backend/headless/headless_backend.hpp"
#include "platform/context.hpp"
#include "platform/wnd/afxwin.hpp"

namespace {

class Plain : public CWnd {};

// In a platform context of its own, made first and destroyed last.
struct ShapedWindow {
    platform::Context context;
    Plain top;
    std::vector<Plain> children = std::vector<Plain>(50);

    ShapedWindow() {
        RegisterClassW(L"VrBenchWindow", DefWindowProcW);
        top.CreateEx(0, L"VrBenchWindow", L"", WS_POPUP | WS_VISIBLE, RECT{100, 100, 900, 640},
                     nullptr, 0);
        top.SetWindowRgn(CreateRoundRectRgn(0, 0, 800, 540, 40, 40), FALSE);
        // Shaped like the main window (its skin cuts the corners), with ten by five children of 60
        // x 40, each shaped as a rounded rectangle.
        for (int i = 0; i < 50; ++i) {
            const int x = 20 + (i % 10) * 75;
            const int y = 60 + (i / 10) * 60;
            children[static_cast<std::size_t>(i)].CreateEx(
                0, L"VrBenchWindow", L"", WS_CHILD | WS_VISIBLE, RECT{x, y, x + 60, y + 40}, &top,
                1500 + i);
            children[static_cast<std::size_t>(i)].SetWindowRgn(
                CreateRoundRectRgn(0, 0, 60, 40, 20, 20), FALSE);
        }
        platform::HeadlessBackend::Instance().Pump();
    }
};

void BM_WindowFromPointOver50ShapedChildren(benchmark::State& state) {
    ShapedWindow w;
    // Points spread over the window: on children, in their cut corners, on the background.
    std::vector<POINT> points;
    for (int y = 100; y < 640; y += 7) {
        for (int x = 100; x < 900; x += 13) points.push_back(POINT{x, y});
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(WindowFromPoint(points[i]));
        i = (i + 1) % points.size();
    }
}
BENCHMARK(BM_WindowFromPointOver50ShapedChildren);

void BM_PostedMessageRoundTrip(benchmark::State& state) {
    ShapedWindow w;
    for (auto _ : state) {
        PostMessageW(w.children[7].m_hWnd, WM_USER, 0, 0);
        platform::ProcessPendingWork();
    }
}
BENCHMARK(BM_PostedMessageRoundTrip);

void BM_RepaintWindowAndChildren(benchmark::State& state) {
    ShapedWindow w;
    for (auto _ : state) {
        InvalidateRect(w.top.m_hWnd, nullptr, TRUE);
        platform::ProcessPendingWork();
    }
}
BENCHMARK(BM_RepaintWindowAndChildren);

}  // namespace

BENCHMARK_MAIN();
