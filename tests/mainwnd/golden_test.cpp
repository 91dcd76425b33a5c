// The start-up window compared with the committed reference picture. Outside the text areas the
// pixels must be equal; inside them a few pixels may differ (font versions render a glyph's edge
// a little differently). To regenerate the reference after the artwork changed, see
// golden/README.md.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "main_window_harness.hpp"
#include "png_reader.hpp"

namespace {

const std::string kReference = std::string(VR_MAINWND_GOLDEN_DIR) + "/startup.png";

// Where the window draws text: the value texts, the three labels and the "Apply" caption.
constexpr RECT kTextAreas[] = {
    {743, 358, 780, 458}, {493, 109, 523, 127}, {650, 5, 700, 23},
    {408, 104, 484, 134}, {586, 474, 780, 523},
};
// Inside a text area, at most this share of pixels may differ by more than kGlyphEdgeLevels.
constexpr double kTextTolerance = 0.10;
constexpr int kGlyphEdgeLevels = 48;

int ChannelDistance(std::uint32_t a, std::uint32_t b) {
    int worst = 0;
    for (int shift : {0, 8, 16}) {
        worst = std::max(worst, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                         static_cast<int>((b >> shift) & 0xFF)));
    }
    return worst;
}

const RECT* TextAreaOf(int x, int y) {
    for (const RECT& r : kTextAreas) {
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) {
            return &r;
        }
    }
    return nullptr;
}

TEST(MainWindowGolden, StartupWindowMatchesTheReferencePicture) {
    MainWindowHarness run({.red = 61, .green = 69, .blue = 255, .ledCount = 30});
    auto& dlg = run.dlg();
    run.Step([&] {
        run.MoveAway();
        run.backend().Advance(1000);
        if (std::getenv("VR_UPDATE_GOLDEN") != nullptr) {
            ASSERT_TRUE(run.backend().SavePng(dlg.m_hWnd, kReference));
            GTEST_SKIP() << "reference picture written to " << kReference;
        }
        const auto reference = ReadPng(kReference);
        ASSERT_TRUE(reference.has_value()) << "cannot read " << kReference;
        const Surface& shown = run.Pixels();
        ASSERT_EQ(reference->width(), shown.width());
        ASSERT_EQ(reference->height(), shown.height());
        int textDifferences[std::size(kTextAreas)] = {};
        int outsideDifferences = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const int distance = ChannelDistance(shown.at(x, y), reference->at(x, y));
                if (distance == 0) {
                    continue;
                }
                if (const RECT* area = TextAreaOf(x, y)) {
                    textDifferences[area - kTextAreas] += distance > kGlyphEdgeLevels ? 1 : 0;
                } else if (++outsideDifferences <= 5) {
                    ADD_FAILURE() << "pixel " << x << "," << y << " differs outside the text";
                }
            }
        }
        EXPECT_EQ(outsideDifferences, 0);
        for (std::size_t i = 0; i < std::size(kTextAreas); ++i) {
            const RECT& r = kTextAreas[i];
            const int area = (r.right - r.left) * (r.bottom - r.top);
            EXPECT_LE(textDifferences[i], static_cast<int>(area * kTextTolerance))
                << "text area " << i;
        }
    });
    run.Run();
}

}  // namespace
