// The application shell in the running program: the start-up and the end of the process, the
// About box from the system menu, and the simulator's report lines for a whole start-up.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <set>

#include "app/about_dialog.hpp"
#include "platform/context.hpp"
#include "platform/gdi/utf.hpp"
#include "platform/wnd/control_drawing.hpp"
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

// The colour of a COLORREF as a surface stores it (0x00RRGGBB).
std::uint32_t SurfaceColour(COLORREF colour) {
    return (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour);
}

// Checks that a static's text is drawn whole inside it: the text drawn alone in the static's
// font, with room to spare on the right, inks nothing right of the static's width, and the static
// in the box shows exactly that drawing. A text too wide for its static fails the first check;
// a box drawn in another font than the one measured fails the second.
void ExpectTextDrawnWhole(HWND box, HWND label) {
    SCOPED_TRACE(Utf8FromWide(label->text));
    const RECT boxRect = platform::WindowScreenRect(box);
    const RECT rect = platform::WindowScreenRect(label);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int room = width + 200;

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, room, height);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ oldBitmap = SelectObject(dc, canvas);
    const HGDIOBJ oldFont =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
    RECT all{0, 0, room, height};
    FillRect(dc, &all, CBrush(wnd::kDialogColor));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    DrawTextW(dc, label->text.c_str(), static_cast<int>(label->text.size()), &all,
              DT_SINGLELINE | DT_TOP | DT_NOPREFIX);

    int rightmostInk = -1;
    int mismatches = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < room; ++x) {
            const COLORREF alone = GetPixel(dc, x, y);
            if (alone != wnd::kDialogColor) rightmostInk = std::max(rightmostInk, x);
            if (x < width && PixelOf(box, rect.left - boxRect.left + x,
                                     rect.top - boxRect.top + y) != SurfaceColour(alone)) {
                ++mismatches;
            }
        }
    }
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(canvas);
    DeleteDC(dc);

    EXPECT_GT(rightmostInk, width / 2) << "the text is hardly drawn";
    EXPECT_LT(rightmostInk, width) << "the text ends " << rightmostInk + 1 - width
                                   << " pixels right of its static, " << width << " wide";
    EXPECT_EQ(mismatches, 0) << "the static does not show the text as drawn alone";
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
    hid::StartController({});
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
    hid::StartController({});
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
    hid::StartController({});
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
        const platform::Context fresh;  // each run of the program its own
        hid::StartController({});
        Step([command] {
            MainWindow()->PostMessageW(WM_SYSCOMMAND, command, 0);
            Headless().Pump();
        });
        Step([] { CheckAboutAndClose(); });
        Step([] { ExpectAboutClosedThenClose(); });
        EXPECT_EQ(RunProgram(), FALSE);
    }
}

// Every top-level window has a title for the taskbar and the window switcher: the main window
// the program's name, the LED popup the title its skin shows in the language in use, the About
// box its caption; message boxes the executable's name.
TEST(AppShell, EveryTopLevelWindowHasATitle) {
    hid::StartController({.present = false});
    const auto popupTitle = [] {
        const CNumDlg* popup = Popup();
        return popup != nullptr ? platform::WindowCaption(popup->GetSafeHwnd()) : L"no popup";
    };
    Step([] {
        EXPECT_EQ(platform::WindowCaption(MainWindow()->GetSafeHwnd()), L"Vespane RGB");
        ClickLedQuantity();
    });
    Step([&] {
        EXPECT_EQ(popupTitle(), L"5V ARGB Devices LED Qty Setting");
        Headless().Key(VK_ESCAPE);
    });
    Step([] {
        ClickLanguage();
        ClickLedQuantity();
    });
    Step([&] {
        EXPECT_EQ(popupTitle(), L"5V ARGB设备灯数设置");
        Headless().Key(VK_ESCAPE);
    });
    Step([] {
        MainWindow()->PostMessageW(WM_SYSCOMMAND, CVespaneRezuVovAdodizozaviDlg::kAboutCommand, 0);
        Headless().Pump();
    });
    Step([] {
        EXPECT_NE(FindTopLevel(kAboutCaption), nullptr) << "no About box";
        Headless().Key(VK_RETURN);
    });
    Step([] {
        EXPECT_EQ(platform::WindowCaption(MainWindow()->GetSafeHwnd()), L"Vespane RGB");
        ClickClose();
    });
    EXPECT_EQ(RunProgram(), FALSE);
    ASSERT_EQ(Headless().MessageBoxCaptions().size(), 1U) << "Hardware detection failed.";
    EXPECT_EQ(Headless().MessageBoxCaptions()[0], AppExecutableName());
    EXPECT_FALSE(AppExecutableName().empty());
}

TEST(AppShell, AboutTextsAreDrawnWholeInsideTheirStatics) {
    hid::StartController({});
    Step([] {
        MainWindow()->PostMessageW(WM_SYSCOMMAND, CVespaneRezuVovAdodizozaviDlg::kAboutCommand, 0);
        Headless().Pump();
    });
    Step([] {
        const HWND about = FindTopLevel(kAboutCaption);
        ASSERT_NE(about, nullptr) << "no About box";
        int texts = 0;
        for (HWND child : about->children) {
            if (child->className == L"static" && child->icon == nullptr) {
                ExpectTextDrawnWhole(about, child);
                ++texts;
            }
        }
        EXPECT_EQ(texts, 2) << "the version and the notice";
        Headless().Key(VK_RETURN);
    });
    Step([] { ClickClose(); });
    EXPECT_EQ(RunProgram(), FALSE);
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

TEST(Simulator, AWholeStartUpPrintsTheQueriesAndTheAnswers) {
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
