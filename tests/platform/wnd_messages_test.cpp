// Messages: sent versus posted order, WM_PAINT only when the queue is empty, timers on the
// virtual clock, the PreTranslateMessage chain, the hooks on sent and taken messages.
#include <algorithm>

#include "wnd_test_support.hpp"

namespace {

using namespace wndtest;

constexpr UINT kA = WM_USER + 1;
constexpr UINT kB = WM_USER + 2;
constexpr UINT kC = WM_USER + 3;
constexpr UINT kD = WM_USER + 4;
constexpr UINT kAEnd = WM_USER + 5;

class Messages : public WndTest {};

TEST_F(Messages, SentMessagesRunAtOnceAndPostedOnesWaitTheirTurn) {
    std::vector<UINT> order;
    RecordingWnd w;
    w.handler = [&](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m < kA || m > kAEnd) return std::nullopt;
        order.push_back(m);
        if (m == kA) {
            w.PostMessageW(kC);
            w.SendMessageW(kB);
            w.SendMessageW(kD);
            order.push_back(kAEnd);
        }
        return 0;
    };
    ASSERT_TRUE(w.CreateTop({10, 10, 110, 110}));
    w.PostMessageW(kA);
    EXPECT_TRUE(order.empty()) << "posting must not run the handler";
    h.Pump();
    EXPECT_EQ(order, (std::vector<UINT>{kA, kB, kD, kAEnd, kC}));
}

TEST_F(Messages, PostedMessagesKeepTheirOrder) {
    std::vector<WPARAM> got;
    RecordingWnd w;
    w.handler = [&](UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
        if (m == kA) got.push_back(wp);
        return std::nullopt;
    };
    ASSERT_TRUE(w.CreateTop({0, 0, 50, 50}));
    for (WPARAM i = 0; i < 5; ++i) w.PostMessageW(kA, i);
    h.Pump();
    EXPECT_EQ(got, (std::vector<WPARAM>{0, 1, 2, 3, 4}));
}

TEST_F(Messages, PaintComesOnlyWhenTheQueueIsEmpty) {
    std::vector<Seen> log;
    RecordingWnd w;
    ASSERT_TRUE(CreateTopLogged(w, {0, 0, 100, 100}, log));
    w.InvalidateRect(nullptr, FALSE);
    w.PostMessageW(kA);
    w.PostMessageW(kB);
    h.Pump();
    const auto seen = MessagesOf(log, w.m_hWnd);
    const auto paint = std::find(seen.begin(), seen.end(), WM_PAINT);
    ASSERT_NE(paint, seen.end());
    EXPECT_EQ(std::count(seen.begin(), seen.end(), WM_PAINT), 1);
    EXPECT_LT(std::find(seen.begin(), seen.end(), kB), paint);
}

TEST_F(Messages, InvalidationsMergeIntoOnePaint) {
    std::vector<Seen> log;
    RecordingWnd w;
    ASSERT_TRUE(CreateTopLogged(w, {0, 0, 100, 100}, log));
    const RECT a{0, 0, 10, 10};
    const RECT b{50, 50, 60, 60};
    w.InvalidateRect(&a, FALSE);
    w.InvalidateRect(&b, FALSE);
    RECT update{};
    EXPECT_TRUE(w.GetUpdateRect(&update));
    EXPECT_EQ(update, (RECT{0, 0, 60, 60}));
    h.Pump();
    const auto seen = MessagesOf(log, w.m_hWnd);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), WM_PAINT), 1);
    EXPECT_FALSE(w.GetUpdateRect(&update));
}

TEST_F(Messages, ParentsPaintBeforeTheirChildren) {
    std::vector<Seen> log;
    RecordingWnd parent;
    RecordingWnd child;
    ASSERT_TRUE(parent.CreateTop({0, 0, 200, 200}));
    ASSERT_TRUE(child.CreateChild(parent, {10, 10, 50, 50}, 1));
    h.Pump();
    parent.log = &log;
    child.log = &log;
    child.Invalidate(FALSE);
    parent.Invalidate(FALSE);
    h.Pump();
    std::vector<HWND> painted;
    for (const Seen& s : log) {
        if (s.message == WM_PAINT) painted.push_back(s.hwnd);
    }
    EXPECT_EQ(painted, (std::vector<HWND>{parent.m_hWnd, child.m_hWnd}));
}

TEST_F(Messages, TimersFireAtTheirVirtualTimesInDueOrder) {
    std::vector<std::pair<UINT_PTR, DWORD>> fired;
    RecordingWnd w;
    w.handler = [&](UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_TIMER) fired.emplace_back(wp, GetTickCount());
        return std::nullopt;
    };
    ASSERT_TRUE(w.CreateTop({0, 0, 50, 50}));
    const DWORD start = GetTickCount();
    w.SetTimer(7, 250, nullptr);
    w.SetTimer(3, 100, nullptr);
    h.Advance(99);
    EXPECT_TRUE(fired.empty());
    h.Advance(501);
    const std::vector<std::pair<UINT_PTR, DWORD>> expected{
        {3, start + 100}, {3, start + 200}, {7, start + 250}, {3, start + 300},
        {3, start + 400}, {7, start + 500}, {3, start + 500}, {3, start + 600}};
    EXPECT_EQ(fired, expected);
    EXPECT_EQ(GetTickCount(), start + 600);
}

TEST_F(Messages, KilledAndRestartedTimers) {
    std::vector<DWORD> fired;
    RecordingWnd w;
    w.handler = [&](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_TIMER) fired.push_back(GetTickCount());
        return std::nullopt;
    };
    ASSERT_TRUE(w.CreateTop({0, 0, 50, 50}));
    const DWORD start = GetTickCount();
    w.SetTimer(1, 200, nullptr);
    h.Advance(150);
    w.SetTimer(1, 200, nullptr);  // restarting moves the due time
    h.Advance(150);
    EXPECT_TRUE(fired.empty());
    h.Advance(50);
    EXPECT_EQ(fired, (std::vector<DWORD>{start + 350}));
    EXPECT_TRUE(w.KillTimer(1));
    EXPECT_FALSE(w.KillTimer(1));
    h.Advance(1000);
    EXPECT_EQ(fired.size(), 1u);
    // A destroyed window's timers go with it.
    w.SetTimer(2, 10, nullptr);
    w.DestroyWindow();
    h.Advance(100);
    EXPECT_EQ(fired.size(), 1u);
}

TEST_F(Messages, PreTranslateSeesTheChildrensMouseMovesFirst) {
    std::vector<std::pair<HWND, UINT>> filtered;
    std::vector<Seen> childLog;
    RecordingWnd top;
    RecordingWnd child;
    top.preTranslate = [&](MSG* msg) {
        filtered.emplace_back(msg->hwnd, msg->message);
        return msg->message == kA ? TRUE : FALSE;  // takes kA away from its window
    };
    ASSERT_TRUE(top.CreateTop({100, 100, 400, 400}));
    ASSERT_TRUE(child.CreateChild(top, {10, 10, 110, 60}, 1500));
    h.Pump();
    child.log = &childLog;
    h.MoveMouse({150, 130});
    ASSERT_FALSE(filtered.empty());
    EXPECT_EQ(filtered.back(), std::make_pair(child.m_hWnd, WM_MOUSEMOVE));
    const auto seen = MessagesOf(childLog, child.m_hWnd);
    EXPECT_NE(std::find(seen.begin(), seen.end(), WM_MOUSEMOVE), seen.end());
    // The client coordinates of the child.
    const auto move = std::find_if(childLog.begin(), childLog.end(),
                                   [](const Seen& s) { return s.message == WM_MOUSEMOVE; });
    EXPECT_EQ(GET_X_LPARAM(move->lParam), 40);
    EXPECT_EQ(GET_Y_LPARAM(move->lParam), 20);
    child.PostMessageW(kA);
    h.Pump();
    const auto after = MessagesOf(childLog, child.m_hWnd);
    EXPECT_EQ(std::find(after.begin(), after.end(), kA), after.end());
}

TEST_F(Messages, MessagesToADestroyedWindowAreDropped) {
    int got = 0;
    RecordingWnd w;
    w.handler = [&](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == kA) ++got;
        return std::nullopt;
    };
    ASSERT_TRUE(w.CreateTop({0, 0, 50, 50}));
    HWND hwnd = w.m_hWnd;
    w.PostMessageW(kA);
    w.DestroyWindow();
    EXPECT_EQ(w.m_hWnd, nullptr);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(PostMessageW(hwnd, kA, 0, 0));
    h.Pump();
    EXPECT_EQ(got, 0);
}

// What the two kinds of hook saw: (message, window) in order.
std::vector<std::pair<UINT, HWND>> sentSeen;
std::vector<std::pair<UINT, HWND>> takenSeen;
LRESULT SeeSent(int, WPARAM, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (sent->message >= kA && sent->message <= kD)
        sentSeen.emplace_back(sent->message, sent->hwnd);
    return 0;
}
LRESULT SeeTaken(int, WPARAM, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if ((msg->message >= kA && msg->message <= kD) || msg->message == WM_LBUTTONDOWN) {
        takenSeen.emplace_back(msg->message, msg->hwnd);
    }
    return 0;
}

TEST_F(Messages, HooksSeeSentMessagesAndWhatIsTakenFromTheQueueOnceEach) {
    sentSeen.clear();
    takenSeen.clear();
    RecordingWnd w;
    ASSERT_TRUE(w.CreateTop({0, 0, 100, 100}));
    h.Pump();
    const HHOOK sent = SetWindowsHookExW(WH_CALLWNDPROC, &SeeSent, nullptr, 0);
    const HHOOK taken = SetWindowsHookExW(WH_GETMESSAGE, &SeeTaken, nullptr, 0);
    ASSERT_NE(sent, nullptr);
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(SetWindowsHookExW(WH_CALLWNDPROC, nullptr, nullptr, 0), nullptr);

    w.SendMessageW(kA);
    w.PostMessageW(kB);
    h.Click(POINT{50, 50});  // the press comes through the queue as input, resolved to w
    h.Pump();
    // The posted message and the press are taken once each and dispatched without passing the
    // sent-message hook.
    EXPECT_EQ(sentSeen, (std::vector<std::pair<UINT, HWND>>{{kA, w.m_hWnd}}));
    EXPECT_EQ(takenSeen,
              (std::vector<std::pair<UINT, HWND>>{{kB, w.m_hWnd}, {WM_LBUTTONDOWN, w.m_hWnd}}));

    // A message peeked without removing it is taken once, however often it is looked at.
    takenSeen.clear();
    w.PostMessageW(kC);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, kC);
    EXPECT_EQ(takenSeen, (std::vector<std::pair<UINT, HWND>>{{kC, w.m_hWnd}}));

    EXPECT_TRUE(UnhookWindowsHookEx(sent));
    EXPECT_TRUE(UnhookWindowsHookEx(taken));
    EXPECT_FALSE(UnhookWindowsHookEx(taken));
    sentSeen.clear();
    takenSeen.clear();
    w.SendMessageW(kD);
    w.PostMessageW(kD);
    h.Pump();
    EXPECT_TRUE(sentSeen.empty());
    EXPECT_TRUE(takenSeen.empty());
}

}  // namespace
