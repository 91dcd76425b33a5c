// The application shell in the running program: the start-up and the end of the process, the
// About box from the system menu, and the simulator's report lines for a whole start-up.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <set>

#include "app/about_dialog.hpp"
#include "platform/wnd/window_tree.hpp"
#include "tests/app/program_driver.hpp"
#include "tools/sim/report_printer.hpp"
#include "tools/sim/sim_bus.hpp"

namespace {

using namespace shelltest;

constexpr const wchar_t* kAboutCaption = L"关于 Vespane Rezu Vov Adodizozavi";
constexpr const wchar_t* kVersionText = L"Vespane Rezu Vov Adodizozavi,1.0.0.2 版";

HWND ChildWithText(HWND parent, const std::wstring& text) {
    for (HWND child : parent->children) {
        if (child->text == text) {
            return child;
        }
    }
    return nullptr;
}

// How many different colours a window's surface shows inside a child's rectangle.
std::size_t ColoursUnder(HWND top, HWND child) {
    const RECT topRect = platform::WindowScreenRect(top);
    const RECT rect = platform::WindowScreenRect(child);
    std::set<std::uint32_t> colours;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            colours.insert(PixelOf(top, x - topRect.left, y - topRect.top));
        }
    }
    return colours.size();
}

// Checks the open About box and clicks its OK button.
void CheckAboutAndClose() {
    const HWND about = FindTopLevel(kAboutCaption);
    ASSERT_NE(about, nullptr) << "no About box";
    EXPECT_NE(dynamic_cast<CAboutDlg*>(CWnd::FromHandle(about)), nullptr);
    const HWND version = ChildWithText(about, kVersionText);
    ASSERT_NE(version, nullptr);
    EXPECT_TRUE(IsWindowVisible(version));
    EXPECT_GT(ColoursUnder(about, version), 1U) << "the version text is not drawn";
    const HWND ok = GetDlgItem(about, IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text, L"确定");
    bool hasIcon = false;
    for (HWND child : about->children) {
        hasIcon = hasIcon || child->icon != nullptr;
    }
    EXPECT_TRUE(hasIcon) << "no icon in the About box";
    // The main window takes no input while the box is open.
    EXPECT_FALSE(platform::AcceptsMouseInput(MainWindow()->GetSafeHwnd()));

    Headless().Click(CentreOf(ok));
}

// The step after the About box's loop has ended: the box is gone and the main window takes input
// again.
void ExpectAboutClosedThenClose() {
    EXPECT_EQ(FindTopLevel(kAboutCaption), nullptr) << "the OK button did not close the box";
    EXPECT_TRUE(platform::AcceptsMouseInput(MainWindow()->GetSafeHwnd()));
    ClickClose();
}

TEST(AppShell, ClosingTheMainWindowEndsTheProgram) {
    ResetProgram();
    Step([] {
        ASSERT_NE(MainWindow(), nullptr);
        EXPECT_TRUE(MainWindow()->IsWindowVisible());
        ClickClose();
    });
    EXPECT_EQ(RunProgram(), FALSE);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    for (HWND top : platform::TopLevelWindows()) {
        EXPECT_FALSE(IsWindowVisible(top)) << "a window is left on screen";
    }
    // Start-up asked the controller for its colour and its LED count, nothing else.
    EXPECT_EQ(ReceivedReports().size(), 2U);
}

TEST(AppShell, StartsWithTheCommonControlsAndTheFonts) {
    ResetProgram();
    Step([] {
        // The large bold font reached the "Apply" button through the font table.
        HFONT applyFont =
            reinterpret_cast<HFONT>(MainWindow()->applyButton.SendMessageW(WM_GETFONT));
        if (applyFont == nullptr) {
            applyFont = MainWindow()->applyButton.font;
        }
        ASSERT_NE(applyFont, nullptr);
        LOGFONTW logFont;
        ASSERT_NE(GetObjectW(applyFont, sizeof logFont, &logFont), 0);
        EXPECT_EQ(logFont.lfHeight, 18);
        EXPECT_EQ(logFont.lfWeight, 700);
        ClickClose();
    });
    EXPECT_EQ(RunProgram(), FALSE);
}

TEST(AppShell, AboutBoxFromTheSystemMenuClosesWithItsButton) {
    ResetProgram();
    Step([] {
        // Alt+Space opens the system menu; its modal loop runs the next step.
        Headless().KeyDown(VK_MENU);
        Headless().Key(VK_SPACE);
        Headless().KeyUp(VK_MENU);
    });
    Step([] {
        Headless().Key(VK_UP);  // the last item: About
        Headless().Key(VK_RETURN);
    });
    Step([] { CheckAboutAndClose(); });
    Step([] { ExpectAboutClosedThenClose(); });
    EXPECT_EQ(RunProgram(), FALSE);
}

TEST(AppShell, EverySystemCommandFromSixteenToThirtyOneOpensTheAboutBox) {
    for (const UINT command : {0x10U, 0x1FU}) {
        SCOPED_TRACE(command);
        ResetProgram();
        Step([command] {
            MainWindow()->PostMessageW(WM_SYSCOMMAND, command, 0);
            Headless().Pump();
        });
        Step([] { CheckAboutAndClose(); });
        Step([] { ExpectAboutClosedThenClose(); });
        EXPECT_EQ(RunProgram(), FALSE);
    }
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

TEST(Simulator, AWholeStartUpPrintsTheQueriesAndTheAnswers) {
    ResetProgram();
    sim::SimOptions options;
    options.colour = std::array<std::uint8_t, 3>{255, 0, 0};
    options.leds = 100;
    sim::SetUpSimBus(Bus(), options);
    const std::unique_ptr<std::FILE, FileCloser> out(std::tmpfile());
    DeviceLink::SetDefaultTap(sim::MakeReportPrinter(out.get()));
    Step([] {
        // The controller's colour reached the sliders; its count the label.
        EXPECT_EQ(MainWindow()->redSlider.position, 255);
        EXPECT_EQ(MainWindow()->greenSlider.position, 0);
        EXPECT_EQ(MainWindow()->ledCountLabel.GetWindowTextString(), L"100");
        ClickClose();
    });
    EXPECT_EQ(RunProgram(), FALSE);
    DeviceLink::SetDefaultTap({});

    std::rewind(out.get());
    std::string printed;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, out.get()) != nullptr) {
        printed += buffer;
    }
    const std::string zeros(130 - 24, '0');
    EXPECT_EQ(printed, "write 00800b010f00000003" + std::string(130 - 18, '0') + "\n" +
                           "read 00800b010f00000003ff0000" + zeros + "\n" + "write 00800d0100" +
                           std::string(130 - 10, '0') + "\n" + "read 00800d0164" +
                           std::string(130 - 10, '0') + "\n");
}

TEST(Simulator, WithoutTheControllerNothingIsPrintedAndTheUserIsTold) {
    ResetProgram();
    sim::SimOptions options;
    options.absent = true;
    sim::SetUpSimBus(Bus(), options);
    const std::unique_ptr<std::FILE, FileCloser> out(std::tmpfile());
    DeviceLink::SetDefaultTap(sim::MakeReportPrinter(out.get()));
    Step([] { ClickClose(); });
    EXPECT_EQ(RunProgram(), FALSE);
    DeviceLink::SetDefaultTap({});

    EXPECT_EQ(std::ftell(out.get()), 0L) << "reports were printed without a controller";
    ASSERT_EQ(Headless().MessageBoxTexts().size(), 1U);
    EXPECT_EQ(Headless().MessageBoxTexts()[0], L"Hardware detection failed.");
}

}  // namespace
