// The headless backend: no screen. Tests inject input at screen coordinates, advance a virtual
// clock, read and save the pixels of any top-level window, and see every message box. Modal loops
// (dialogs, message boxes, the system menu) run the test's script steps whenever they are idle.
//
//   auto& h = platform::HeadlessBackend::Instance();
//   h.AddStep([&] { h.Click({x, y}); });   // runs when a modal loop waits for input
//   dialog.DoModal();                       // runs the steps, returns when one of them ends it
//   h.Advance(200);                         // due timers fire in order, messages are processed
//
// A modal loop that waits with no steps left prints the open windows and aborts: a test never
// hangs. Message boxes are answered with OK by default (their texts are kept).
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/backend/backend.hpp"
#include "platform/backend/task_queue.hpp"
#include "platform/wnd/input.hpp"

namespace platform {

class HeadlessBackend : public Backend {
  public:
    // The current platform context's backend. A fresh context starts with no windows, no steps,
    // no message boxes and the clock at 0.
    static HeadlessBackend& Instance();

    // Backend.
    DWORD Now() override { return now_; }
    void TopLevelCreated(HWND hwnd) override;
    void TopLevelDestroyed(HWND hwnd) override;
    void TopLevelChanged(HWND hwnd) override;
    void Present(HWND hwnd, const std::vector<RECT>& damage) override;
    void WaitForInput(std::optional<DWORD> timeoutMs) override;
    void PostTask(std::function<void()> task) override { tasks_.Post(std::move(task)); }
    SIZE ScreenSize() override { return SIZE{1920, 1080}; }
    // The device scale of the surfaces of top-level windows made from now on (1 unless a test or
    // benchmark asks for more; the pictures and pixels read stay the surfaces' own).
    int SurfaceScale() override { return surfaceScale_; }
    void SetSurfaceScale(int scale) { surfaceScale_ = scale; }
    void MessageBoxOpened(HWND box, const std::wstring& text, const std::wstring& caption) override;
    void MessageBoxClosed(HWND box) override;
    void TopLevelMoveStarts(HWND hwnd) override;
    void TopLevelMoveFollows(HWND hwnd, POINT logical, POINT deviceDistance) override;

    // Time: advancing fires the due timers in order, each at its own time, processing messages
    // and paints in between.
    void Advance(DWORD ms);
    // Processes queued messages, paints and due timers until none is left.
    void Pump();

    // Input at screen coordinates; each call processes what it caused before returning.
    void MoveMouse(POINT screen);
    void Press(POINT screen, MouseButton button = MouseButton::Left);
    void Release(POINT screen, MouseButton button = MouseButton::Left);
    void Click(POINT screen, MouseButton button = MouseButton::Left);  // move, press, release
    void Drag(POINT from, POINT to, int steps = 4);                    // left button held
    void KeyDown(int virtualKey);
    void KeyUp(int virtualKey);
    void Key(int virtualKey);  // down and up

    // Script steps for modal loops, run one at a time whenever a modal loop is idle.
    void AddStep(std::function<void()> step);
    std::size_t StepsLeft() const { return steps_.size(); }

    // Message boxes: every text shown, in order; open boxes are answered with OK when a modal
    // loop is idle, unless turned off (then script steps handle them).
    const std::vector<std::wstring>& MessageBoxTexts() const { return boxTexts_; }
    const std::vector<std::wstring>& MessageBoxCaptions() const { return boxCaptions_; }
    void SetAnswerMessageBoxes(bool answer) { answerBoxes_ = answer; }
    HWND OpenMessageBox() const { return openBoxes_.empty() ? nullptr : openBoxes_.back(); }

    // Pixels. A window's own surface (the whole window, frame included), the colour a screen
    // point shows (0x00RRGGBB; the desktop is black), and pictures of a window.
    const Surface* WindowPixels(HWND hwnd) const;
    std::uint32_t ScreenPixel(POINT screen) const;
    bool SavePng(HWND hwnd, const std::string& path) const;
    bool SaveBmp(HWND hwnd, const std::string& path) const;

    // What the window layer told the backend: how many presents, the rectangles of the last one,
    // and the pixels of all of them together (counted per rectangle).
    int PresentCount() const { return presents_; }
    const std::vector<RECT>& LastPresent() const { return lastPresent_; }
    long long PresentedPixels() const { return presentedPixels_; }
    int TopLevelChanges() const { return changes_; }

    // The moves with the pointer that the window layer made: each start, then each step (where
    // the window went, the pointer's distance since the start in the input's device points).
    struct PointerMoveStep {
        HWND window;
        bool start;
        POINT logical;
        POINT deviceDistance;
    };
    const std::vector<PointerMoveStep>& PointerMoveSteps() const { return moveSteps_; }

  private:
    DWORD now_ = 0;
    std::deque<std::function<void()>> steps_;
    TaskQueue tasks_;
    std::vector<std::wstring> boxTexts_;
    std::vector<std::wstring> boxCaptions_;
    std::vector<HWND> openBoxes_;
    bool answerBoxes_ = true;
    int presents_ = 0;
    std::vector<RECT> lastPresent_;
    long long presentedPixels_ = 0;
    int changes_ = 0;
    std::vector<PointerMoveStep> moveSteps_;
    int surfaceScale_ = 1;
};

}  // namespace platform
