// Figures of the drawing layer: a full 800 x 540 window repaint from a 24-bit skin bitmap, a
// 132 x 12 slider-sized blit, text of ten characters, stretched copies and bitmap loading.
#include <benchmark/benchmark.h>

#include <cwchar>

#include "platform/context.hpp"
#include "platform/gdi/gdi.hpp"
#include "platform/gdi/resources.hpp"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 540;
constexpr UINT kSkinId = 130;

// A window surface with a window context clipped to its whole client area, as paints get, in a
// platform context of its own (made first, destroyed last).
struct Window {
    platform::Context context;
    Surface surface{kWidth, kHeight, 0};
    HDC dc = GdiCreateSurfaceDC(&surface, {0, 0}, Region::FromRect({0, 0, kWidth, kHeight}));
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    ~Window() { DeleteDC(dc); }
};

// A memory context holding the skin: the resource when the build has it, else a pattern.
struct Skin {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
    bool fromResources = false;
    Skin(int width, int height) {
        if (width == kWidth && height == kHeight)
            bitmap = LoadBitmapW(AfxGetResourceHandle(), kSkinId);
        fromResources = bitmap != nullptr;
        if (bitmap == nullptr) {
            bitmap = CreateCompatibleBitmap(nullptr, width, height);
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x)
                    bitmap->surface.set(x, y, static_cast<std::uint32_t>(x * 7 + y * 13));
            }
        }
        old = SelectObject(dc, bitmap);
    }
    Skin(const Skin&) = delete;
    Skin& operator=(const Skin&) = delete;
    ~Skin() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
};

void BM_FullWindowRepaint(benchmark::State& state) {
    Window window;
    Skin skin(kWidth, kHeight);
    state.SetLabel(skin.fromResources ? "bitmap 130" : "generated 800x540");
    for (auto _ : state) {
        BitBlt(window.dc, 0, 0, kWidth, kHeight, skin.dc, 0, 0, SRCCOPY);
        benchmark::DoNotOptimize(window.surface.row(0));
    }
    state.SetBytesProcessed(state.iterations() * kWidth * kHeight * 4);
}
BENCHMARK(BM_FullWindowRepaint);

void BM_SliderSizedBlit(benchmark::State& state) {
    Window window;
    Skin track(132, 12);
    for (auto _ : state) {
        BitBlt(window.dc, 610, 362, 132, 12, track.dc, 0, 0, SRCCOPY);
        benchmark::DoNotOptimize(window.surface.row(362));
    }
}
BENCHMARK(BM_SliderSizedBlit);

void BM_TenCharacterText(benchmark::State& state) {
    Window window;
    LOGFONTW lf;
    lf.lfHeight = 18;
    lf.lfWeight = FW_BOLD;
    lf.lfQuality = DRAFT_QUALITY;
    std::wcscpy(lf.lfFaceName, L"Arial");
    HFONT font = CreateFontIndirectW(&lf);
    SelectObject(window.dc, font);
    SetBkMode(window.dc, TRANSPARENT);
    SetTextColor(window.dc, RGB(255, 255, 255));
    const wchar_t* text = state.range(0) == 0 ? L"Lights Qty" : L"灯效应用灯效应用灯效";
    for (auto _ : state) {
        TextOutW(window.dc, 100, 100, text, 10);
        benchmark::DoNotOptimize(window.surface.row(100));
    }
    state.SetLabel(state.range(0) == 0 ? "Latin" : "Chinese");
    SelectObject(window.dc, GetStockObject(SYSTEM_FONT));
    DeleteObject(font);
}
BENCHMARK(BM_TenCharacterText)->Arg(0)->Arg(1);

void BM_CentredButtonCaption(benchmark::State& state) {
    Window window;
    SetBkMode(window.dc, TRANSPARENT);
    for (auto _ : state) {
        RECT r{300, 400, 400, 430};
        DrawTextW(window.dc, L"Apply", -1, &r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        benchmark::DoNotOptimize(window.surface.row(400));
    }
}
BENCHMARK(BM_CentredButtonCaption);

// A shaped button's paint: a halftone stretch of its bitmap onto a window of another size.
void BM_HalftoneStretch(benchmark::State& state) {
    Window window;
    Skin button(64, 64);
    SetStretchBltMode(window.dc, HALFTONE);
    const int size = static_cast<int>(state.range(0));
    for (auto _ : state) {
        StretchBlt(window.dc, 10, 10, size, size, button.dc, 0, 0, 64, 64, SRCCOPY);
        benchmark::DoNotOptimize(window.surface.row(10));
    }
}
BENCHMARK(BM_HalftoneStretch)->Arg(64)->Arg(48)->Arg(96);

void BM_LoadAndDeleteSkinBitmap(benchmark::State& state) {
    const platform::Context context;
    HBITMAP probe = LoadBitmapW(AfxGetResourceHandle(), kSkinId);
    if (probe == nullptr) {
        state.SkipWithError("bitmap 130 is not in this build");
        return;
    }
    DeleteObject(probe);
    for (auto _ : state) {
        HBITMAP b = LoadBitmapW(AfxGetResourceHandle(), kSkinId);
        benchmark::DoNotOptimize(b);
        DeleteObject(b);
    }
}
BENCHMARK(BM_LoadAndDeleteSkinBitmap);

// The first load of the skin on a screen of scale range(0): the 1x picture and its rendition at
// that scale decoded (the caches emptied before each load), what a window's first paint pays
// once per bitmap.
void BM_FirstLoadOfTheSkinAtScale(benchmark::State& state) {
    const platform::Context context;
    SetBitmapScale(static_cast<int>(state.range(0)));
    if (BitmapRenditionPixels(kSkinId, static_cast<int>(state.range(0))) == nullptr) {
        state.SkipWithError("bitmap 130 has no rendition at this scale in this build");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        SetBitmapResourcesForTesting({});  // empties the decoded pictures
        state.ResumeTiming();
        HBITMAP b = LoadBitmapW(AfxGetResourceHandle(), kSkinId);
        benchmark::DoNotOptimize(b);
        DeleteObject(b);
    }
}
BENCHMARK(BM_FirstLoadOfTheSkinAtScale)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
