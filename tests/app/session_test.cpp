// A long random session over the whole program: clicks, drags, held presses and keys anywhere on
// the main window and the LED quantity popup, with a fixed seed. Afterwards the window's state
// must still be consistent, every report the controller received must be a valid one, and the
// platform objects must be back to their count at the start.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "platform/gdi/gdi.hpp"
#include "platform/wnd/window_tree.hpp"
#include "tests/app/program_driver.hpp"

namespace {

using namespace shelltest;

constexpr int kActions = 10000;
constexpr std::uint32_t kSeed = 0x1A2C1507;

UINT SelectedEffectImage(int effect) {
    return effect <= 7 ? static_cast<UINT>(129 + 2 * effect)
                       : static_cast<UINT>(145 + 3 * (effect - 8));
}
constexpr std::array<UINT, 8> kSelectedPresetImages{209, 215, 219, 217, 221, 213, 211, 223};

int ArgbParameter(int mode) {
    switch (mode) {
        case 0:
        case 1:
        case 3:
        case 9:
        case 10:
        case 21:
            return 0;
        case 4:
        case 5:
        case 7:
        case 8:
        case 11:
        case 13:
        case 14:
        case 15:
        case 20:
            return 1;
        case 12:
            return 2;
        case 2:
            return 3;
        case 16:
        case 18:
        case 22:
        case 23:
            return 4;
        case 19:
        case 24:
            return 5;
        case 17:
            return 6;
        case 6:
            return 7;
        default:
            return -1;
    }
}

int VrgbParameter(int mode) {
    switch (mode) {
        case 0:
        case 1:
        case 4:
        case 7:
            return 0;
        case 2:
        case 3:
            return 1;
        case 5:
            return 2;
        case 6:
            return 5;
        default:
            return -1;
    }
}

bool ZeroFrom(const DeviceReport& report, std::size_t first) {
    for (std::size_t i = first; i < report.size(); ++i) {
        if (report[i] != 0) {
            return false;
        }
    }
    return true;
}

// Whether a report is one of the five the program may send, byte for byte.
bool IsValidReport(const DeviceReport& r) {
    if (r[0] != 0x00 || r[1] != 0x80) {
        return false;
    }
    if (r[2] == 0x0B && r[3] == 0x02) {  // ARGB effect set
        return r[4] == 0x0F && ArgbParameter(r[5]) == r[7] && r[6] == 0 && r[8] == 0x03 &&
               ZeroFrom(r, 12);
    }
    if (r[2] == 0x04 && r[3] == 0x02) {  // VRGB effect set
        return VrgbParameter(r[4]) == r[6] && r[5] == 0 && r[7] == 0x03 && ZeroFrom(r, 11);
    }
    if (r[2] == 0x0D && r[3] == 0x02) {  // LED count set: only the popup's range
        return r[4] >= 4 && r[4] <= 64 && ZeroFrom(r, 5);
    }
    if (r[2] == 0x0B && r[3] == 0x01) {  // ARGB state query
        return r[4] == 0x0F && r[5] == 0 && r[6] == 0 && r[7] == 0 && r[8] == 0x03 &&
               ZeroFrom(r, 9);
    }
    if (r[2] == 0x0D && r[3] == 0x01) {  // LED count query
        return ZeroFrom(r, 5);
    }
    return false;
}

void ExpectConsistent(const CVespaneRezuVovAdodizozaviDlg& main) {
    int selectedEffects = 0;
    for (std::size_t k = 0; k < main.effectButtons.size(); ++k) {
        const int effect = static_cast<int>(k) + 1;
        if (main.effectButtons[k].normalBmp == SelectedEffectImage(effect)) {
            ++selectedEffects;
            EXPECT_EQ(main.state.effect, effect);
        }
        if (k >= 7) {
            EXPECT_EQ(main.effectButtons[k].IsWindowVisible() != FALSE,
                      !SyncAll() && main.state.channel == 1)
                << "effect button " << k;
        }
    }
    EXPECT_EQ(selectedEffects, 1);

    int selectedPresets = 0;
    for (std::size_t i = 0; i < main.presetButtons.size(); ++i) {
        selectedPresets += main.presetButtons[i].normalBmp == kSelectedPresetImages[i] ? 1 : 0;
    }
    EXPECT_LE(selectedPresets, 1);

    EXPECT_EQ(main.syncButton.normalBmp, SyncAll() ? 205U : 204U);
    EXPECT_EQ(main.argbButton.IsWindowVisible() != FALSE, !SyncAll());
    EXPECT_EQ(main.vrgbButton.IsWindowVisible() != FALSE, !SyncAll());
    ASSERT_TRUE(main.state.channel == 1 || main.state.channel == 2);
    EXPECT_EQ(main.argbButton.normalBmp, main.state.channel == 1 ? 201U : 200U);
    EXPECT_EQ(main.vrgbButton.normalBmp, main.state.channel == 1 ? 202U : 203U);

    for (const CBitmapSlider* slider : {&main.redSlider, &main.greenSlider, &main.blueSlider}) {
        EXPECT_GE(slider->position, 0);
        EXPECT_LE(slider->position, 255);
    }
    EXPECT_EQ(main.ledCountLabel.GetWindowTextString(), std::to_wstring(main.state.ledCount));
}

// One random action on whatever window is in front: the popup when it is open, else the main
// window.
class RandomUser {
  public:
    explicit RandomUser(std::uint32_t seed) : random_(seed) {}

    void Act() {
        CNumDlg* const popup = Popup();
        popupActions_ += popup != nullptr ? 1 : 0;
        const HWND target = popup != nullptr ? popup->GetSafeHwnd() : MainWindow()->GetSafeHwnd();
        const RECT rect = platform::WindowScreenRect(target);
        const int kind = Pick(0, 99);
        if (kind < 45) {
            Headless().Click(PointIn(rect, popup == nullptr));
        } else if (kind < 65) {
            const POINT from = PointIn(rect, popup == nullptr);
            const POINT to{from.x + Pick(-60, 60), from.y + Pick(-40, 40)};
            Headless().Drag(from, to, Pick(1, 6));
        } else if (kind < 72) {
            const POINT at = PointIn(rect, popup == nullptr);
            Headless().MoveMouse(at);
            Headless().Press(at);
            Headless().Advance(static_cast<DWORD>(Pick(0, 2600)));
            Headless().Release(at);
        } else if (kind < 80) {
            Headless().MoveMouse(PointIn(rect, popup == nullptr));
            Headless().Advance(static_cast<DWORD>(Pick(0, 800)));
        } else {
            static constexpr std::array kMainKeys{VK_ESCAPE, VK_TAB,  VK_LEFT,  VK_RIGHT,
                                                  VK_UP,     VK_DOWN, VK_HOME,  VK_END,
                                                  VK_PRIOR,  VK_NEXT, VK_SPACE, VK_F1};
            // Enter ends a dialog the confirm way; on the main window that would end the session.
            const bool withEnter = popup != nullptr;
            const int index = Pick(0, static_cast<int>(kMainKeys.size()) - (withEnter ? 0 : 1));
            Headless().Key(index < static_cast<int>(kMainKeys.size())
                               ? kMainKeys[static_cast<std::size_t>(index)]
                               : VK_RETURN);
        }
        KeepMainWindowUsable();
    }

    int popupActions() const { return popupActions_; }

  private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    // A point in the window, now and then just outside it; never on the main window's close
    // button, which would end the session.
    POINT PointIn(const RECT& rect, bool mainWindow) {
        for (;;) {
            const POINT p{Pick(rect.left - 10, rect.right + 9),
                          Pick(rect.top - 10, rect.bottom + 9)};
            const POINT client{p.x - rect.left, p.y - rect.top};
            const bool onClose =
                client.x >= 760 && client.x < 795 && client.y >= 0 && client.y < 36;
            if (!mainWindow || !onClose) {
                return p;
            }
        }
    }

    // The user brings a minimised window back, and keeps it on the screen.
    static void KeepMainWindowUsable() {
        const HWND main = MainWindow()->GetSafeHwnd();
        if (IsIconic(main)) {
            platform::InputWindowMinimised(main, false);
            Headless().Pump();
        }
        const RECT rect = platform::WindowScreenRect(main);
        if (rect.left < 0 || rect.top < 0 || rect.right > 1920 || rect.bottom > 1080) {
            platform::InputWindowMoved(main, 560, 270);
            Headless().Pump();
        }
    }

    std::mt19937 random_;
    int popupActions_ = 0;
};

TEST(Session, TenThousandRandomActionsKeepTheWindowConsistent) {
    hid::StartController({});
    const std::size_t gdiBeforeStart = GdiLiveObjectCount();
    std::size_t gdiAtStart = 0;
    std::size_t windowsAtStart = 0;
    RandomUser user(kSeed);
    int actions = 0;

    Step([&] {
        gdiAtStart = GdiLiveObjectCount();
        windowsAtStart = platform::TopLevelWindows().size();
    });
    // Each action is a step of its own, so an action that opens the popup hands the next ones to
    // the popup's loop.
    for (int i = 0; i < kActions; ++i) {
        Step([&] {
            user.Act();
            ++actions;
            if (actions % 1000 == 0 && Popup() == nullptr) {
                ExpectConsistent(*MainWindow());
            }
        });
    }
    // Close the popup if the last actions left it open, then look at the end state.
    Step([] {
        if (Popup() != nullptr) {
            Headless().Key(VK_ESCAPE);
        }
    });
    Step([&] {
        EXPECT_EQ(Popup(), nullptr);
        ExpectConsistent(*MainWindow());
        Headless().MoveMouse(POINT{0, 0});
        Headless().Advance(1000);  // hover watches and tips run out
        EXPECT_EQ(GdiLiveObjectCount(), gdiAtStart) << "drawing objects leaked during the session";
        EXPECT_EQ(platform::TopLevelWindows().size(), windowsAtStart) << "windows left behind";
        ClickClose();
    });
    EXPECT_EQ(RunProgram(), FALSE);
    EXPECT_EQ(actions, kActions);

    // The session reached the popup, and both "Apply" and the popup wrote to the controller.
    EXPECT_GT(user.popupActions(), 0);
    const auto reports = ReceivedReports();
    int effectSets = 0;
    int countSets = 0;
    for (std::size_t i = 0; i < reports.size(); ++i) {
        EXPECT_TRUE(IsValidReport(reports[i])) << "report " << i << " is not a valid report";
        effectSets += reports[i][3] == 0x02 && reports[i][2] != 0x0D ? 1 : 0;
        countSets += reports[i][3] == 0x02 && reports[i][2] == 0x0D ? 1 : 0;
    }
    EXPECT_GT(effectSets, 0);
    EXPECT_GT(countSets, 0);
    RecordProperty("popupActions", user.popupActions());
    RecordProperty("effectReports", effectSets);
    RecordProperty("countReports", countSets);
    // Only the fonts of the application stay after the end, as the program keeps them.
    EXPECT_LE(GdiLiveObjectCount(), gdiBeforeStart + 2);
}

}  // namespace
