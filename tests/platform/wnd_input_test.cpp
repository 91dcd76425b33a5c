// Mouse and keyboard: capture, hit testing through window regions, dragging by HTCAPTION,
// WM_SETCURSOR, focus and key state, disabled windows, the system menu.
#include "wnd_test_support.hpp"

namespace {

using namespace wndtest;

class Input : public WndTest {};

std::vector<POINT> MovesOf(const std::vector<Seen>& log, HWND hwnd) {
    std::vector<POINT> out;
    for (const Seen& s : log) {
        if (s.hwnd == hwnd && s.message == WM_MOUSEMOVE) {
            out.push_back({GET_X_LPARAM(s.lParam), GET_Y_LPARAM(s.lParam)});
        }
    }
    return out;
}

TEST_F(Input, CaptureDeliversMovesOutsideTheWindowInItsClientCoordinates) {
    std::vector<Seen> log;
    RecordingWnd top;
    RecordingWnd child;
    ASSERT_TRUE(top.CreateTop({100, 100, 400, 400}));
    ASSERT_TRUE(child.CreateChild(top, {10, 10, 60, 60}, 1));
    child.log = &log;
    h.MoveMouse({120, 120});
    child.SetCapture();
    EXPECT_EQ(GetCapture(), child.m_hWnd);
    h.MoveMouse({900, 50});  // outside every window
    h.MoveMouse({5, 700});
    auto moves = MovesOf(log, child.m_hWnd);
    ASSERT_EQ(moves.size(), 3u);
    EXPECT_EQ(moves[1], (POINT{900 - 110, 50 - 110}));
    EXPECT_EQ(moves[2], (POINT{5 - 110, 700 - 110}));
    ReleaseCapture();
    h.MoveMouse({900, 60});
    EXPECT_EQ(MovesOf(log, child.m_hWnd).size(), 3u);
}

TEST_F(Input, LosingTheCaptureIsAnnounced) {
    std::vector<Seen> log;
    RecordingWnd a;
    RecordingWnd b;
    ASSERT_TRUE(a.CreateTop({0, 0, 50, 50}));
    ASSERT_TRUE(b.CreateTop({60, 0, 110, 50}));
    a.log = &log;
    a.SetCapture();
    b.SetCapture();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().message, WM_CAPTURECHANGED);
    EXPECT_EQ(reinterpret_cast<HWND>(log.back().lParam), b.m_hWnd);
}

TEST_F(Input, HitTestsGoThroughTheCutOutPixelsOfAShapedWindow) {
    RecordingWnd back;
    RecordingWnd front;
    ASSERT_TRUE(back.CreateTop({0, 0, 400, 400}));
    ASSERT_TRUE(front.CreateTop({100, 100, 300, 300}));
    // A frame: the window keeps a 20-pixel border and loses its middle.
    HRGN outer = CreateRectRgn(0, 0, 200, 200);
    HRGN hole = CreateRectRgn(20, 20, 180, 180);
    CombineRgn(outer, outer, hole, RGN_DIFF);
    DeleteObject(hole);
    front.SetWindowRgn(outer, TRUE);
    h.Pump();
    EXPECT_EQ(WindowFromPoint({110, 110}), front.m_hWnd);
    EXPECT_EQ(WindowFromPoint({200, 200}), back.m_hWnd);
    EXPECT_EQ(WindowFromPoint({500, 500}), nullptr);

    std::vector<Seen> log;
    back.log = &log;
    front.log = &log;
    h.Click({200, 200});
    EXPECT_EQ(MessagesOf(log, front.m_hWnd), std::vector<UINT>{});
    const auto backSeen = MessagesOf(log, back.m_hWnd);
    EXPECT_NE(std::find(backSeen.begin(), backSeen.end(), WM_LBUTTONDOWN), backSeen.end());
    // The screen shows the window beneath through the hole.
    back.paintColor = RGB(0, 255, 0);
    front.paintColor = RGB(255, 0, 0);
    back.Invalidate(FALSE);
    front.Invalidate(FALSE);
    h.Pump();
    EXPECT_EQ(h.ScreenPixel({200, 200}), Rgb(0, 255, 0));
    EXPECT_EQ(h.ScreenPixel({105, 105}), Rgb(255, 0, 0));
}

TEST_F(Input, ShapedChildrenAndHiddenOrDisabledOnesLetThePointThrough) {
    RecordingWnd top;
    RecordingWnd shaped;
    RecordingWnd hidden;
    RecordingWnd disabled;
    ASSERT_TRUE(top.CreateTop({0, 0, 300, 300}));
    ASSERT_TRUE(shaped.CreateChild(top, {10, 10, 110, 110}, 1));
    ASSERT_TRUE(hidden.CreateChild(top, {150, 10, 200, 60}, 2, WS_CHILD));
    ASSERT_TRUE(
        disabled.CreateChild(top, {150, 100, 200, 150}, 3, WS_CHILD | WS_VISIBLE | WS_DISABLED));
    shaped.SetWindowRgn(CreateRoundRectRgn(0, 0, 100, 100, 100, 100), TRUE);  // a circle
    EXPECT_EQ(WindowFromPoint({60, 60}), shaped.m_hWnd);
    EXPECT_EQ(WindowFromPoint({12, 12}), top.m_hWnd) << "outside the circle";
    EXPECT_EQ(WindowFromPoint({160, 20}), top.m_hWnd);
    EXPECT_EQ(WindowFromPoint({160, 110}), top.m_hWnd);
}

TEST_F(Input, CaptionHitTestDragsTheWindowUntilRelease) {
    RecordingWnd w;
    RecordingWnd button;
    w.handler = [](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_NCHITTEST) return HTCAPTION;
        return std::nullopt;
    };
    ASSERT_TRUE(w.CreateTop({100, 100, 300, 300}));
    ASSERT_TRUE(button.CreateChild(w, {10, 10, 50, 50}, 1));
    h.Drag({200, 200}, {260, 150});
    RECT r{};
    w.GetWindowRect(&r);
    EXPECT_EQ(r, (RECT{160, 50, 360, 250}));
    h.MoveMouse({400, 400});  // released: no longer follows
    w.GetWindowRect(&r);
    EXPECT_EQ(r.left, 160);
    // A child answering HTCLIENT takes its own press; the window stays.
    std::vector<Seen> log;
    button.log = &log;
    h.Drag({180, 70}, {300, 300});
    w.GetWindowRect(&r);
    EXPECT_EQ(r.left, 160);
    const auto seen = MessagesOf(log, button.m_hWnd);
    EXPECT_NE(std::find(seen.begin(), seen.end(), WM_LBUTTONDOWN), seen.end());
}

// Input that arrived all at once, handled after the pointer has moved on: the move starts from
// the press, not from where the pointer is by the time the press is handled.
TEST_F(Input, ACaptionDragHandledLateFollowsThePressAndTheRelease) {
    RecordingWnd w;
    w.handler = [](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_NCHITTEST) return HTCAPTION;
        return std::nullopt;
    };
    ASSERT_TRUE(w.CreateTop({100, 100, 300, 300}));
    h.MoveMouse({200, 200});
    RECT r{};
    // A click without a move, then the pointer goes elsewhere: the window stays.
    for (const POINT elsewhere : {POINT{260, 150}, POINT{20, 700}}) {
        platform::InputMouseButton(platform::MouseButton::Left, true, {200, 200});
        platform::InputMouseButton(platform::MouseButton::Left, false, {200, 200});
        platform::InputMouseMove(elsewhere);
        h.Pump();
        w.GetWindowRect(&r);
        EXPECT_EQ(r, (RECT{100, 100, 300, 300})) << "after a click, the pointer at " << elsewhere.x;
        h.MoveMouse({200, 200});
    }
    // A drag: the window ends where the release puts it, whatever the pointer did afterwards.
    platform::InputMouseButton(platform::MouseButton::Left, true, {200, 200});
    platform::InputMouseMove({230, 180});
    platform::InputMouseButton(platform::MouseButton::Left, false, {260, 150});
    platform::InputMouseMove({500, 500});
    h.Pump();
    w.GetWindowRect(&r);
    EXPECT_EQ(r, (RECT{160, 50, 360, 250}));
}

// On a backend with finer pixels (here two per logical one, the press a device pixel right of its
// block's corner), a move with the pointer tells the backend the pointer's distance in device
// pixels, which the logical distance would round; the window layer still places the window by
// the logical one.
TEST_F(Input, AMoveWithThePointerPassesTheDeviceDistanceOfEachStep) {
    RecordingWnd w;
    w.handler = [](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_NCHITTEST) return HTCAPTION;
        return std::nullopt;
    };
    ASSERT_TRUE(w.CreateTop({100, 100, 300, 300}));
    using platform::MouseButton;
    platform::InputMouseMove({200, 200}, {401, 400});
    platform::InputMouseButton(MouseButton::Left, true, {200, 200}, {401, 400});
    platform::InputMouseMove({230, 180}, {461, 361});
    platform::InputMouseMove({900, 900}, {1800, 1800});  // later input, not yet handled
    platform::InputMouseButton(MouseButton::Left, false, {260, 150}, {520, 301});
    h.Pump();
    using Step = platform::HeadlessBackend::PointerMoveStep;
    const std::vector<Step>& steps = h.PointerMoveSteps();
    // The release comes where the pointer was not seen moving to: a move there first, then the
    // release, each a step.
    ASSERT_EQ(steps.size(), 5u);
    EXPECT_TRUE(steps[0].start);
    EXPECT_EQ(steps[0].window, w.m_hWnd);
    const auto step = [&](std::size_t i) {
        return std::pair{steps[i].logical, steps[i].deviceDistance};
    };
    EXPECT_EQ(step(1), std::pair(POINT{130, 80}, POINT{60, -39}));
    EXPECT_EQ(step(2), std::pair(POINT{800, 800}, POINT{1399, 1400}));
    EXPECT_EQ(step(3), std::pair(POINT{160, 50}, POINT{119, -99}));
    EXPECT_EQ(step(4), step(3));
    RECT r{};
    w.GetWindowRect(&r);
    EXPECT_EQ(r, (RECT{160, 50, 360, 250}));

    // The system menu's Move starts where the cursor is, in both kinds of pixels.
    platform::InputMouseMove({170, 60}, {341, 121});
    h.Pump();
    ::SendMessageW(w.m_hWnd, WM_SYSCOMMAND, SC_MOVE, 0);
    platform::InputMouseMove({180, 65}, {362, 131});
    h.Pump();
    ASSERT_EQ(steps.size(), 7u);
    EXPECT_TRUE(steps[5].start);
    EXPECT_EQ(step(6), std::pair(POINT{170, 55}, POINT{21, 10}));
    h.Key(VK_RETURN);
}

TEST_F(Input, APressWhereThePointerWasNotSeenMovingToComesAfterAMoveThere) {
    RecordingWnd top;
    RecordingWnd child;
    ASSERT_TRUE(top.CreateTop({0, 0, 200, 200}));
    ASSERT_TRUE(child.CreateChild(top, {100, 100, 150, 150}, 1));
    std::vector<Seen> log;
    child.log = &log;
    h.MoveMouse({20, 20});
    platform::InputMouseButton(platform::MouseButton::Left, true, {120, 130});
    h.Pump();
    const auto mouseMessages = [&] {
        std::vector<UINT> seen = MessagesOf(log, child.m_hWnd);
        std::erase_if(seen, [](UINT m) { return m < WM_MOUSEMOVE || m > WM_RBUTTONUP; });
        return seen;
    };
    EXPECT_EQ(mouseMessages(), (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN}));
    EXPECT_EQ(MovesOf(log, child.m_hWnd), (std::vector<POINT>{POINT{20, 30}}));
    // Where the last move left the pointer, the release comes alone.
    log.clear();
    platform::InputMouseButton(platform::MouseButton::Left, false, {120, 130});
    h.Pump();
    EXPECT_EQ(mouseMessages(), (std::vector<UINT>{WM_LBUTTONUP}));
}

TEST_F(Input, APointerTakenByAnotherProgramEndsTheCaptureTheMoveAndTheHeldButton) {
    RecordingWnd w;
    w.handler = [](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_NCHITTEST) return HTCAPTION;
        return std::nullopt;
    };
    RecordingWnd holder;
    ASSERT_TRUE(w.CreateTop({100, 100, 300, 300}));
    ASSERT_TRUE(holder.CreateTop({400, 100, 500, 200}));
    std::vector<Seen> log;
    holder.log = &log;
    holder.SetCapture();
    // A move by the surface under way, and the capture held elsewhere.
    h.MoveMouse({200, 200});
    h.Press({200, 200});
    platform::InputPointerTaken();
    h.Pump();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_NE(std::find(log.begin(), log.end(), Seen{holder.m_hWnd, WM_CAPTURECHANGED, 0, 0}),
              log.end());
    // The release goes to the other program; the pointer moves on with no button held.
    h.MoveMouse({260, 150});
    RECT r{};
    w.GetWindowRect(&r);
    EXPECT_EQ(r, (RECT{100, 100, 300, 300})) << "the move ended with the pointer taken";
    EXPECT_GE(GetKeyState(VK_LBUTTON), 0) << "the button counts as up";
}

TEST_F(Input, SetCursorGoesToTheWindowUnderTheCursorBeforeTheMouseMessage) {
    std::vector<Seen> log;
    RecordingWnd top;
    RecordingWnd child;
    ASSERT_TRUE(top.CreateTop({0, 0, 200, 200}));
    ASSERT_TRUE(child.CreateChild(top, {10, 10, 60, 60}, 1));
    top.log = &log;
    child.log = &log;
    h.MoveMouse({20, 20});
    // The child's default processing asks its parent first.
    std::vector<std::pair<HWND, UINT>> order;
    for (const Seen& s : log) {
        if (s.message == WM_SETCURSOR || s.message == WM_MOUSEMOVE)
            order.emplace_back(s.hwnd, s.message);
    }
    const std::vector<std::pair<HWND, UINT>> expected{
        {child.m_hWnd, WM_SETCURSOR}, {top.m_hWnd, WM_SETCURSOR}, {child.m_hWnd, WM_MOUSEMOVE}};
    EXPECT_EQ(order, expected);
    const auto set = std::find_if(log.begin(), log.end(),
                                  [](const Seen& s) { return s.message == WM_SETCURSOR; });
    EXPECT_EQ(reinterpret_cast<HWND>(set->wParam), child.m_hWnd);
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(set->lParam)), HTCLIENT);
    EXPECT_EQ(HIWORD(static_cast<std::uintptr_t>(set->lParam)), WM_MOUSEMOVE);
}

TEST_F(Input, KeysGoToTheFocusWindowAndTheKeyStateFollows) {
    std::vector<Seen> log;
    RecordingWnd top;
    RecordingWnd child;
    short tabDuringKey = 0;
    child.handler = [&](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_KEYDOWN) tabDuringKey = GetKeyState(VK_TAB);
        return std::nullopt;
    };
    ASSERT_TRUE(top.CreateTop({0, 0, 200, 200}));
    ASSERT_TRUE(child.CreateChild(top, {10, 10, 60, 60}, 1));
    child.log = &log;
    child.SetFocus();
    EXPECT_EQ(GetFocus(), child.m_hWnd);
    h.KeyDown(VK_TAB);
    EXPECT_LT(tabDuringKey, 0);
    EXPECT_LT(GetKeyState(VK_TAB), 0);
    h.KeyUp(VK_TAB);
    EXPECT_GE(GetKeyState(VK_TAB), 0);
    const auto seen = MessagesOf(log, child.m_hWnd);
    EXPECT_NE(std::find(seen.begin(), seen.end(), WM_KEYDOWN), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), WM_KEYUP), seen.end());
}

TEST_F(Input, MouseFlagsTellTheHeldButton) {
    std::vector<Seen> log;
    RecordingWnd w;
    ASSERT_TRUE(w.CreateTop({0, 0, 200, 200}));
    w.log = &log;
    h.MoveMouse({10, 10});
    h.Press({10, 10});
    h.MoveMouse({20, 20});
    h.Release({20, 20});
    h.MoveMouse({30, 30});
    std::vector<WPARAM> flags;
    for (const Seen& s : log) {
        if (s.message == WM_MOUSEMOVE) flags.push_back(s.wParam);
    }
    EXPECT_EQ(flags, (std::vector<WPARAM>{0, MK_LBUTTON, 0}));
}

TEST_F(Input, DisabledTopLevelWindowsTakeNoMouseOrKeys) {
    std::vector<Seen> log;
    RecordingWnd w;
    ASSERT_TRUE(w.CreateTop({0, 0, 200, 200}));
    w.log = &log;
    EnableWindow(w.m_hWnd, FALSE);
    EXPECT_FALSE(platform::AcceptsMouseInput(w.m_hWnd));
    h.Pump();
    log.clear();
    h.Click({50, 50});
    h.Key(VK_SPACE);
    EXPECT_EQ(MessagesOf(log, w.m_hWnd), std::vector<UINT>{});
}

TEST_F(Input, DisablingAWindowCancelsItsModeAndTakesTheCaptureFromAnyWindowInIt) {
    std::vector<Seen> log;
    RecordingWnd top;
    RecordingWnd child;
    RecordingWnd grandchild;
    ASSERT_TRUE(top.CreateTop({0, 0, 200, 200}));
    ASSERT_TRUE(child.CreateChild(top, {10, 10, 110, 110}, 1));
    ASSERT_TRUE(grandchild.CreateChild(child, {10, 10, 50, 50}, 2));
    top.log = &log;
    child.log = &log;
    grandchild.log = &log;
    grandchild.SetCapture();
    EnableWindow(top.m_hWnd, FALSE);
    EXPECT_EQ(GetCapture(), nullptr);
    const std::vector<Seen> expected{{top.m_hWnd, WM_CANCELMODE, 0, 0},
                                     {grandchild.m_hWnd, WM_CAPTURECHANGED, 0, 0},
                                     {top.m_hWnd, WM_ENABLE, FALSE, 0}};
    EXPECT_EQ(log, expected);
    // Even a capture taken afterwards brings no input while the top-level window is disabled.
    log.clear();
    grandchild.SetCapture();
    h.Click({30, 30});
    h.MoveMouse({300, 300});
    h.Key(VK_SPACE);
    const auto input = [&] {
        std::vector<UINT> out;
        for (const UINT m : MessagesOf(log, grandchild.m_hWnd)) {
            if (m >= WM_KEYDOWN && m <= WM_MOUSEMOVE + 0x0F) out.push_back(m);
        }
        return out;
    };
    EXPECT_EQ(input(), std::vector<UINT>{});
    EnableWindow(top.m_hWnd, TRUE);
    log.clear();
    h.MoveMouse({30, 30});
    EXPECT_EQ(input(), std::vector<UINT>{WM_MOUSEMOVE});
}

TEST_F(Input, WindowFromPointStopsAtADisabledTopLevelWindow) {
    RecordingWnd top;
    RecordingWnd child;
    ASSERT_TRUE(top.CreateTop({0, 0, 200, 200}));
    ASSERT_TRUE(child.CreateChild(top, {10, 10, 60, 60}, 1));
    EXPECT_EQ(WindowFromPoint({20, 20}), child.m_hWnd);
    EnableWindow(top.m_hWnd, FALSE);
    EXPECT_EQ(WindowFromPoint({20, 20}), top.m_hWnd);
    EnableWindow(top.m_hWnd, TRUE);
    EXPECT_EQ(WindowFromPoint({20, 20}), child.m_hWnd);
}

TEST_F(Input, ReleasingTheCaptureMovesTheMouseForTheWindowUnderThePointer) {
    std::vector<Seen> log;
    RecordingWnd top;
    RecordingWnd first;
    RecordingWnd second;
    ASSERT_TRUE(top.CreateTop({0, 0, 200, 200}));
    ASSERT_TRUE(first.CreateChild(top, {10, 10, 60, 60}, 1));
    ASSERT_TRUE(second.CreateChild(top, {70, 10, 120, 60}, 2));
    second.log = &log;
    h.MoveMouse({20, 20});
    first.SetCapture();
    h.MoveMouse({80, 25});  // goes to the capture
    EXPECT_TRUE(MovesOf(log, second.m_hWnd).empty());
    ReleaseCapture();
    h.Pump();
    EXPECT_EQ(MovesOf(log, second.m_hWnd), (std::vector<POINT>{POINT{10, 15}}));
    // Destroying the window that holds the capture is a release too; no capture, no move.
    first.SetCapture();
    first.DestroyWindow();
    h.Pump();
    EXPECT_EQ(MovesOf(log, second.m_hWnd).size(), 2u);
    ReleaseCapture();
    h.Pump();
    EXPECT_EQ(MovesOf(log, second.m_hWnd).size(), 2u);
}

TEST_F(Input, AModalWindowOrAMenuCancelsTheModeOfTheWindowHoldingTheCapture) {
    std::vector<Seen> log;
    RecordingWnd w;
    RecordingWnd child;
    ASSERT_TRUE(w.CreateTop({100, 100, 400, 300}, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE));
    ASSERT_TRUE(child.CreateChild(w, {10, 10, 60, 60}, 1));
    child.log = &log;
    h.AddStep([&] { h.Key(VK_ESCAPE); });
    child.SetCapture();
    SendMessageW(w.m_hWnd, WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE);
    EXPECT_EQ(h.StepsLeft(), 0u);
    const auto seen = MessagesOf(log, child.m_hWnd);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), WM_CANCELMODE), 1);
    EXPECT_EQ(GetCapture(), nullptr);

    log.clear();
    child.SetCapture();
    MessageBoxW(w.m_hWnd, L"text", L"title", MB_OK);  // the headless desktop answers it
    EXPECT_EQ(MessagesOf(log, child.m_hWnd).front(), WM_CANCELMODE);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Input, SystemMenuFromACaptionRightClickMinimisesAndRestores) {
    RecordingWnd w;
    ASSERT_TRUE(w.CreateTop({100, 100, 400, 300}, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE));
    HMENU menu = w.GetSystemMenu(FALSE);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu), 5);
    EXPECT_TRUE(AppendMenuW(menu, MF_SEPARATOR, 0, nullptr));
    EXPECT_TRUE(AppendMenuW(menu, MF_STRING, 16, L"About"));
    EXPECT_EQ(GetMenuItemCount(menu), 7);
    std::vector<UINT> commands;
    w.handler = [&](UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_SYSCOMMAND) commands.push_back(static_cast<UINT>(wp));
        return std::nullopt;
    };
    HWND popup = nullptr;
    h.AddStep([&] {
        for (HWND t : platform::TopLevelWindows()) {
            if (GetClassNameW(t) == L"#32768") popup = t;
        }
        ASSERT_NE(popup, nullptr);
        RECT r{};
        GetWindowRect(popup, &r);
        // Items: Restore, Move, Minimize (the third, 22 pixels each after a 2-pixel edge).
        h.Click({r.left + 30, r.top + 2 + 22 * 2 + 11});
    });
    h.Click({200, 110}, platform::MouseButton::Right);
    EXPECT_EQ(commands, std::vector<UINT>{SC_MINIMIZE});
    EXPECT_TRUE(w.IsIconic());
    EXPECT_FALSE(IsWindow(popup));
    SendMessageW(w.m_hWnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(w.IsIconic());
    // Alt+Space opens the menu too; Escape closes it with no command.
    commands.clear();
    h.AddStep([&] { h.Key(VK_ESCAPE); });
    h.KeyDown(VK_MENU);
    h.Key(VK_SPACE);
    h.KeyUp(VK_MENU);
    EXPECT_EQ(commands, std::vector<UINT>{SC_KEYMENU});
    EXPECT_EQ(h.StepsLeft(), 0u);
}

TEST_F(Input, CloseFromTheDesktopOrTheCloseBoxSendsClose) {
    std::vector<Seen> log;
    RecordingWnd w;
    w.handler = [](UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_CLOSE) return 0;  // keeps the window
        return std::nullopt;
    };
    ASSERT_TRUE(w.CreateTop({0, 0, 200, 100}, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE));
    w.log = &log;
    platform::InputCloseRequested(w.m_hWnd);
    h.Pump();
    h.Click({190, 12});  // the close box
    const auto seen = MessagesOf(log, w.m_hWnd);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), WM_CLOSE), 2);
}

}  // namespace
