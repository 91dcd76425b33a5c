// Messages: the queue, sent and posted messages, the order in which the loop takes its work
// (posted messages and input first, then paints, then timers), modal loops and window timers.
#include <algorithm>
#include <cstdio>

#include "platform/wnd/afxwin.hpp"
#include "platform/wnd/input.hpp"
#include "platform/wnd/wnd_state.hpp"

LRESULT DispatchToObject(CWnd* object, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

namespace wnd {

namespace {

LRESULT Deliver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowObject* w = Find(hwnd);
    if (w == nullptr) return 0;
    if (w->object != nullptr) return DispatchToObject(w->object, hwnd, message, wParam, lParam);
    return CallClassProc(hwnd, message, wParam, lParam);
}

// Hands a message just taken from the queue to the WH_GETMESSAGE hooks.
void Taken(MSG& msg) {
    CallHooks(WH_GETMESSAGE, PM_REMOVE, reinterpret_cast<LPARAM>(&msg));
}

}  // namespace

LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (Find(hwnd) == nullptr) return 0;
    if (!S().hooks.empty()) {
        CWPSTRUCT sent;
        sent.lParam = lParam;
        sent.wParam = wParam;
        sent.message = message;
        sent.hwnd = hwnd;
        CallHooks(WH_CALLWNDPROC, TRUE, reinterpret_cast<LPARAM>(&sent));
    }
    return Deliver(hwnd, message, wParam, lParam);
}

void Post(const MSG& msg) {
    S().queue.push_back(msg);
}

void PurgeMessages(HWND hwnd) {
    auto& q = S().queue;
    q.erase(std::remove_if(q.begin(), q.end(), [hwnd](const MSG& m) { return m.hwnd == hwnd; }),
            q.end());
    if (S().peeked && S().peeked->hwnd == hwnd) S().peeked.reset();
}

namespace {

// MFC's filter chain: from the message's window up to its top-level window, each attached object
// may take the message before it is dispatched.
bool PreTranslateWalk(MSG& msg) {
    for (HWND h = msg.hwnd; Find(h) != nullptr;) {
        const bool child = h->isChild();
        HWND parent = h->parent;
        if (h->object != nullptr && h->object->PreTranslateMessage(&msg) != FALSE) return true;
        if (!child) break;
        h = parent;
    }
    // Windows of the platform's own dialog-like classes (message boxes) get the dialog keys.
    HWND top = TopLevelOf(msg.hwnd);
    if (top != nullptr && top->object == nullptr && top->windowClass != nullptr &&
        top->windowClass->dialogKeys) {
        return IsDialogMessageW(top, &msg) != FALSE;
    }
    return false;
}

// As on Windows, posted messages come before input: a click's command, posted at its release,
// runs before a second click that was already waiting (a popup it opens disables its owner
// first, so that click finds the owner disabled).
MSG PopNext() {
    auto& q = S().queue;
    auto it = std::find_if(q.begin(), q.end(), [](const MSG& m) { return m.hwnd != nullptr; });
    if (it == q.end()) it = q.begin();
    MSG msg = *it;
    q.erase(it);
    return msg;
}

// The next message to dispatch: posted messages, then input in order of arrival and WM_QUIT.
bool NextQueued(MSG& msg) {
    State& s = S();
    if (s.peeked) {
        msg = *s.peeked;
        s.peeked.reset();
        return true;
    }
    while (!s.queue.empty()) {
        msg = PopNext();
        if (msg.hwnd == nullptr && msg.message != WM_QUIT) {
            s.inputPoint = msg.pt;
            if (!ResolveRawInput(msg)) continue;
        }
        Taken(msg);
        return true;
    }
    return false;
}

}  // namespace

bool ProcessOne() {
    MSG msg;
    if (NextQueued(msg)) {
        if (msg.message == WM_QUIT) {
            Post(msg);  // keeps the quit for the loops outside
            return false;
        }
        if (!PreTranslateWalk(msg)) ::DispatchMessageW(&msg);
        return true;
    }
    if (PaintNext()) return true;
    if (FireDueTimer()) return true;
    PresentPending();
    return false;
}

void PumpUntilIdle() {
    while (ProcessOne()) {
    }
}

bool QuitPending() {
    const auto& q = S().queue;
    return std::any_of(q.begin(), q.end(), [](const MSG& m) { return m.message == WM_QUIT; });
}

void RunModalLoop(HWND modal, const std::function<bool()>& done) {
    while (!done() && Find(modal) != nullptr && !QuitPending()) {
        if (ProcessOne()) continue;
        if (done() || Find(modal) == nullptr || QuitPending()) break;
        B().WaitForInput(MsUntilNextTimer());
    }
}

// Timers.

std::optional<DWORD> MsUntilNextTimer() {
    const auto& timers = S().timers;
    if (timers.empty()) return std::nullopt;
    const DWORD now = B().Now();
    DWORD best = 0xFFFFFFFF;
    for (const Timer& t : timers) {
        const auto left = static_cast<std::int32_t>(t.due - now);
        best = std::min<DWORD>(best, left <= 0 ? 0 : static_cast<DWORD>(left));
    }
    return best;
}

bool FireDueTimer() {
    State& s = S();
    const DWORD now = B().Now();
    Timer* next = nullptr;
    for (Timer& t : s.timers) {
        if (static_cast<std::int32_t>(t.due - now) > 0) continue;
        if (next == nullptr || static_cast<std::int32_t>(t.due - next->due) < 0 ||
            (t.due == next->due && t.order < next->order)) {
            next = &t;
        }
    }
    if (next == nullptr) return false;
    next->due = now + next->elapse;
    next->order = ++s.timerOrder;
    MSG msg;
    msg.hwnd = next->hwnd;
    msg.message = WM_TIMER;
    msg.wParam = next->id;
    msg.time = now;
    msg.pt = s.cursor;
    if (!PreTranslateWalk(msg)) ::DispatchMessageW(&msg);
    return true;
}

void RemoveWindowTimers(HWND hwnd) {
    auto& timers = S().timers;
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [hwnd](const Timer& t) { return t.hwnd == hwnd; }),
                 timers.end());
}

}  // namespace wnd

using namespace wnd;

namespace platform {

void ProcessPendingWork() {
    PumpUntilIdle();
}
std::optional<DWORD> NextTimerDueIn() {
    return MsUntilNextTimer();
}

}  // namespace platform

BOOL PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (Find(hwnd) == nullptr) return FALSE;
    MSG msg;
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = B().Now();
    msg.pt = S().cursor;
    Post(msg);
    return TRUE;
}

LRESULT SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Send(hwnd, message, wParam, lParam);
}

LRESULT DispatchMessageW(const MSG* msg) {
    if (msg == nullptr || Find(msg->hwnd) == nullptr) return 0;
    return Deliver(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

void PostQuitMessage(int exitCode) {
    MSG msg;
    msg.message = WM_QUIT;
    msg.wParam = static_cast<WPARAM>(exitCode);
    Post(msg);
}

namespace {

// Takes the next message of any kind (queued, input, paint, timer) without dispatching it.
bool TakeMessage(MSG* out) {
    State& s = S();
    if (s.peeked) {
        *out = *s.peeked;
        s.peeked.reset();
        return true;
    }
    while (!s.queue.empty()) {
        MSG msg = PopNext();
        if (msg.hwnd == nullptr && msg.message != WM_QUIT && !ResolveRawInput(msg)) continue;
        Taken(msg);
        *out = msg;
        return true;
    }
    return false;
}

}  // namespace

BOOL PeekMessageW(MSG* msg, HWND /*hwnd*/, UINT /*first*/, UINT /*last*/, UINT remove) {
    if (msg == nullptr) return FALSE;
    if (!TakeMessage(msg)) {
        // Paints and timers are handled at once when nothing else waits.
        if (!PaintNext() && !FireDueTimer()) {
            PresentPending();
            return FALSE;
        }
        return PeekMessageW(msg, nullptr, 0, 0, remove);
    }
    if (remove == PM_NOREMOVE) S().peeked = *msg;
    return TRUE;
}

BOOL GetMessageW(MSG* msg, HWND /*hwnd*/, UINT /*first*/, UINT /*last*/) {
    if (msg == nullptr) return FALSE;
    for (;;) {
        if (PeekMessageW(msg, nullptr, 0, 0, PM_REMOVE) != FALSE) return msg->message != WM_QUIT;
        B().WaitForInput(MsUntilNextTimer());
    }
}

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, void* /*unused*/) {
    State& s = S();
    if (hwnd != nullptr && Find(hwnd) == nullptr) return 0;
    if (hwnd == nullptr) id = ++s.nextFreeTimerId;
    elapse = std::max<UINT>(elapse, 10);  // the platform's shortest period
    auto it = std::find_if(s.timers.begin(), s.timers.end(),
                           [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it == s.timers.end()) it = s.timers.insert(s.timers.end(), Timer{});
    it->hwnd = hwnd;
    it->id = id;
    it->elapse = elapse;
    it->due = B().Now() + elapse;
    it->order = ++s.timerOrder;
    return hwnd == nullptr ? id : (id != 0 ? id : 1);
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    auto& timers = S().timers;
    const auto it = std::find_if(timers.begin(), timers.end(),
                                 [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it == timers.end()) return FALSE;
    timers.erase(it);
    return TRUE;
}

DWORD GetTickCount() {
    return B().Now();
}
