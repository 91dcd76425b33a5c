// Parts of the desktop backend that need no display: the window shape as X SHAPE bands (at 1x and
// scaled), the key translation, the trail of the pointer's screen points, the screen points of
// button events, the X errors the program lives through and the environment set around SDL's
// start.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/backend/sdl/button_points.hpp"
#include "platform/backend/sdl/device_scale.hpp"
#include "platform/backend/sdl/key_map.hpp"
#include "platform/backend/sdl/pointer_trail.hpp"
#include "platform/backend/sdl/scoped_environment.hpp"
#include "platform/backend/sdl/shape_bands.hpp"
#include "platform/backend/sdl/x11_errors.hpp"
#include "platform/wnd/messages.hpp"

namespace {

using platform::sdl::ShapeBands;
using platform::sdl::ShapeRect;

// Whether the pixel lies in one of the rectangles.
bool Covers(const std::vector<ShapeRect>& bands, int x, int y) {
    for (const ShapeRect& r : bands) {
        if (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height) {
            return true;
        }
    }
    return false;
}

TEST(ShapeBands, RectangleIsOneBand) {
    const Region shape = Region::FromRect(RECT{0, 0, 40, 30});
    EXPECT_EQ(ShapeBands(shape, 40, 30), (std::vector<ShapeRect>{{0, 0, 40, 30}}));
}

TEST(ShapeBands, EmptyShapeHidesEveryPixel) {
    EXPECT_TRUE(ShapeBands(Region(), 40, 30).empty());
}

TEST(ShapeBands, RowsWithTheSameSpansMerge) {
    // A frame: full rows at top and bottom, two side pieces in between.
    const Region outer = Region::FromRect(RECT{0, 0, 10, 10});
    const Region shape = outer.subtracted(Region::FromRect(RECT{3, 3, 7, 7}));
    EXPECT_EQ(ShapeBands(shape, 10, 10),
              (std::vector<ShapeRect>{{0, 0, 10, 3}, {0, 3, 3, 4}, {7, 3, 3, 4}, {0, 7, 10, 3}}));
}

TEST(ShapeBands, SameSpansApartDoNotMerge) {
    // Two bars with an empty row between them stay two bands.
    const Region shape =
        Region::FromRect(RECT{0, 0, 8, 2}).united(Region::FromRect(RECT{0, 3, 8, 5}));
    EXPECT_EQ(ShapeBands(shape, 8, 5), (std::vector<ShapeRect>{{0, 0, 8, 2}, {0, 3, 8, 2}}));
}

TEST(ShapeBands, ClippedToTheWindow) {
    const Region shape = Region::FromRect(RECT{-5, -5, 50, 50});
    EXPECT_EQ(ShapeBands(shape, 20, 10), (std::vector<ShapeRect>{{0, 0, 20, 10}}));
    EXPECT_TRUE(ShapeBands(Region::FromRect(RECT{30, 0, 40, 10}), 20, 10).empty());
}

TEST(ShapeBands, CoverExactlyTheShapesPixels) {
    // A cut corner and rounded corners, as the program's windows have.
    const std::array<POINT, 5> outline{{{0, 0}, {52, 0}, {64, 12}, {64, 40}, {0, 40}}};
    const Region shape =
        Region::FromPolygon(outline).intersected(Region::FromRoundRect(RECT{0, 0, 65, 41}, 16, 16));
    const std::vector<ShapeRect> bands = ShapeBands(shape, 64, 40);
    int covered = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 64; ++x) {
            ASSERT_EQ(Covers(bands, x, y), shape.contains(x, y)) << x << "," << y;
            covered += shape.contains(x, y) ? 1 : 0;
        }
    }
    // Bands do not overlap: their areas add up to the shape's pixel count.
    int area = 0;
    for (const ShapeRect& r : bands) {
        area += r.width * r.height;
    }
    EXPECT_EQ(area, covered);
    EXPECT_LT(bands.size(), 40u * 2);  // merged, not one rectangle per row and span
}

TEST(ShapeBands, ScaledShapeCoversTheBlocksOfTheShapesPixels) {
    // At 3x each pixel of the shape is a 3 x 3 block of the device window, and nothing else is.
    const std::array<POINT, 4> outline{{{0, 0}, {20, 0}, {20, 9}, {6, 14}}};
    const Region shape = Region::FromPolygon(outline);
    const platform::sdl::DeviceScale scale(3);
    const std::vector<ShapeRect> bands = scale.ToDevice(ShapeBands(shape, 20, 14));
    for (int y = 0; y < 14 * 3; ++y) {
        for (int x = 0; x < 20 * 3; ++x) {
            ASSERT_EQ(Covers(bands, x, y), shape.contains(x / 3, y / 3)) << x << "," << y;
        }
    }
}

TEST(KeyMap, KeysTheProgramUses) {
    using platform::sdl::VirtualKeyFromSdl;
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_LEFT), VK_LEFT);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_RIGHT), VK_RIGHT);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_UP), VK_UP);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_DOWN), VK_DOWN);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_HOME), VK_HOME);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_END), VK_END);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_PAGEUP), VK_PRIOR);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_PAGEDOWN), VK_NEXT);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_TAB), VK_TAB);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_RETURN), VK_RETURN);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_KP_ENTER), VK_RETURN);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_ESCAPE), VK_ESCAPE);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_SPACE), VK_SPACE);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_F1), VK_F1);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_RSHIFT), VK_SHIFT);
}

TEST(KeyMap, LettersAndDigitsAreTheirUpperCaseCodes) {
    using platform::sdl::VirtualKeyFromSdl;
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_a), 'A');
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_z), 'Z');
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_0), '0');
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_9), '9');
}

TEST(KeyMap, UnusedKeysGiveNothing) {
    using platform::sdl::VirtualKeyFromSdl;
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_F13), 0);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_CAPSLOCK), 0);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_UNKNOWN), 0);
}

TEST(KeyMap, EachKeyThatTheProgramUsesGivesItsVirtualKey) {
    using platform::sdl::VirtualKeyFromSdl;
    const std::pair<SDL_Keycode, int> keys[] = {
        {SDLK_LEFT, VK_LEFT},
        {SDLK_RIGHT, VK_RIGHT},
        {SDLK_UP, VK_UP},
        {SDLK_DOWN, VK_DOWN},
        {SDLK_HOME, VK_HOME},
        {SDLK_END, VK_END},
        {SDLK_PAGEUP, VK_PRIOR},
        {SDLK_PAGEDOWN, VK_NEXT},
        {SDLK_TAB, VK_TAB},
        {SDLK_RETURN, VK_RETURN},
        {SDLK_KP_ENTER, VK_RETURN},
        {SDLK_ESCAPE, VK_ESCAPE},
        {SDLK_SPACE, VK_SPACE},
        {SDLK_BACKSPACE, VK_BACK},
        {SDLK_F1, VK_F1},
        {SDLK_F4, VK_F4},
        {SDLK_LSHIFT, VK_SHIFT},
        {SDLK_RSHIFT, VK_SHIFT},
        {SDLK_LCTRL, VK_CONTROL},
        {SDLK_RCTRL, VK_CONTROL},
        {SDLK_LALT, VK_MENU},
        {SDLK_RALT, VK_MENU},
        {SDLK_a, 'A'},
        {SDLK_q, 'Q'},
        {SDLK_z, 'Z'},
        {SDLK_0, '0'},
        {SDLK_9, '9'},
    };
    for (const auto& [sdlKey, virtualKey] : keys) {
        EXPECT_EQ(VirtualKeyFromSdl(sdlKey), virtualKey) << SDL_GetKeyName(sdlKey);
    }
}

using platform::sdl::PointerEvent;
using platform::sdl::PointerTrail;

PointerEvent Move(unsigned long window, POINT point, POINT screen) {
    return PointerEvent{window, point, screen, false, true};
}

// A window dragged by the window layer: the server sent two moves at the same window point, the
// second after the window had moved 30 pixels right; each SDL event gets its own screen point,
// in order, whatever else passed in between.
TEST(PointerTrail, EachEventGetsTheScreenPointTheServerSentWithIt) {
    PointerTrail trail;
    trail.Note(Move(7, {10, 5}, {110, 105}));
    trail.Note(Move(9, {10, 5}, {500, 400}));  // another window
    trail.Note(Move(7, {10, 5}, {140, 105}));
    trail.Note(Move(7, {11, 5}, {141, 105}));

    EXPECT_EQ(trail.TakeScreenPoint(7, {10, 5}), (POINT{110, 105}));
    EXPECT_EQ(trail.TakeScreenPoint(7, {10, 5}), (POINT{140, 105}));
    // The other window's event came before the one taken: it is gone with it.
    EXPECT_EQ(trail.TakeScreenPoint(9, {10, 5}), std::nullopt);
    EXPECT_EQ(trail.size(), 1u);
    // An SDL event that no noted event stands for leaves the trail as it was.
    EXPECT_EQ(trail.TakeScreenPoint(7, {12, 5}), std::nullopt);
    EXPECT_EQ(trail.TakeScreenPoint(8, {11, 5}), std::nullopt);
    EXPECT_EQ(trail.TakeScreenPoint(7, {11, 5}), (POINT{141, 105}));
    EXPECT_EQ(trail.size(), 0u);
}

// A leave gives where the pointer went; moves before it are dropped with it, and a window's
// leave is never another window's.
TEST(PointerTrail, LeaveGivesWhereThePointerWent) {
    PointerTrail trail;
    trail.Note(Move(7, {3, 4}, {103, 104}));
    trail.Note(PointerEvent{9, {-1, 2}, {899, 2}, true, false});
    trail.Note(PointerEvent{7, {-5, 4}, {95, 104}, true, false});
    trail.Note(Move(7, {6, 6}, {106, 106}));

    const std::optional<PointerEvent> left = trail.TakeLeave(7);
    ASSERT_TRUE(left.has_value());
    EXPECT_EQ(left->screen, (POINT{95, 104}));
    EXPECT_FALSE(left->buttonHeld);
    EXPECT_EQ(trail.TakeLeave(7), std::nullopt);
    EXPECT_EQ(trail.TakeLeave(9), std::nullopt);  // it came before the one taken
    EXPECT_EQ(trail.TakeScreenPoint(7, {6, 6}), (POINT{106, 106}));
}

// Events that SDL never turns into its own are forgotten, oldest first, beyond a bound.
TEST(PointerTrail, UnclaimedEventsAreForgottenBeyondTheBound) {
    PointerTrail trail;
    const int noted = static_cast<int>(PointerTrail::kKept) + 10;
    for (int i = 0; i < noted; ++i) trail.Note(Move(7, {i, 0}, {i + 100, 50}));
    EXPECT_EQ(trail.size(), PointerTrail::kKept);
    EXPECT_EQ(trail.TakeScreenPoint(7, {9, 0}), std::nullopt);
    EXPECT_EQ(trail.TakeScreenPoint(7, {10, 0}), (POINT{110, 50}));
    EXPECT_EQ(trail.TakeScreenPoint(7, {noted - 1, 0}), (POINT{noted + 99, 50}));
}

}  // namespace

namespace {

using platform::sdl::ButtonPoints;

// The order in which the backend sees them: the X event, then SDL's event made from it.
void XButtonThenSdl(ButtonPoints& points, POINT screen) {
    points.NoteXButton(screen);
    points.NoteSdlButtonQueued();
}

TEST(ButtonPoints, EachQueuedButtonEventGetsThePointOfItsOwnXEvent) {
    ButtonPoints points;
    XButtonThenSdl(points, {10, 20});
    points.NoteOtherXEvent();  // a pointer move between press and release
    XButtonThenSdl(points, {300, 40});
    XButtonThenSdl(points, {5, 6});
    EXPECT_EQ(points.Take(), (POINT{10, 20}));
    EXPECT_EQ(points.Take(), (POINT{300, 40}));
    EXPECT_EQ(points.Take(), (POINT{5, 6}));
    EXPECT_EQ(points.Take(), std::nullopt) << "nothing more is queued";
}

TEST(ButtonPoints, AnXButtonEventSdlSwallowedLendsItsPointToNoLaterEvent) {
    ButtonPoints points;
    // A press that started the window manager's drag: SDL queues nothing for it.
    points.NoteXButton({10, 20});
    points.NoteOtherXEvent();
    // A button event of SDL's own (touch emulation) has no X button event right before it.
    points.NoteSdlButtonQueued();
    XButtonThenSdl(points, {30, 40});
    EXPECT_EQ(points.Take(), std::nullopt);
    EXPECT_EQ(points.Take(), (POINT{30, 40}));
    // A swallowed release followed straight by an SDL event would be a press that X reported
    // first: the later point wins.
    points.NoteXButton({1, 1});
    XButtonThenSdl(points, {2, 2});
    EXPECT_EQ(points.Take(), (POINT{2, 2}));
}

TEST(ButtonPoints, ADispatcherThatFallsFarBehindKeepsTheLatestPoints) {
    ButtonPoints points;
    for (int i = 0; i < 1000; ++i) {
        XButtonThenSdl(points, {i, i});
    }
    std::optional<POINT> last;
    int taken = 0;
    while (const std::optional<POINT> point = points.Take()) {
        last = point;
        ++taken;
    }
    EXPECT_GT(taken, 0);
    EXPECT_LT(taken, 1000);
    EXPECT_EQ(last, (POINT{999, 999}));
}

}  // namespace

namespace {

// X protocol numbers, written out here rather than taken from the headers the code uses.
constexpr int kBadWindow = 3;
constexpr int kBadMatch = 8;
constexpr int kBadDrawable = 9;
constexpr int kSendEvent = 25;
constexpr int kConfigureWindow = 12;
constexpr int kPutImage = 72;

TEST(X11Errors, OnlyASendToAWindowThatIsGoneIsHarmless) {
    EXPECT_TRUE(platform::sdl::IsHarmlessX11Error(kBadWindow, kSendEvent));
    // The same error on other requests, and other errors on the send, still end the program as
    // Xlib would: they are faults of the program's own drawing or window handling.
    EXPECT_FALSE(platform::sdl::IsHarmlessX11Error(kBadWindow, kConfigureWindow));
    EXPECT_FALSE(platform::sdl::IsHarmlessX11Error(kBadDrawable, kPutImage));
    EXPECT_FALSE(platform::sdl::IsHarmlessX11Error(kBadMatch, kSendEvent));
}

}  // namespace

// Variables set for a while come back as they were: a set one with its old value, an unset one
// unset (not set to an empty value).
TEST(ScopedEnvironment, PutsEachVariableBackAsItWas) {
    setenv("VR_TEST_SET", "before", 1);
    unsetenv("VR_TEST_UNSET");
    {
        const platform::sdl::ScopedEnvironment scoped(
            {{"VR_TEST_SET", "during"}, {"VR_TEST_UNSET", "/dev/null"}});
        ASSERT_NE(std::getenv("VR_TEST_SET"), nullptr);
        EXPECT_EQ(std::string(std::getenv("VR_TEST_SET")), "during");
        ASSERT_NE(std::getenv("VR_TEST_UNSET"), nullptr);
        EXPECT_EQ(std::string(std::getenv("VR_TEST_UNSET")), "/dev/null");
    }
    ASSERT_NE(std::getenv("VR_TEST_SET"), nullptr);
    EXPECT_EQ(std::string(std::getenv("VR_TEST_SET")), "before");
    EXPECT_EQ(std::getenv("VR_TEST_UNSET"), nullptr);
    unsetenv("VR_TEST_SET");
}
