#include "platform/backend/headless/headless_backend.hpp"

#include <cstdio>
#include <cstdlib>

#include "platform/context.hpp"
#include "platform/gdi/bmp.hpp"
#include "platform/gdi/png.hpp"
#include "platform/gdi/utf.hpp"
#include "platform/wnd/window_tree.hpp"

namespace platform {

Backend& ActiveBackend() {
    return HeadlessBackend::Instance();
}

HeadlessBackend& HeadlessBackend::Instance() {
    return Context::Current().Part<HeadlessBackend>();
}

void HeadlessBackend::TopLevelCreated(HWND /*hwnd*/) {
    ++changes_;
}
void HeadlessBackend::TopLevelDestroyed(HWND hwnd) {
    ++changes_;
    std::erase(openBoxes_, hwnd);
}
void HeadlessBackend::TopLevelChanged(HWND /*hwnd*/) {
    ++changes_;
}

void HeadlessBackend::Present(HWND /*hwnd*/, const std::vector<RECT>& damage) {
    ++presents_;
    lastPresent_ = damage;
    presentedPixels_ += PixelCount(damage);
}

void HeadlessBackend::WaitForInput(std::optional<DWORD> /*timeoutMs*/) {
    if (tasks_.RunAll()) return;
    if (answerBoxes_ && !openBoxes_.empty()) {
        ::PostMessageW(openBoxes_.back(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return;
    }
    if (!steps_.empty()) {
        auto step = std::move(steps_.front());
        steps_.pop_front();
        step();
        return;
    }
    // Nothing can ever wake this loop: say what is open and stop rather than hang.
    std::fprintf(stderr,
                 "headless backend: a message loop waits for input but the test has no script "
                 "steps left (time %u ms). Open windows:\n",
                 static_cast<unsigned>(now_));
    for (HWND top : TopLevelWindows()) {
        std::fprintf(stderr, "  %s \"%s\"%s\n", Utf8FromWide(::GetClassNameW(top)).c_str(),
                     Utf8FromWide(WindowCaption(top)).c_str(),
                     ::IsWindowVisible(top) != FALSE ? "" : " (hidden)");
    }
    std::fflush(stderr);
    std::abort();
}

void HeadlessBackend::MessageBoxOpened(HWND box, const std::wstring& text,
                                       const std::wstring& caption) {
    boxTexts_.push_back(text);
    boxCaptions_.push_back(caption);
    openBoxes_.push_back(box);
}

void HeadlessBackend::MessageBoxClosed(HWND box) {
    std::erase(openBoxes_, box);
}

void HeadlessBackend::TopLevelMoveStarts(HWND hwnd) {
    moveSteps_.push_back(PointerMoveStep{hwnd, true, POINT{}, POINT{}});
}

void HeadlessBackend::TopLevelMoveFollows(HWND hwnd, POINT logical, POINT deviceDistance) {
    moveSteps_.push_back(PointerMoveStep{hwnd, false, logical, deviceDistance});
}

void HeadlessBackend::Pump() {
    ProcessPendingWork();
}

void HeadlessBackend::Advance(DWORD ms) {
    const DWORD target = now_ + ms;
    Pump();
    for (;;) {
        const std::optional<DWORD> next = NextTimerDueIn();
        if (!next || static_cast<std::int32_t>(now_ + *next - target) > 0) break;
        now_ += *next;
        Pump();
    }
    now_ = target;
    Pump();
}

void HeadlessBackend::MoveMouse(POINT screen) {
    InputMouseMove(screen);
    Pump();
}

void HeadlessBackend::Press(POINT screen, MouseButton button) {
    InputMouseButton(button, true, screen);
    Pump();
}

void HeadlessBackend::Release(POINT screen, MouseButton button) {
    InputMouseButton(button, false, screen);
    Pump();
}

void HeadlessBackend::Click(POINT screen, MouseButton button) {
    MoveMouse(screen);
    Press(screen, button);
    Release(screen, button);
}

void HeadlessBackend::Drag(POINT from, POINT to, int steps) {
    MoveMouse(from);
    Press(from);
    const int n = steps < 1 ? 1 : steps;
    for (int i = 1; i <= n; ++i) {
        MoveMouse(POINT{from.x + (to.x - from.x) * i / n, from.y + (to.y - from.y) * i / n});
    }
    Release(to);
}

void HeadlessBackend::KeyDown(int virtualKey) {
    InputKey(virtualKey, true);
    Pump();
}

void HeadlessBackend::KeyUp(int virtualKey) {
    InputKey(virtualKey, false);
    Pump();
}

void HeadlessBackend::Key(int virtualKey) {
    KeyDown(virtualKey);
    KeyUp(virtualKey);
}

void HeadlessBackend::AddStep(std::function<void()> step) {
    steps_.push_back(std::move(step));
}

const Surface* HeadlessBackend::WindowPixels(HWND hwnd) const {
    return WindowSurface(hwnd);
}

std::uint32_t HeadlessBackend::ScreenPixel(POINT screen) const {
    for (HWND top : TopLevelWindows()) {
        if (!IsShownOnScreen(top)) continue;
        const RECT r = WindowScreenRect(top);
        const int x = screen.x - r.left;
        const int y = screen.y - r.top;
        const Surface* surface = WindowSurface(top);
        if (surface == nullptr || !surface->contains(x, y) || !WindowShape(top).contains(x, y)) {
            continue;
        }
        return surface->at(x, y);
    }
    return 0;
}

bool HeadlessBackend::SavePng(HWND hwnd, const std::string& path) const {
    const Surface* surface = WindowSurface(hwnd);
    return surface != nullptr && WritePngFile(*surface, path);
}

bool HeadlessBackend::SaveBmp(HWND hwnd, const std::string& path) const {
    const Surface* surface = WindowSurface(hwnd);
    return surface != nullptr && WriteBmpFile(*surface, path);
}

}  // namespace platform
