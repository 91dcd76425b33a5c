#include "platform/backend/sdl/sdl_backend.hpp"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "platform/backend/sdl/desktop_scale.hpp"
#include "platform/backend/sdl/key_map.hpp"
#include "platform/backend/sdl/x11_window.hpp"
#include "platform/wnd/input.hpp"

namespace platform::sdl {
namespace {

// Whether `window` is owned, directly or through its owners, by `owner`.
bool IsOwnedBy(HWND window, HWND owner) {
    for (HWND w = window->owner; w != nullptr; w = w->owner) {
        if (w == owner) {
            return true;
        }
    }
    return false;
}

// The hints SDL reads when its video opens (SDL_Quit forgets them).
void SetHints() {
    // A software window surface keeps the X window SDL created, and with it the window's shape;
    // an OpenGL-backed one would replace it.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // Ctrl+C and SIGTERM end the program as usual instead of becoming an SDL_QUIT nobody asked for.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // A lighting utility has no reason to keep the screen awake.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // Leave the desktop's compositor running while the program is open.
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
}

// Why SDL's X11 driver did not open: what the user can act on.
std::string WhyNoXServer() {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        return "DISPLAY is not set";
    }
    return std::string("no X server answers on DISPLAY \"") + display + "\"";
}

}  // namespace

SdlVideo::SdlVideo() {
    SetHints();
    // X11 whatever SDL_VIDEODRIVER asks for: the windows' shapes and exact placement need an X
    // server (a Wayland desktop provides one through XWayland). Under SDL's Wayland driver they
    // are lost and the first tooltip ends the connection; the offscreen and dummy drivers show
    // nothing at all.
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "x11", SDL_HINT_OVERRIDE);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        const std::string reason = WhyNoXServer();
        SDL_Quit();
        throw DisplayUnavailable(reason);
    }
    // Keys arrive as key events; no input method is needed.
    SDL_StopTextInput();
}

SdlVideo::~SdlVideo() {
    SDL_Quit();
}

SdlBackend::SdlBackend()
    : scale_(DesktopScaleFactor()),
      taskEvent_(SDL_RegisterEvents(1)),
      traceWakeUps_(std::getenv("VR_TRACE_WAKEUPS") != nullptr),
      tracePresents_(std::getenv("VR_TRACE_PRESENTS") != nullptr) {
    // The X events behind SDL's are read by the filter, which keeps them out of the queue (they
    // wake nobody).
    SDL_SetEventFilter(&SdlBackend::FilterEvent, this);
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

SdlBackend::~SdlBackend() {
    SDL_SetEventFilter(nullptr, nullptr);
}

int SdlBackend::FilterEvent(void* self, SDL_Event* event) {
    if (event->type != SDL_SYSWMEVENT) {
        return 1;
    }
    auto* backend = static_cast<SdlBackend*>(self);
    if (const std::optional<X11Exposure> exposure = ExposureOf(*event->syswm.msg)) {
        for (const auto& window : backend->windows_) {
            if (window->x11Window() == exposure->window) {
                window->NoteExposed(exposure->area);
            }
        }
    }
    return 0;
}

DWORD SdlBackend::Now() {
    return static_cast<DWORD>(SDL_GetTicks64());
}

void SdlBackend::TopLevelCreated(HWND hwnd) {
    if (find(hwnd) != nullptr) {
        return;
    }
    try {
        auto window = std::make_unique<TopLevelWindow>(hwnd, scale_);
        if (!window->isUnmanaged() && hwnd->owner != nullptr) {
            // The desktop keeps an owned window (dialog, message box) above its owner.
            if (const TopLevelWindow* owner = find(GetAncestorTopLevel(hwnd->owner))) {
                SDL_SetWindowModalFor(window->sdlWindow(), owner->sdlWindow());
            }
        }
        windows_.push_back(std::move(window));
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, error.what());
        return;
    }
    TopLevelChanged(hwnd);
}

void SdlBackend::TopLevelDestroyed(HWND hwnd) {
    std::erase_if(windows_, [hwnd](const auto& window) { return window->hwnd() == hwnd; });
    std::erase(order_, hwnd);
}

void SdlBackend::TopLevelChanged(HWND hwnd) {
    if (TopLevelWindow* window = find(hwnd)) {
        window->Sync();
        raiseIfBroughtForward(hwnd);
    }
}

void SdlBackend::Present(HWND hwnd, const std::vector<RECT>& damage) {
    if (TopLevelWindow* window = find(hwnd)) {
        const bool appears = window->isShowPending();
        const long long pixels = window->Present(damage);
        tracePresent(appears ? "appear" : "present", pixels);
    }
}

void SdlBackend::WaitForInput(std::optional<DWORD> timeoutMs) {
    SDL_Event event;
    int got = 0;
    if (timeoutMs) {
        // SDL may return a little before the limit; returning then would cost the message loop a
        // second wake-up for a timer not quite due. Wait on until Now() has reached it.
        const Uint64 deadline = SDL_GetTicks64() + *timeoutMs;
        while (true) {
            const Uint64 now = SDL_GetTicks64();
            const Uint64 left = now < deadline ? deadline - now : 0;
            got = SDL_WaitEventTimeout(
                &event, static_cast<int>(std::min<Uint64>(left, std::numeric_limits<int>::max())));
            if (got != 0 || SDL_GetTicks64() >= deadline) {
                break;
            }
        }
    } else {
        got = SDL_WaitEvent(&event);
    }
    ++wakeUps_;
    if (got == 0) {
        traceWakeUp("timeout", 0);
        return;
    }
    traceWakeUp("event", event.type);
    std::vector<SDL_Event> events{event};
    while (SDL_PollEvent(&event) != 0) {
        events.push_back(event);
    }
    for (std::size_t i = 0; i < events.size(); ++i) {
        // Mouse moves in a row count as one, the last (the window layer queues them so anyway).
        const bool movedOnAtOnce = events[i].type == SDL_MOUSEMOTION && i + 1 < events.size() &&
                                   events[i + 1].type == SDL_MOUSEMOTION;
        if (!movedOnAtOnce) {
            dispatch(events[i]);
        }
    }
}

void SdlBackend::PostTask(std::function<void()> task) {
    tasks_.Post(std::move(task));
    SDL_Event wake{};
    wake.type = taskEvent_;
    SDL_PushEvent(&wake);
}

SIZE SdlBackend::ScreenSize() {
    SDL_Rect bounds{};
    if (SDL_GetDisplayBounds(0, &bounds) != 0) {
        return SIZE{};
    }
    return SIZE{scale_.ToLogical(bounds.w), scale_.ToLogical(bounds.h)};
}

bool SdlBackend::MovesWindowsItself() {
    if (windows_.empty()) {
        return false;
    }
    return DesktopDragsWindows(windows_.front()->sdlWindow());
}

void SdlBackend::dispatch(const SDL_Event& event) {
    switch (event.type) {
        case SDL_MOUSEMOTION:
            if (const TopLevelWindow* window = find(event.motion.windowID)) {
                InputMouseMove(MouseOnScreen(*window, event.motion.x, event.motion.y,
                                             event.motion.state != 0));
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            onMouseButton(event.button);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            if (const int key = VirtualKeyFromSdl(event.key.keysym.sym); key != 0) {
                InputKey(key, event.type == SDL_KEYDOWN);
            }
            break;
        case SDL_WINDOWEVENT:
            onWindowEvent(event.window);
            break;
        default:
            if (event.type == taskEvent_) {
                tasks_.RunAll();
            }
            break;
    }
}

void SdlBackend::onMouseButton(const SDL_MouseButtonEvent& event) {
    MouseButton button = MouseButton::Left;
    if (event.button == SDL_BUTTON_RIGHT) {
        button = MouseButton::Right;
    } else if (event.button != SDL_BUTTON_LEFT) {
        return;
    }
    const TopLevelWindow* window = find(event.windowID);
    if (window == nullptr) {
        return;
    }
    const HWND hwnd = window->hwnd();
    const bool down = event.state == SDL_PRESSED;
    const POINT screen = MouseOnScreen(*window, event.x, event.y, !down);
    if (down && !window->isUnmanaged() && !AcceptsMouseInput(hwnd)) {
        raiseModalOver(hwnd);
    }
    InputMouseButton(button, down, screen);
}

void SdlBackend::onWindowEvent(const SDL_WindowEvent& event) {
    TopLevelWindow* window = find(event.windowID);
    if (window == nullptr) {
        return;
    }
    const HWND hwnd = window->hwnd();
    switch (event.event) {
        case SDL_WINDOWEVENT_EXPOSED:
            // The X server keeps no copy of the window's pixels.
            tracePresent("expose", window->PresentExposed());
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            tracePresent("expose", window->PresentAll());
            break;
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_MOVED:
            // The window manager may place a window elsewhere than asked, or drag it.
            if (window->RefreshPosition()) {
                const POINT position = window->position();
                InputWindowMoved(hwnd, position.x, position.y);
            }
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
            if (window->NoteMinimised(true)) {
                InputWindowMinimised(hwnd, true);
            }
            break;
        case SDL_WINDOWEVENT_RESTORED:
            if (window->NoteMinimised(false)) {
                window->PresentAll();
                InputWindowMinimised(hwnd, false);
            }
            break;
        case SDL_WINDOWEVENT_CLOSE:
            InputCloseRequested(hwnd);
            break;
        default:
            break;
    }
}

POINT SdlBackend::MouseOnScreen(const TopLevelWindow& window, int x, int y, bool buttonHeld) {
    if (buttonHeld) {
        // While a button is held the window layer may be moving the window itself, and an event
        // the server sent before a move relates its point to the window's old place; the
        // server's pointer does not. Otherwise the event's own point is the one that counts: the
        // pointer may have moved on since (and SDL's global mouse state is a cache that pointer
        // warps never refresh).
        if (const std::optional<POINT> pointer = X11PointerPosition(window.sdlWindow())) {
            return window.ScreenFromDevice(*pointer);
        }
    }
    return window.ToScreen(x, y);
}

TopLevelWindow* SdlBackend::find(HWND hwnd) {
    const auto it = std::find_if(windows_.begin(), windows_.end(),
                                 [hwnd](const auto& window) { return window->hwnd() == hwnd; });
    return it == windows_.end() ? nullptr : it->get();
}

TopLevelWindow* SdlBackend::find(Uint32 sdlId) {
    const auto it = std::find_if(windows_.begin(), windows_.end(),
                                 [sdlId](const auto& window) { return window->sdlId() == sdlId; });
    return it == windows_.end() ? nullptr : it->get();
}

std::vector<HWND> SdlBackend::shownOrder() const {
    std::vector<HWND> order;
    for (const HWND hwnd : TopLevelWindows()) {
        const auto it = std::find_if(windows_.begin(), windows_.end(),
                                     [hwnd](const auto& window) { return window->hwnd() == hwnd; });
        if (it != windows_.end() && (*it)->isShown() && !(*it)->isUnmanaged()) {
            order.push_back(hwnd);
        }
    }
    return order;
}

void SdlBackend::raiseIfBroughtForward(HWND hwnd) {
    std::vector<HWND> order = shownOrder();
    const auto now = std::find(order.begin(), order.end(), hwnd);
    const auto before = std::find(order_.begin(), order_.end(), hwnd);
    if (now != order.end() && before != order_.end()) {
        // Was a window that is now behind this one in front of it before?
        const bool overtook = std::any_of(order_.begin(), before, [&](HWND other) {
            return std::find(now + 1, order.end(), other) != order.end();
        });
        if (overtook) {
            if (TopLevelWindow* window = find(hwnd)) {
                SDL_RaiseWindow(window->sdlWindow());
            }
        }
    }
    order_ = std::move(order);
}

void SdlBackend::raiseModalOver(HWND disabled) {
    for (const HWND hwnd : TopLevelWindows()) {
        const TopLevelWindow* window = find(hwnd);
        if (window != nullptr && window->isShown() && !window->isUnmanaged() &&
            IsOwnedBy(hwnd, disabled) && AcceptsMouseInput(hwnd)) {
            SDL_RaiseWindow(window->sdlWindow());
            return;
        }
    }
}

void SdlBackend::tracePresent(const char* kind, long long pixels) const {
    if (tracePresents_) {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::fprintf(stderr, "%s %llu %lld %lld\n", kind,
                     static_cast<unsigned long long>(SDL_GetTicks64()), pixels,
                     static_cast<long long>(
                         std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
    }
}

void SdlBackend::traceWakeUp(const char* cause, Uint32 eventType) const {
    if (traceWakeUps_) {
        std::fprintf(stderr, "wakeup %llu %s 0x%x\n",
                     static_cast<unsigned long long>(SDL_GetTicks64()), cause, eventType);
    }
}

}  // namespace platform::sdl
