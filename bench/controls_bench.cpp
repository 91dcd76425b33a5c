// One repaint of a colour slider and of a captioned effect button, each in a skinned parent
// window on the headless backend, with the program's own bitmaps.
#include <benchmark/benchmark.h>

#include "controls/bitmap_slider.hpp"
#include "controls/mp_button.hpp"
#include "platform/backend/headless/headless_backend.hpp"
#include "platform/context.hpp"

namespace {

constexpr const wchar_t* kParentClass = L"VrBenchParent";
constexpr UINT kSkin = 130;

// A top-level window publishing the main window's skin, as the main window does.
class SkinnedParent : public CWnd {
  public:
    SkinnedParent() {
        RegisterClassW(kParentClass, DefWindowProcW);
        skin_.LoadBitmapW(kSkin);
        CreateEx(0, kParentClass, L"", WS_POPUP | WS_VISIBLE, RECT{0, 0, 800, 540}, nullptr, 0);
        SetPropW(m_hWnd, kSkinBitmapProperty, skin_.GetSafeHandle());
    }
    ~SkinnedParent() override {
        RemovePropW(m_hWnd, kSkinBitmapProperty);
        DestroyWindow();
    }

  private:
    CBitmap skin_;
};

void RepaintLoop(benchmark::State& state, CWnd& control) {
    for (auto _ : state) {
        control.InvalidateRect(nullptr, FALSE);
        control.UpdateWindow();
    }
}

void BM_SliderRepaint(benchmark::State& state) {
    const platform::Context context;
    SkinnedParent parent;
    CBitmapSlider slider;
    slider.Create(L"msctls_trackbar32", L"", WS_CHILD | WS_VISIBLE, RECT{560, 300, 692, 312},
                  &parent, 1534);
    slider.trackStyle = TrackRed;
    slider.SetThumbBitmap(233);
    slider.maximum = 255;
    slider.SetPosition(128);
    platform::HeadlessBackend::Instance().Pump();
    RepaintLoop(state, slider);
}
BENCHMARK(BM_SliderRepaint);

void BM_ButtonRepaint(benchmark::State& state) {
    const platform::Context context;
    SkinnedParent parent;
    CMPButton button;
    button.SetBitmaps(131, 132, 0);
    button.Create(L"Button", L"Static\nColour", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                  RECT{40, 120, 100, 179}, &parent, 1515);
    platform::HeadlessBackend::Instance().Pump();
    RepaintLoop(state, button);
}
BENCHMARK(BM_ButtonRepaint);

}  // namespace

BENCHMARK_MAIN();
