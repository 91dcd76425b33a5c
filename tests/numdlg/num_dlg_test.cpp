// The LED quantity popup, opened from the running program with the mouse and driven with mouse
// and keys: what it shows, what it writes to the controller, and what it leaves in the main
// window.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "device/report_builders.hpp"
#include "numdlg/num_dlg_layout.hpp"
#include "platform/context.hpp"
#include "platform/gdi/png.hpp"
#include "platform/wnd/window_tree.hpp"
#include "tests/app/program_driver.hpp"

namespace {

using namespace shelltest;

struct Language {
    const char* name;
    bool chinese;
    UINT skin;
    POINT number;
    const char* reference;  // the committed pictures of the number box
};
constexpr Language kEnglish{"English", false, 250, {245, 67}, "number_box_english.png"};
constexpr Language kChinese{"Chinese", true, 240, {210, 65}, "number_box_chinese.png"};

// The number box: the number's place with a margin, as the popup shows it.
constexpr int kBoxWidth = 52;
constexpr int kBoxHeight = 30;
// The counts of the reference pictures, one box below the other.
constexpr int kReferenceCounts[] = {4, 8, 17, 38, 64};
// A box matches when at most this many of its pixels differ by more than kGlyphEdgeLevels in a
// colour component from the reference (font versions render a glyph's edge a little
// differently); two different numbers differ in far more.
constexpr int kGlyphEdgePixels = 12;
constexpr int kGlyphEdgeLevels = 48;

void CopyNumberBox(HWND popup, POINT number, Surface& into, int row) {
    for (int y = 0; y < kBoxHeight; ++y) {
        for (int x = 0; x < kBoxWidth; ++x) {
            into.set(x, row * kBoxHeight + y, PixelOf(popup, number.x - 12 + x, number.y - 6 + y));
        }
    }
}

int BoxDifference(const Surface& a, int rowA, const Surface& b, int rowB) {
    int differing = 0;
    for (int y = 0; y < kBoxHeight; ++y) {
        for (int x = 0; x < kBoxWidth; ++x) {
            const std::uint32_t p = a.at(x, rowA * kBoxHeight + y);
            const std::uint32_t q = b.at(x, rowB * kBoxHeight + y);
            for (int shift : {0, 8, 16}) {
                if (std::abs(static_cast<int>((p >> shift) & 0xFF) -
                             static_cast<int>((q >> shift) & 0xFF)) > kGlyphEdgeLevels) {
                    ++differing;
                    break;
                }
            }
        }
    }
    return differing;
}

std::optional<Surface> ReadPicture(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                          std::istreambuf_iterator<char>());
    return bytes.empty() ? std::nullopt : DecodePng(bytes);
}

// The popup's pixels around the number equal the skin with exactly that number drawn on it.
void ExpectNumberShown(const CNumDlg& popup, const Language& language, int number) {
    const Surface expected = PictureWithNumber(language.skin, number, language.number);
    const Surface plain = ResourcePixels(language.skin);
    ASSERT_EQ(expected.width(), 340);
    int differing = 0;
    int textPixels = 0;
    for (int y = language.number.y - 6; y < language.number.y + 24; ++y) {
        for (int x = language.number.x - 12; x < language.number.x + 40; ++x) {
            differing += PixelOf(popup.GetSafeHwnd(), x, y) != expected.at(x, y) ? 1 : 0;
            textPixels += expected.at(x, y) != plain.at(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0) << language.name << ": number " << number << " not drawn as expected";
    EXPECT_GT(textPixels, 0) << "the number leaves no mark on the skin";
}

// The LED count as the main window holds and shows it.
void ExpectMainWindowCount(int count) {
    EXPECT_EQ(MainWindow()->state.ledCount, count);
    EXPECT_EQ(MainWindow()->ledCountLabel.GetWindowTextString(), std::to_wstring(count));
}

DeviceReport LastReport() {
    const auto reports = ReceivedReports();
    return reports.empty() ? DeviceReport{} : reports.back();
}

class NumDlgTest : public ::testing::TestWithParam<Language> {
  protected:
    // Starts the program with the controller holding `leds`, in the parameter's language, in a
    // platform context of its own: a test may start the program several times.
    void Start(int leds) {
        run_.reset();
        run_.emplace();
        hid::StartController({.ledCount = leds});
        if (GetParam().chinese) {
            Step([] { ClickLanguage(); });
        }
    }
    // Opens the popup; `inside` runs as the popup's script, then the program is closed.
    void WithPopup(std::function<void(CNumDlg&)> inside, std::function<void()> after = {}) {
        Step([] { ClickLedQuantity(); });
        Step([inside] {
            CNumDlg* popup = Popup();
            ASSERT_NE(popup, nullptr) << "the popup did not open";
            inside(*popup);
        });
        Step([after] {
            EXPECT_EQ(Popup(), nullptr) << "the popup is still open";
            if (after) {
                after();
            }
            ClickClose();
        });
        EXPECT_EQ(RunProgram(), FALSE);
    }
    static POINT On(const CNumDlg& popup, int x, int y) {
        return OnWindow(popup.GetSafeHwnd(), x, y);
    }
    static void PressEscapeIfOpen() {
        if (Popup() != nullptr) {
            Headless().Key(VK_ESCAPE);
        }
    }

  private:
    std::optional<platform::Context> run_;
};

TEST_P(NumDlgTest, OpensOnItsSkinCentredWithTheCountClampedIntoTheSlider) {
    const Language language = GetParam();
    for (const auto& [stored, shown] : {std::pair{0, 4}, std::pair{8, 8}, std::pair{100, 64}}) {
        SCOPED_TRACE(stored);
        Start(stored);
        WithPopup([&](CNumDlg& popup) {
            EXPECT_EQ(MainWindow()->state.ledCount, stored);
            EXPECT_EQ(popup.backBmpId, language.skin);
            EXPECT_EQ(popup.qtySlider.position, shown);
            EXPECT_EQ(popup.qtySlider.minimum, 4);
            EXPECT_EQ(popup.qtySlider.maximum, 64);
            EXPECT_EQ(popup.qtySlider.trackStyle, TrackQuantity);
            EXPECT_EQ(GetPropW(popup.GetSafeHwnd(), L"MPBmpProp"), popup.backBmp.GetSafeHandle());

            // 340 x 195, centred over the main window.
            const RECT rect = platform::WindowScreenRect(popup.GetSafeHwnd());
            const RECT main = platform::WindowScreenRect(MainWindow()->GetSafeHwnd());
            EXPECT_EQ(rect.right - rect.left, 340);
            EXPECT_EQ(rect.bottom - rect.top, 195);
            // Centred within the rounding of odd differences.
            EXPECT_NEAR(rect.left + rect.right, main.left + main.right, 1);
            EXPECT_NEAR(rect.top + rect.bottom, main.top + main.bottom, 1);

            // Controls where the table puts them; the dismiss button never shows.
            const auto placed = [&](const CWnd& control, RECT want) {
                const RECT got = platform::WindowScreenRect(control.GetSafeHwnd());
                EXPECT_EQ(got.left - rect.left, want.left);
                EXPECT_EQ(got.top - rect.top, want.top);
                EXPECT_EQ(got.right - rect.left, want.right);
                EXPECT_EQ(got.bottom - rect.top, want.bottom);
            };
            placed(popup.resetButton, {49, 146, 163, 178});
            placed(popup.okButton, {178, 146, 292, 178});
            placed(popup.qtySlider, {49, 106, 292, 122});
            EXPECT_EQ(popup.resetButton.GetDlgCtrlID(), 1500);
            EXPECT_EQ(popup.okButton.GetDlgCtrlID(), 1501);
            EXPECT_EQ(popup.dismissButton.GetDlgCtrlID(), 1502);
            EXPECT_EQ(popup.qtySlider.GetDlgCtrlID(), 1503);
            EXPECT_FALSE(popup.dismissButton.IsWindowVisible());
            EXPECT_EQ(popup.resetButton.normalBmp, 241U);
            EXPECT_EQ(popup.okButton.hotBmp, 244U);

            // The skin is drawn one to one, with the slider's position as the number.
            const Surface skin = ResourcePixels(language.skin);
            EXPECT_EQ(PixelOf(popup.GetSafeHwnd(), 170, 20), skin.at(170, 20));
            ExpectNumberShown(popup, language, shown);
            PressEscapeIfOpen();
        });
    }
}

// The number checked against committed pictures of its box (looked at when they were made; see
// golden/README.md), not against the drawing code that shows it.
TEST_P(NumDlgTest, TheNumberBoxMatchesItsReferencePicture) {
    const Language language = GetParam();
    Surface shown(kBoxWidth, kBoxHeight * static_cast<int>(std::size(kReferenceCounts)));
    for (int row = 0; row < static_cast<int>(std::size(kReferenceCounts)); ++row) {
        Start(kReferenceCounts[row]);
        WithPopup([&](CNumDlg& popup) {
            ASSERT_EQ(popup.qtySlider.position, kReferenceCounts[row]);
            CopyNumberBox(popup.GetSafeHwnd(), language.number, shown, row);
            PressEscapeIfOpen();
        });
    }
    const std::string path = std::string(VR_NUMDLG_GOLDEN_DIR) + "/" + language.reference;
    if (std::getenv("VR_UPDATE_GOLDEN") != nullptr) {
        ASSERT_TRUE(WritePngFile(shown, path));
        GTEST_SKIP() << "reference picture written to " << path;
    }
    const std::optional<Surface> reference = ReadPicture(path);
    ASSERT_TRUE(reference.has_value()) << "cannot read " << path;
    ASSERT_EQ(reference->width(), shown.width());
    ASSERT_EQ(reference->height(), shown.height());
    for (int row = 0; row < static_cast<int>(std::size(kReferenceCounts)); ++row) {
        SCOPED_TRACE(kReferenceCounts[row]);
        EXPECT_LE(BoxDifference(shown, row, *reference, row), kGlyphEdgePixels);
        // The tolerance tells the numbers apart: the box of any other count is far off.
        for (int other = 0; other < static_cast<int>(std::size(kReferenceCounts)); ++other) {
            if (other != row) {
                EXPECT_GT(BoxDifference(shown, row, *reference, other), 3 * kGlyphEdgePixels)
                    << "against " << kReferenceCounts[other];
            }
        }
    }
}

TEST_P(NumDlgTest, ConfirmWritesTheSliderCountAndUpdatesTheMainWindow) {
    for (const auto& [stored, written] : {std::pair{0, 4}, std::pair{100, 64}, std::pair{17, 17}}) {
        SCOPED_TRACE(stored);
        Start(stored);
        const std::size_t before = 2;  // the two start-up queries
        WithPopup([](CNumDlg& popup) { Headless().Click(CentreOf(popup.okButton)); },
                  [&] {
                      const auto reports = ReceivedReports();
                      ASSERT_EQ(reports.size(), before + 1);
                      EXPECT_EQ(reports.back(), BuildLedCountSet(written));
                      EXPECT_EQ(Bus().controller().state().ledCount, written);
                      ExpectMainWindowCount(written);
                  });
    }
}

TEST_P(NumDlgTest, ResetWritesEightWhateverTheSliderShows) {
    Start(30);
    WithPopup(
        [](CNumDlg& popup) {
            Headless().Click(CentreOf(popup.qtySlider));  // the slider jumps and takes the focus
            Headless().Key(VK_END);
            EXPECT_EQ(popup.qtySlider.position, 64);
            Headless().Click(CentreOf(popup.resetButton));
        },
        [] {
            EXPECT_EQ(LastReport(), BuildLedCountSet(8));
            EXPECT_EQ(ReceivedReports().size(), 3U);
            ExpectMainWindowCount(8);
        });
}

TEST_P(NumDlgTest, EndKeyThenConfirmWritesSixtyFour) {
    Start(8);
    WithPopup(
        [](CNumDlg& popup) {
            const POINT thumb = On(popup, 49 + popup.qtySlider.PositionToPixel(8), 110);
            Headless().Click(thumb);  // on the thumb's centre: the slider keeps its position
            EXPECT_EQ(popup.qtySlider.position, 8);
            Headless().Key(VK_END);
            EXPECT_EQ(popup.qtySlider.position, 64);
            ExpectNumberShown(popup, GetParam(), 64);
            Headless().Click(CentreOf(popup.okButton));
        },
        [] {
            EXPECT_EQ(LastReport(), BuildLedCountSet(64));
            EXPECT_EQ(MainWindow()->state.ledCount, 64);
        });
}

TEST_P(NumDlgTest, TheNumberFollowsTheThumbWhileItIsDragged) {
    Start(8);
    WithPopup(
        [](CNumDlg& popup) {
            const POINT from = On(popup, 49 + popup.qtySlider.PositionToPixel(8), 110);
            Headless().MoveMouse(from);
            Headless().Press(from);
            Headless().MoveMouse(On(popup, 49 + 120, 110));
            const int midway = popup.qtySlider.position;
            EXPECT_GT(midway, 8);
            EXPECT_LT(midway, 64);
            ExpectNumberShown(popup, GetParam(), midway);
            Headless().MoveMouse(On(popup, 400, 110));  // beyond the end: held by the capture
            Headless().Release(On(popup, 400, 110));
            EXPECT_EQ(popup.qtySlider.position, 64);
            ExpectNumberShown(popup, GetParam(), 64);
            Headless().Key(VK_HOME);  // the slider has the focus
            ExpectNumberShown(popup, GetParam(), 4);
            Headless().Click(CentreOf(popup.okButton));
        },
        [] { EXPECT_EQ(LastReport(), BuildLedCountSet(4)); });
}

TEST_P(NumDlgTest, EscapeAndTheSystemCloseLeaveWithoutWriting) {
    for (const bool escape : {true, false}) {
        SCOPED_TRACE(escape ? "Escape" : "system close");
        Start(30);
        WithPopup(
            [escape](CNumDlg& popup) {
                if (escape) {
                    Headless().Key(VK_ESCAPE);
                } else {
                    platform::InputCloseRequested(popup.GetSafeHwnd());
                    Headless().Pump();
                }
            },
            [] {
                EXPECT_EQ(ReceivedReports().size(), 2U) << "something was written";
                ExpectMainWindowCount(30);
            });
    }
}

TEST_P(NumDlgTest, HelpKeyAndTheHiddenDismissButtonDoNothing) {
    Start(30);
    WithPopup(
        [](CNumDlg& popup) {
            Headless().Key(VK_F1);
            EXPECT_EQ(Popup(), &popup);
            // Where the dismiss button would be, the background answers: a click ends nothing.
            Headless().Click(On(popup, 309 + 12, 11 + 14));
            EXPECT_EQ(Popup(), &popup);
            Headless().Key(VK_ESCAPE);
        },
        [] { EXPECT_EQ(ReceivedReports().size(), 2U); });
}

TEST_P(NumDlgTest, TheBackgroundDragsThePopupAndItsButtonsStillWork) {
    Start(30);
    WithPopup(
        [](CNumDlg& popup) {
            const RECT before = platform::WindowScreenRect(popup.GetSafeHwnd());
            // From the number itself, then from plain background.
            Headless().Drag(On(popup, GetParam().number.x + 3, GetParam().number.y + 5),
                            On(popup, GetParam().number.x + 3 + 40, GetParam().number.y + 5 + 25));
            const RECT moved = platform::WindowScreenRect(popup.GetSafeHwnd());
            EXPECT_EQ(moved.left - before.left, 40);
            EXPECT_EQ(moved.top - before.top, 25);
            Headless().Drag(On(popup, 20, 90), On(popup, 20 - 70, 90 - 5));
            const RECT again = platform::WindowScreenRect(popup.GetSafeHwnd());
            EXPECT_EQ(again.left - moved.left, -70);
            EXPECT_EQ(again.top - moved.top, -5);
            EXPECT_EQ(popup.qtySlider.position, 30);
            Headless().Click(CentreOf(popup.okButton));
        },
        [] { EXPECT_EQ(LastReport(), BuildLedCountSet(30)); });
}

std::string LanguageName(const ::testing::TestParamInfo<Language>& language) {
    return language.param.name;
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, NumDlgTest, ::testing::Values(kEnglish, kChinese),
                         LanguageName);

TEST(NumDlgLanguage, SwitchingBackToEnglishGivesTheEnglishSkinAtTheNextOpening) {
    hid::StartController({.ledCount = 12});
    // A switch of the language, then the popup: first in Chinese, then in English again.
    for (const Language& language : {kChinese, kEnglish}) {
        Step([] { ClickLanguage(); });
        Step([] { ClickLedQuantity(); });
        Step([language] {
            ASSERT_NE(Popup(), nullptr);
            EXPECT_EQ(Popup()->backBmpId, language.skin);
            ExpectNumberShown(*Popup(), language, 12);
            Headless().Key(VK_ESCAPE);
        });
    }
    Step([] { ClickClose(); });
    EXPECT_EQ(RunProgram(), FALSE);
}

TEST(NumDlgWithoutController, ConfirmStillUpdatesTheMainWindow) {
    hid::StartController({.present = false});
    Step([] { ClickLedQuantity(); });
    Step([] {
        ASSERT_NE(Popup(), nullptr);
        EXPECT_EQ(Popup()->qtySlider.position, 4);
        Headless().Click(CentreOf(Popup()->okButton));
    });
    Step([] {
        EXPECT_EQ(Popup(), nullptr);
        ExpectMainWindowCount(4);
        ClickClose();
    });
    EXPECT_EQ(RunProgram(), FALSE);
    EXPECT_TRUE(ReceivedReports().empty());
}

}  // namespace
