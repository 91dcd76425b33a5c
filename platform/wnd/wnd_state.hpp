// The window layer's own state and the helpers its parts share. Everything runs on the GUI thread.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/backend/backend.hpp"
#include "platform/wnd/window_tree.hpp"

struct HookObject {
    int kind = 0;  // WH_CALLWNDPROC or WH_GETMESSAGE
    HOOKPROC proc = nullptr;
};

struct WindowClass {
    std::wstring name;
    WNDPROC proc = nullptr;
    bool dialogKeys = false;  // windows of the class get the dialog keys (Tab, Enter, Escape)
};

namespace wnd {

struct Timer {
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT elapse = 0;
    DWORD due = 0;
    std::uint64_t order = 0;  // ties fire in the order the timers were set
};

// Moving a top-level window with the mouse (caption drag) or from the system menu's Move.
struct MoveMode {
    HWND window = nullptr;
    POINT startCursor;
    POINT startDevice;  // the start cursor in the backend's pixels (input.hpp)
    RECT startRect;
    bool byButton = false;  // ends at the left button's release (else at a click or Enter)
};

// The window layer's part of the platform context. It is made after the backend, which it tells
// about every top-level window, and its end destroys every window that is left.
struct State {
    State();
    ~State();
    State(const State&) = delete;
    State& operator=(const State&) = delete;

    std::unordered_map<HWND, std::unique_ptr<WindowObject>> windows;
    // The emptied records of destroyed windows. They stay allocated so that no later window can
    // get a destroyed window's address: a destroyed HWND stays invalid.
    std::vector<std::unique_ptr<WindowObject>> retired;
    std::vector<HWND> topLevels;  // front to back
    std::vector<WindowClass> classes;
    std::vector<std::unique_ptr<HookObject>> hooks;  // oldest first
    std::deque<MSG> queue;
    std::optional<MSG> peeked;  // a message looked at with PM_NOREMOVE
    std::vector<Timer> timers;
    std::uint64_t timerOrder = 0;
    UINT_PTR nextFreeTimerId = 0x7FFF;
    HWND capture = nullptr;
    HWND focus = nullptr;
    HWND activeMenu = nullptr;  // an open popup menu takes the keyboard
    POINT cursor{-1, -1};
    POINT cursorDevice{-1, -1};       // the cursor in the backend's pixels (input.hpp)
    std::optional<POINT> inputPoint;  // where the mouse or key input last taken from the queue was
    POINT inputDevicePoint{-1, -1};   // the mouse input's, in the backend's pixels
    std::array<bool, 256> keys{};     // as of the message being processed
    HCURSOR cursorShape = nullptr;
    std::optional<MoveMode> move;
    // Whether a window may wait for WM_PAINT (or a frame to be drawn): set wherever an update
    // region grows, a frame gets dirty or a window comes on screen; cleared by a search of the
    // windows that found none, so an idle loop does not walk every window again.
    bool paintMayBeDue = true;
    std::unique_ptr<WindowObject> desktop;
};

State& S();  // the current context's
platform::Backend& B();

WindowObject* Find(HWND hwnd);  // null unless live
// The first of the window and its ancestors, up to its top-level window, for which test(window)
// holds; null when none does or the window is gone.
template <typename Test>
WindowObject* FirstUpToTop(HWND hwnd, Test test) {
    for (WindowObject* w = Find(hwnd); w != nullptr; w = w->isChild() ? w->parent : nullptr) {
        if (test(*w)) return w;
    }
    return nullptr;
}
HWND TopLevelOf(HWND hwnd);
bool IsInside(HWND window, HWND ancestor);  // window is ancestor or one of its descendants
const WindowClass* FindClass(const std::wstring& name);
void RegisterBuiltinClasses();

// Geometry. The surface of a top-level window covers the whole window; its client area starts at
// the non-client insets (frame and caption of windows with WS_CAPTION).
struct Insets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
Insets NonClientInsets(const WindowObject& w);
inline constexpr int kCaptionHeight = 24;
inline constexpr int kFrameWidth = 1;
POINT WindowOriginInSurface(HWND hwnd);
POINT ClientOriginInSurface(HWND hwnd);
POINT ClientOriginOnScreen(HWND hwnd);
RECT ClientRectOf(const WindowObject& w);  // (0, 0, width, height) of the client area
// Pixels of the window's client area that can show, in surface coordinates (ancestors' client
// areas and regions, and children with WS_CLIPCHILDREN).
Region VisibleClientRegion(HWND hwnd);
Region ShapeInParentClient(const WindowObject& child);  // rectangle cut by the region
RECT IntersectRects(const RECT& a, const RECT& b);      // empty: all zero
bool IsRectangle(const Region& region);

// Painting.
void InvalidateClient(HWND hwnd, const Region& clientArea, bool erase);
void InvalidateWhole(HWND hwnd, bool erase);  // client and frame
void InvalidateUnder(HWND child);             // the parent's area under a child, erased
bool PaintNext();                             // sends one WM_PAINT; false when none is due
void PresentPending();  // hands each shown top-level window's damage to the backend
void PaintNonClient(HWND topLevel);

// Messages. Send calls the WH_CALLWNDPROC hooks first; DispatchMessageW does not (a dispatched
// message was seen by the WH_GETMESSAGE hooks as it was taken).
LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void CallHooks(int kind, WPARAM wParam, LPARAM lParam);
void Post(const MSG& msg);
bool ProcessOne();  // one queued message, paint or due timer; false when idle
void PumpUntilIdle();
// Runs a modal loop until done() holds, a WM_QUIT arrives, or the window is gone.
void RunModalLoop(HWND modal, const std::function<bool()>& done);
std::optional<DWORD> MsUntilNextTimer();
bool FireDueTimer();
void RemoveWindowTimers(HWND hwnd);
void PurgeMessages(HWND hwnd);

// Input resolution (at retrieval, as Windows does).
bool ResolveRawInput(MSG& msg);  // false: the input went to no window
HWND MouseTargetAt(POINT screen);
WPARAM MouseKeyFlags();
// As on Windows, the end of a capture is followed by a mouse move at the pointer's position, so
// that the window now under it learns of the pointer without waiting for the user to move it.
void FollowCaptureRelease();
// Sent as a modal window or a menu starts: the window holding the capture gets WM_CANCELMODE and
// ends its press or drag (its default processing gives up the capture).
void CancelModes();
// Moves the window with the pointer from the point `from` on (the press that starts the move:
// the pointer may be elsewhere by the time the press is handled), or with the keyboard.
void StartMove(HWND topLevel, bool byButton, POINT from);
void ShowSystemMenu(HWND topLevel, POINT screen);

// Non-client area.
LRESULT DefaultHitTest(HWND hwnd, POINT screen);
// WM_NCHITTEST at a screen point, asked of `target` and handed on to its parent for as long as a
// child answers HTTRANSPARENT; `target` ends as the window whose answer is returned.
LRESULT HitTestPassingTransparent(HWND& target, POINT screen);

}  // namespace wnd
