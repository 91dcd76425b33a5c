#include "platform/backend/sdl/sdl_backend.hpp"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "platform/backend/sdl/desktop_scale.hpp"
#include "platform/backend/sdl/event_wait.hpp"
#include "platform/backend/sdl/key_map.hpp"
#include "platform/backend/sdl/scoped_environment.hpp"
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
    // A press that gives a window the focus is a press like any other; SDL would drop one that
    // comes within 10 ms of the focus, and the click with it.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
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
    const bool opened = [] {
        // Two things SDL sets up at its start that the program never uses, since it takes keys
        // as key events and no text: Xlib's input method, which would read the locale's whole
        // compose table (thousands of sequences, a good part of SDL's start-up), and SDL's
        // input-method support over the session bus, which would start a bus where none runs.
        // The user's settings are back once SDL is up; SDL does not try the bus again.
        const ScopedEnvironment unused(
            {{"XCOMPOSEFILE", "/dev/null"}, {"DBUS_SESSION_BUS_ADDRESS", "disabled:"}});
        return SDL_Init(SDL_INIT_VIDEO) == 0;
    }();
    if (!opened) {
        const std::string reason = WhyNoXServer();
        SDL_Quit();
        throw DisplayUnavailable(reason);
    }
    // Keys arrive as key events; no input method is needed.
    SDL_StopTextInput();
    IgnoreHarmlessX11Errors();
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
    auto* backend = static_cast<SdlBackend*>(self);
    if (event->type == SDL_MOUSEBUTTONDOWN || event->type == SDL_MOUSEBUTTONUP) {
        backend->buttonPoints_.NoteSdlButtonQueued();
        return 1;
    }
    if (event->type != SDL_SYSWMEVENT) {
        return 1;
    }
    const SDL_SysWMmsg& message = *event->syswm.msg;
    if (const std::optional<unsigned long> from = PointerTakenFrom(message)) {
        if (std::any_of(backend->windows_.begin(), backend->windows_.end(),
                        [&](const auto& window) { return window->x11Window() == *from; })) {
            InputPointerTaken();
        }
    }
    for (const auto& window : backend->windows_) {
        if (LeftPressTo(message) == window->x11Window()) {
            window->NoteLeftPress();
            if ((SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON_LMASK) != 0) {
                // SDL still counts the left button as held: the release of an earlier press went
                // to another client (a press on a window that a modal popup disables, dragged off
                // it, under a window manager). SDL drops a press of a button it counts as held,
                // and the click would lose its press; the window layer gets it from here.
                const POINT device = *ButtonPointOf(message);
                const POINT screen = window->ScreenFromDevice(device);
                backend->PostTask([screen, device] {
                    InputMouseButton(MouseButton::Left, true, screen, device);
                });
            }
        } else if (LeftReleaseTo(message) == window->x11Window()) {
            window->NoteLeftRelease();
        }
    }
    if (const std::optional<POINT> point = ButtonPointOf(message)) {
        backend->buttonPoints_.NoteXButton(*point);
    } else {
        backend->buttonPoints_.NoteOtherXEvent();
    }
    if (const std::optional<X11Exposure> exposure = ExposureOf(message)) {
        for (const auto& window : backend->windows_) {
            if (window->x11Window() == exposure->window) {
                window->NoteExposed(exposure->area);
            }
        }
    } else if (const std::optional<PointerEvent> pointer = PointerEventOf(message)) {
        backend->pointerTrail_.Note(*pointer);
    }
    return 0;
}

DWORD SdlBackend::Now() {
    // The clock poll() measures its timeouts by (SDL's ticks come from another, which may run a
    // little slower and then see a timer not quite due when the wait for it ends).
    return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                  std::chrono::steady_clock::now().time_since_epoch())
                                  .count());
}

void SdlBackend::TopLevelCreated(HWND hwnd) {
    TopLevelChanged(hwnd);
}

TopLevelWindow* SdlBackend::create(HWND hwnd) {
    try {
        auto window = std::make_unique<TopLevelWindow>(hwnd, scale_);
        if (!window->isUnmanaged() && hwnd->owner != nullptr) {
            // The desktop keeps an owned window (dialog, message box) above its owner.
            if (const TopLevelWindow* owner = find(GetAncestorTopLevel(hwnd->owner))) {
                SDL_SetWindowModalFor(window->sdlWindow(), owner->sdlWindow());
            }
        }
        windows_.push_back(std::move(window));
        return windows_.back().get();
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, error.what());
        return nullptr;
    }
}

void SdlBackend::TopLevelDestroyed(HWND hwnd) {
    const TopLevelWindow* window = find(hwnd);
    const bool wasShown = window != nullptr && window->isShown();
    std::erase_if(windows_, [hwnd](const auto& w) { return w->hwnd() == hwnd; });
    std::erase(order_, hwnd);
    if (wasShown) {
        keepKeyboardFocus();
    }
}

void SdlBackend::TopLevelChanged(HWND hwnd) {
    TopLevelWindow* window = find(hwnd);
    if (window == nullptr) {
        // The desktop's window is made when the window is first shown, where and as large as it
        // is then: a dialog places and sizes itself while hidden, and every move or resize of a
        // window the desktop already has waits for the desktop's answer (with a window manager,
        // often a 10 ms sleep in SDL each). A tooltip that never shows never costs one.
        if (!hwnd->visible) {
            return;
        }
        window = create(hwnd);
        if (window == nullptr) {
            return;
        }
    }
    const bool minimiseAwaited = window->minimiseDue().has_value();
    const bool wasShown = window->isShown();
    window->Sync();
    if (wasShown && !hwnd->visible) {
        keepKeyboardFocus();
    }
    if (!minimiseAwaited && window->minimiseDue() && !WindowManagerRuns(window->sdlWindow())) {
        // No window manager: nothing will take the window off the screen.
        window->MinimiseDueNow();
    }
    raiseIfBroughtForward(hwnd);
}

void SdlBackend::keepKeyboardFocus() {
    if (windows_.empty()) {
        return;
    }
    SDL_Window* any = windows_.front()->sdlWindow();
    // With a window manager, it gives the focus on.
    if (X11InputFocus(any) != 0UL || WindowManagerRuns(any)) {
        return;
    }
    if (const std::vector<HWND> order = shownOrder(); !order.empty()) {
        SetX11InputFocus(any, find(order.front())->x11Window());
    }
}

bool SdlBackend::undoMinimisesDue() {
    const auto now = TopLevelWindow::Clock::now();
    std::vector<HWND> undone;
    for (const auto& window : windows_) {
        if (const auto due = window->minimiseDue(); due && *due <= now) {
            window->MinimiseUndone();
            undone.push_back(window->hwnd());
        }
    }
    // The window layer shows them as they were (a window it takes for minimised gets no input).
    for (HWND hwnd : undone) {
        InputWindowMinimised(hwnd, false);
    }
    return !undone.empty();
}

std::optional<TopLevelWindow::Clock::time_point> SdlBackend::nextMinimiseDue() const {
    std::optional<TopLevelWindow::Clock::time_point> next;
    for (const auto& window : windows_) {
        if (const auto due = window->minimiseDue(); due && (!next || *due < *next)) {
            next = due;
        }
    }
    return next;
}

void SdlBackend::Present(HWND hwnd, const std::vector<RECT>& damage) {
    if (TopLevelWindow* window = find(hwnd)) {
        const bool appears = window->isShowPending();
        const long long pixels = window->Present(damage);
        tracePresent(appears ? "appear" : "present", pixels);
    }
}

void SdlBackend::WaitForInput(std::optional<DWORD> timeoutMs) {
    // SDL sets Xlib's error handler for some of its own work on windows: ours is the one in place
    // while the events are read.
    IgnoreHarmlessX11Errors();
    // The wait ends once Now() has reached the limit: the wait's timeout is rounded up to whole
    // milliseconds on the same clock, so a timer that is due does not find itself just short of it
    // and cost a second wake-up.
    using Clock = std::chrono::steady_clock;
    const std::optional<Clock::time_point> deadline =
        timeoutMs
            ? std::optional<Clock::time_point>(Clock::now() + std::chrono::milliseconds(*timeoutMs))
            : std::nullopt;
    // Only input that becomes an SDL event ends the wait: the X server also sends what SDL keeps
    // to itself (property changes, the window manager's messages). A minimise the desktop left
    // undone ends it too.
    while (!SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) {
        std::optional<Clock::time_point> wakeAt = deadline;
        if (const std::optional<Clock::time_point> due = nextMinimiseDue()) {
            if (undoMinimisesDue()) {
                ++wakeUps_;
                traceWakeUp("minimise undone", 0);
                return;
            }
            if (!wakeAt || *due < *wakeAt) {
                wakeAt = due;
            }
        }
        std::optional<int> left;
        if (wakeAt) {
            const Clock::time_point now = Clock::now();
            if (deadline && now >= *deadline) {
                ++wakeUps_;
                traceWakeUp("timeout", 0);
                return;
            }
            const auto remaining =
                std::chrono::ceil<std::chrono::milliseconds>(std::max(*wakeAt - now, {}));
            left = static_cast<int>(
                std::min<long long>(remaining.count(), std::numeric_limits<int>::max()));
        }
        if (wait_.Wait(windows_.empty() ? nullptr : windows_.front()->sdlWindow(), left)) {
            SDL_PumpEvents();
        }
    }
    ++wakeUps_;
    std::vector<SDL_Event> events(16);
    std::size_t count = 0;
    while (true) {
        const int got =
            SDL_PeepEvents(events.data() + count, static_cast<int>(events.size() - count),
                           SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
        if (got <= 0) {
            break;
        }
        count += static_cast<std::size_t>(got);
        if (count < events.size()) {
            break;
        }
        events.resize(events.size() * 2);
    }
    events.resize(count);
    traceWakeUp("event", events.empty() ? 0 : events.front().type);
    for (std::size_t i = 0; i < events.size(); ++i) {
        // Mouse moves in a row count as one, the last (the window layer queues them so anyway).
        const bool movedOnAtOnce = events[i].type == SDL_MOUSEMOTION && i + 1 < events.size() &&
                                   events[i + 1].type == SDL_MOUSEMOTION;
        if (!movedOnAtOnce) {
            dispatch(events[i]);
        } else if (const TopLevelWindow* window = find(events[i].motion.windowID)) {
            // Its screen point is not the next move's.
            pointerTrail_.TakeScreenPoint(window->x11Window(),
                                          POINT{events[i].motion.x, events[i].motion.y});
        }
    }
}

void SdlBackend::PostTask(std::function<void()> task) {
    tasks_.Post(std::move(task));
    // The SDL event runs the tasks; the wake-up, sent after it, ends the wait for it.
    SDL_Event wake{};
    wake.type = taskEvent_;
    SDL_PushEvent(&wake);
    wait_.Wake();
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
    return WindowManagerRuns(windows_.front()->sdlWindow());
}

void SdlBackend::TopLevelMoveStarts(HWND hwnd) {
    if (TopLevelWindow* window = find(hwnd)) {
        window->StartPointerMove();
    }
}

void SdlBackend::TopLevelMoveFollows(HWND hwnd, POINT logical, POINT deviceDistance) {
    if (TopLevelWindow* window = find(hwnd)) {
        window->FollowPointer(logical, deviceDistance);
    }
}

void SdlBackend::dispatch(const SDL_Event& event) {
    switch (event.type) {
        case SDL_MOUSEMOTION:
            if (const TopLevelWindow* window = find(event.motion.windowID)) {
                const POINT device = MouseOnScreen(*window, event.motion.x, event.motion.y,
                                                   event.motion.state != 0, true);
                InputMouseMove(window->ScreenFromDevice(device), device);
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
    const std::optional<POINT> reported = buttonPoints_.Take();
    MouseButton button = MouseButton::Left;
    if (event.button == SDL_BUTTON_RIGHT) {
        button = MouseButton::Right;
    } else if (event.button != SDL_BUTTON_LEFT) {
        return;
    }
    const bool down = event.state == SDL_PRESSED;
    const TopLevelWindow* window = find(event.windowID);
    if (window == nullptr) {
        // SDL forgets which window has the pointer when the pointer leaves it with the button
        // held, and gives the release no window: it still ends the press (or the drag) that the
        // window layer has going.
        if (!down && reported.has_value()) {
            InputMouseButton(button, down, scale_.ToLogical(*reported), *reported);
        }
        return;
    }
    const HWND hwnd = window->hwnd();
    // A release handled late must not take the place the pointer has moved on to since.
    const POINT device =
        reported.has_value() ? *reported : MouseOnScreen(*window, event.x, event.y, !down, false);
    if (down && !window->isUnmanaged() && !AcceptsMouseInput(hwnd)) {
        raiseModalOver(hwnd);
    }
    InputMouseButton(button, down, window->ScreenFromDevice(device), device);
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
        case SDL_WINDOWEVENT_ENTER:
            // The window manager may place a window elsewhere than asked, or drag it. It may also
            // move the frame of a window just shown without telling the window (XWayland's window
            // manager in weston): when the pointer comes in, the place is read again, before the
            // pointer's own events.
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
        case SDL_WINDOWEVENT_LEAVE:
            // The pointer went elsewhere on the screen: SDL reports no move out of the window,
            // and without one the window layer would go on seeing it at the last point inside.
            // (While a button is held the moves outside keep coming.)
            if (const std::optional<PointerEvent> leave =
                    pointerTrail_.TakeLeave(window->x11Window());
                leave && !leave->buttonHeld) {
                InputMouseMove(window->ScreenFromDevice(leave->screen), leave->screen);
            }
            break;
        default:
            break;
    }
}

POINT SdlBackend::MouseOnScreen(const TopLevelWindow& window, int x, int y, bool buttonHeld,
                                bool moved) {
    // A move: the screen point the server sent with it. The window may have moved since (the
    // window layer moves it itself while a button drags it), which the window's own place would
    // not tell.
    if (moved) {
        if (const std::optional<POINT> screen =
                pointerTrail_.TakeScreenPoint(window.x11Window(), POINT{x, y})) {
            return *screen;
        }
    }
    if (buttonHeld) {
        // Otherwise, while a button is held, the server's pointer (SDL gives a button's event
        // the point it last knew, and may have changed the point of a move). Else the event's own
        // point is the one that counts: the pointer may have moved on since (and SDL's global
        // mouse state is a cache that pointer warps never refresh).
        if (const std::optional<POINT> pointer = X11PointerPosition(window.sdlWindow())) {
            return *pointer;
        }
    }
    return window.DeviceScreenPoint(x, y);
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
