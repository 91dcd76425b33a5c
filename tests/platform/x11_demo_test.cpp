// The demonstration window on a real X server: shown by the sdl backend in its own process, it
// has exactly the pixels the headless backend draws for the same window here, its cut-out pixels
// show the screen beneath, dragging its caption band moves it, and Escape ends it. Run through
// tests/x11/with_x.sh (Xvfb on a free display, with openbox, or bare with --no-wm).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <string>
#include <thread>

#include "platform/gdi/region.hpp"
#include "platform/gdi/surface.hpp"
#include "platform/wnd/window_tree.hpp"
#include "tools/platform_demo/demo_window.hpp"
#include "x11_screen.hpp"

namespace {

using std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr POINT kPlace{80, 60};
constexpr auto kPatience = 15s;  // how long the desktop may take to show something
const std::string kTitle = "Vespane RGB platform demo";

// The window as the headless backend draws it.
struct Expected {
    Surface pixels;
    Region shape;
};

Expected DrawHeadless() {
    demo::DemoWindow window;
    EXPECT_TRUE(window.CreateAt(kPlace));
    return Expected{*platform::WindowSurface(window), platform::WindowShape(window)};
}

struct Comparison {
    int inside = 0;        // pixels of the window's shape
    int wrongInside = 0;   // ... not as the headless backend drew them
    int outside = 0;       // cut-out pixels of the window's rectangle
    int wrongOutside = 0;  // ... not showing the screen beneath
    std::string firstWrong;
};

Comparison Compare(const x11test::Picture& shot, const x11test::Picture& beneath,
                   const Expected& expected, POINT at) {
    Comparison result;
    for (int y = 0; y < expected.pixels.height(); ++y) {
        for (int x = 0; x < expected.pixels.width(); ++x) {
            const int sx = at.x + x;
            const int sy = at.y + y;
            const bool onScreen = sx >= 0 && sy >= 0 && sx < shot.width && sy < shot.height;
            const bool inside = expected.shape.contains(x, y);
            const std::uint32_t want =
                inside ? expected.pixels.at(x, y) : (onScreen ? beneath.at(sx, sy) : 0u);
            const bool right = onScreen && shot.at(sx, sy) == want;
            (inside ? result.inside : result.outside) += 1;
            if (!right) {
                (inside ? result.wrongInside : result.wrongOutside) += 1;
                if (result.firstWrong.empty()) {
                    std::ostringstream text;
                    text << "window pixel (" << x << ", " << y << ") " << std::hex << "is 0x"
                         << (onScreen ? shot.at(sx, sy) : 0u) << ", expected 0x" << want;
                    result.firstWrong = text.str();
                }
            }
        }
    }
    return result;
}

// Takes screenshots until the window's pixels at `at` are right, for a while; the last result.
Comparison WaitForPixels(const Expected& expected, const x11test::Picture& beneath, POINT at) {
    const auto deadline = steady_clock::now() + kPatience;
    Comparison result;
    while (true) {
        if (const auto shot = x11test::Screenshot()) {
            result = Compare(*shot, beneath, expected, at);
            if (result.wrongInside == 0 && result.wrongOutside == 0) {
                return result;
            }
        }
        if (steady_clock::now() > deadline) {
            return result;
        }
        std::this_thread::sleep_for(100ms);
    }
}

bool WindowManagerRunning() {
    const auto output = x11test::Run("xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null");
    return output && output->find("window id") != std::string::npos;
}

class DemoOnX : public testing::Test {
  protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr) {
            GTEST_SKIP() << "no X display: run this test through tests/x11/with_x.sh";
        }
        expected_ = DrawHeadless();
        const auto beneath = x11test::Screenshot();
        ASSERT_TRUE(beneath) << "import -window root gave no picture";
        beneath_ = *beneath;
    }

    Expected expected_;
    x11test::Picture beneath_;
};

TEST_F(DemoOnX, ScreenShowsWhatTheHeadlessBackendDraws) {
    x11test::ChildProcess demo(
        {VR_PLATFORM_DEMO, std::to_string(kPlace.x), std::to_string(kPlace.y)});
    ASSERT_TRUE(demo.started());
    const auto rect = x11test::WaitForWindow(kTitle, 20);
    ASSERT_TRUE(rect) << "the demo window was never mapped";
    // Placed exactly where asked, at the window's size.
    EXPECT_EQ(*rect, (RECT{kPlace.x, kPlace.y, kPlace.x + demo::kWidth, kPlace.y + demo::kHeight}));

    const Comparison result = WaitForPixels(expected_, beneath_, kPlace);
    EXPECT_GT(result.inside, demo::kWidth * demo::kHeight * 9 / 10);
    EXPECT_GT(result.outside, 48 * 48 / 2);  // the cut corner at least
    EXPECT_EQ(result.wrongInside, 0) << result.firstWrong;
    EXPECT_EQ(result.wrongOutside, 0)
        << "cut-out pixels must show the screen beneath; " << result.firstWrong;
}

// With a window manager, the backend's hit test hands the drag to it; on a bare X server the
// window layer moves the window itself.
TEST_F(DemoOnX, DraggingTheCaptionBandMovesTheWindow) {
    x11test::ChildProcess demo(
        {VR_PLATFORM_DEMO, std::to_string(kPlace.x), std::to_string(kPlace.y)});
    ASSERT_TRUE(demo.started());
    ASSERT_TRUE(x11test::WaitForWindow(kTitle, 20)) << "the demo window was never mapped";
    ASSERT_EQ(WaitForPixels(expected_, beneath_, kPlace).wrongInside, 0);

    // Press on the caption band, move by (+60, +44) in steps, release. The pauses only pace the
    // input like a hand would; the result is waited for below.
    const POINT grab{kPlace.x + 100, kPlace.y + 10};
    std::ostringstream drag;
    drag << "xdotool mousemove " << grab.x << ' ' << grab.y << " mousedown 1 sleep 0.2";
    for (int step = 1; step <= 4; ++step) {
        drag << " mousemove " << grab.x + step * 15 << ' ' << grab.y + step * 11 << " sleep 0.05";
    }
    drag << " sleep 0.2 mouseup 1";
    ASSERT_TRUE(x11test::Run(drag.str()));

    const POINT moved{kPlace.x + 60, kPlace.y + 44};
    const auto deadline = steady_clock::now() + kPatience;
    std::optional<RECT> rect;
    do {
        rect = x11test::WaitForWindow(kTitle, 5);
    } while ((!rect || rect->left != moved.x || rect->top != moved.y) &&
             steady_clock::now() < deadline);
    ASSERT_TRUE(rect);
    EXPECT_EQ(rect->left, moved.x);
    EXPECT_EQ(rect->top, moved.y);

    // Shown in full at the new place.
    const Comparison result = WaitForPixels(expected_, beneath_, moved);
    EXPECT_EQ(result.wrongInside, 0) << result.firstWrong;
    EXPECT_EQ(result.wrongOutside, 0) << result.firstWrong;
    EXPECT_TRUE(demo.running());
}

TEST_F(DemoOnX, EscapeEndsTheProgram) {
    x11test::ChildProcess demo(
        {VR_PLATFORM_DEMO, std::to_string(kPlace.x), std::to_string(kPlace.y)});
    ASSERT_TRUE(demo.started());
    ASSERT_TRUE(x11test::WaitForWindow(kTitle, 20)) << "the demo window was never mapped";
    // Focus the window (through the window manager if one runs), then press Escape on the
    // keyboard (XTEST, as a person would).
    const char* focus = WindowManagerRunning() ? "windowactivate" : "windowfocus";
    ASSERT_TRUE(x11test::Run("xdotool search --onlyvisible --name '^" + kTitle + "$' " + focus +
                             " --sync"));
    ASSERT_TRUE(x11test::Run("xdotool key Escape"));
    const auto deadline = steady_clock::now() + kPatience;
    while (demo.running() && steady_clock::now() < deadline) {
        std::this_thread::sleep_for(50ms);
    }
    ASSERT_FALSE(demo.running()) << "the demo still runs after Escape";
    EXPECT_EQ(demo.exitStatus(), 0);
}

}  // namespace
