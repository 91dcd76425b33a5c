#include "harness.hpp"

#include <string>

#include "controls/bitmap_slider.hpp"
#include "platform/backend/headless/headless_backend.hpp"
#include "platform/gdi/bmp.hpp"
#include "platform/gdi/resources.hpp"

namespace ctltest {

namespace {

platform::HeadlessBackend& Headless() {
    return platform::HeadlessBackend::Instance();
}

// Once per context; a second registration of the class is refused and changes nothing.
void RegisterPlainClass() {
    RegisterClassW(kPlainClass, DefWindowProcW);
}

}  // namespace

void Pump() {
    Headless().Pump();
}
void Advance(DWORD ms) {
    Headless().Advance(ms);
}
void MouseMove(POINT screen) {
    Headless().MoveMouse(screen);
}
void MouseDown(POINT screen) {
    Headless().Press(screen);
}
void MouseUp(POINT screen) {
    Headless().Release(screen);
}
void Key(int virtualKey, bool down) {
    if (down) {
        Headless().KeyDown(virtualKey);
    } else {
        Headless().KeyUp(virtualKey);
    }
}

COLORREF ScreenPixel(POINT screen) {
    return ColorrefFromPixel(Headless().ScreenPixel(screen));
}

std::vector<bool> Ink(const TestParent& parent, const CWnd& child, int w, int h,
                      const std::function<COLORREF(int x, int y)>& beneath) {
    std::vector<bool> ink(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            ink[static_cast<std::size_t>(y * w + x)] =
                parent.ChildPixel(child, x, y) != beneath(x, y);
        }
    }
    return ink;
}

bool CreateBoldFont(CFont& font, LONG height) {
    LOGFONTW logFont;
    logFont.lfHeight = height;
    logFont.lfWeight = FW_BOLD;
    const std::wstring face = L"Liberation Sans";
    face.copy(logFont.lfFaceName, face.size());
    return font.CreateFontIndirectW(&logFont) != FALSE;
}

Surface Picture(int width, int height, const std::function<COLORREF(int x, int y)>& color) {
    Surface surface(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) surface.set(x, y, PixelFromColorref(color(x, y)));
    }
    return surface;
}

ResourceOverride::ResourceOverride(const std::map<UINT, Surface>& bitmaps) {
    std::map<UINT, std::vector<std::uint8_t>> files;
    for (const auto& [id, surface] : bitmaps) files.emplace(id, EncodeBmp(surface));
    SetBitmapResourcesForTesting(std::move(files));
}

ResourceOverride::~ResourceOverride() {
    SetBitmapResourcesForTesting({});
}

COLORREF TestParent::SkinColor(int x, int y) {
    return RGB(x % 256, y % 256, 128 + 40 * (x / 256));
}

TestParent::TestParent() {
    RegisterPlainClass();
    const Surface pixels = Picture(kWidth, kHeight, SkinColor);
    std::vector<std::uint8_t> bits;
    bits.reserve(static_cast<std::size_t>(kWidth) * kHeight * 4);
    for (const std::uint32_t p : pixels.pixels()) {
        bits.insert(bits.end(), {static_cast<std::uint8_t>(p & 0xFF),
                                 static_cast<std::uint8_t>((p >> 8) & 0xFF),
                                 static_cast<std::uint8_t>((p >> 16) & 0xFF), 0});
    }
    skin_.CreateBitmap(kWidth, kHeight, 1, 32, bits.data());
    CreateEx(0, kPlainClass, L"", WS_POPUP | WS_VISIBLE,
             RECT{kOrigin.x, kOrigin.y, kOrigin.x + kWidth, kOrigin.y + kHeight}, nullptr, 0);
    SetPropW(m_hWnd, kSkinBitmapProperty, skin_.GetSafeHandle());
    Pump();
}

TestParent::~TestParent() {
    if (m_hWnd != nullptr) {
        RemovePropW(m_hWnd, kSkinBitmapProperty);
        DestroyWindow();
    }
    Pump();
}

POINT TestParent::Screen(POINT client) const {
    ClientToScreen(&client);
    return client;
}

POINT TestParent::Screen(const CWnd& child, POINT childClient) const {
    child.ClientToScreen(&childClient);
    return childClient;
}

COLORREF TestParent::ChildPixel(const CWnd& child, int x, int y) const {
    return ScreenPixel(Screen(child, {x, y}));
}

LRESULT TestParent::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_SLIDER_TRACKING:
        case WM_SLIDER_SETTLED:
            notes.push_back({message, wParam, lParam});
            return 0;
        case WM_ERASEBKGND:
            return TRUE;
        default:
            return CWnd::WindowProc(message, wParam, lParam);
    }
}

void TestParent::OnPaint() {
    CPaintDC dc(this);
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    HGDIOBJ old = memory.SelectObject(&skin_);
    dc.BitBlt(0, 0, kWidth, kHeight, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}

}  // namespace ctltest
