// Surfaces with a rendition at a device scale: every drawing call leaves the surface's own pixels
// as at scale 1 and writes the rendition, block by block for fills, lines, pixels, icons and
// transfers of plain bitmaps, pixel for pixel between renditions, and finer for stretches and text.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "gdi_test_support.hpp"
#include "platform/gdi/text.hpp"

namespace {

constexpr std::uint32_t kWhitePixel = 0xFFFFFF;

// The surface's pixels, each a k x k block.
Surface Enlarged(const Surface& s, int k) {
    Surface out(s.width() * k, s.height() * k);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) out.set(x, y, s.at(x / k, y / k));
    }
    return out;
}

bool SamePixels(const Surface& a, const Surface& b) {
    return a.width() == b.width() && a.height() == b.height() &&
           std::equal(a.pixels().begin(), a.pixels().end(), b.pixels().begin());
}

// Device pixels that differ from the first one of their k x k block.
int PixelsOffTheirBlock(const Surface& fine, int k) {
    int count = 0;
    for (int y = 0; y < fine.height(); ++y) {
        for (int x = 0; x < fine.width(); ++x) {
            if (fine.at(x, y) != fine.at(x - x % k, y - y % k)) ++count;
        }
    }
    return count;
}

// The same drawing on a window surface at scale 1 and at scale k, through window DCs with the
// same origin and clip.
struct TwoSurfaces {
    TwoSurfaces(int width, int height, int k, POINT origin, std::optional<Region> clip)
        : plain(width, height, kWhitePixel), scaled(width, height, kWhitePixel) {
        scaled.SetScale(k);
        plainDc = GdiCreateSurfaceDC(&plain, origin, clip);
        scaledDc = GdiCreateSurfaceDC(&scaled, origin, clip);
    }
    ~TwoSurfaces() {
        DeleteDC(plainDc);
        DeleteDC(scaledDc);
    }
    void Draw(const std::function<void(HDC)>& drawing) const {
        drawing(plainDc);
        drawing(scaledDc);
    }

    Surface plain;
    Surface scaled;
    HDC plainDc;
    HDC scaledDc;
};

TEST(GdiDeviceScale, ARenditionStartsAsTheSurfaceEnlargedAndIsCopiedOnWrite) {
    Surface s(5, 4, 0x112233);
    s.set(1, 2, 0xABCDEF);
    s.SetScale(3);
    ASSERT_EQ(s.scale(), 3);
    ASSERT_NE(s.fine(), nullptr);
    EXPECT_TRUE(SamePixels(*std::as_const(s).fine(), Enlarged(s, 3)));
    Surface copy = s;
    copy.fine()->set(0, 0, 0);
    EXPECT_EQ(std::as_const(s).fine()->at(0, 0), 0x112233u) << "the copy wrote its own rendition";
    s.SetScale(1);
    EXPECT_EQ(s.scale(), 1);
    EXPECT_EQ(std::as_const(s).fine(), nullptr);
}

// Artwork drawn at the scale becomes a surface's rendition as it is, shared with the picture it
// came from until either is written to; only a picture exactly scale times the surface's size.
TEST(GdiDeviceScale, ARenditionGivenIsSharedUntilWrittenAndMustBeScaleTimesTheSize) {
    Surface s(3, 2, 0x112233);
    const Surface art(6, 4, 0x445566);
    EXPECT_FALSE(s.SetRendition(2, Surface(5, 4)));
    EXPECT_FALSE(s.SetRendition(2, Surface(6, 5)));
    EXPECT_FALSE(s.SetRendition(1, Surface(3, 2)));
    EXPECT_EQ(s.scale(), 1);
    EXPECT_EQ(std::as_const(s).fine(), nullptr);
    ASSERT_TRUE(s.SetRendition(2, art));
    EXPECT_EQ(s.scale(), 2);
    ASSERT_NE(std::as_const(s).fine(), nullptr);
    EXPECT_TRUE(std::as_const(s).fine()->sharesPixelsWith(art));
    EXPECT_EQ(s.at(0, 0), 0x112233u) << "the surface's own pixels stay";
    s.fine()->set(1, 1, 0);
    EXPECT_EQ(art.at(1, 1), 0x445566u) << "writing the rendition wrote the picture";
    EXPECT_EQ(std::as_const(s).fine()->at(1, 1), 0u);
}

// Lines along a row or a column are blocks too: the pen's width times the scale across.
TEST(GdiDeviceScale, FillsStraightLinesAndPixelsAreBlocksWithinTheClip) {
    // The clip leaves out a corner, and the DC's origin is inside the surface.
    Region clip = Region::FromRect({0, 0, 30, 20});
    clip = clip.subtracted(Region::FromRect({20, 0, 30, 8}));
    for (const int k : {2, 3}) {
        TwoSurfaces two(30, 20, k, {3, 2}, clip);
        HBRUSH red = CreateSolidBrush(RGB(200, 0, 0));
        HPEN pen = CreatePen(PS_SOLID, 2, RGB(0, 0, 180));
        HPEN wide = CreatePen(PS_SOLID, 3, RGB(0, 90, 0));
        two.Draw([&](HDC dc) {
            const RECT r{-5, 1, 24, 9};
            FillRect(dc, &r, red);
            SelectObject(dc, pen);
            MoveToEx(dc, 0, 16, nullptr);
            LineTo(dc, 25, 16);
            LineTo(dc, 25, 0);  // into the clipped corner
            SelectObject(dc, wide);
            MoveToEx(dc, 8, 14, nullptr);
            LineTo(dc, 8, 3);
            SelectObject(dc, GetStockObject(BLACK_PEN));
            MoveToEx(dc, 12, 0, nullptr);
            LineTo(dc, -6, 0);  // leftwards, off the surface
            SetPixel(dc, 1, 1, RGB(0, 255, 0));
            SelectObject(dc, GetStockObject(BLACK_PEN));
        });
        EXPECT_TRUE(SamePixels(two.scaled, two.plain)) << "the surface's own pixels at " << k;
        EXPECT_TRUE(SamePixels(*std::as_const(two.scaled).fine(), Enlarged(two.plain, k)))
            << "the rendition at " << k;
        EXPECT_EQ(ColorrefFromPixel(two.scaled.at(4, 3)), RGB(0, 255, 0));
        DeleteObject(red);
        DeleteObject(pen);
        DeleteObject(wide);
    }
}

// A slanted line is walked at the device's pixels: each device column it crosses (a line closer
// to a row) holds exactly scale pixels of it, one run, along the true line between the blocks
// of its ends, where blocks would step by scale pixels; the end's block stays out, the surface's
// own pixels are those of scale 1 and the damage noted covers every pixel drawn.
TEST(GdiDeviceScale, SlantedLinesAreDrawnAtTheDevicesResolution) {
    for (const int k : {2, 3, 4})
        for (const bool back : {false, true}) {
            const auto damage = std::make_shared<Damage>();
            Surface plain(30, 20, kWhitePixel);
            Surface scaled(30, 20, kWhitePixel);
            scaled.SetScale(k);
            HDC plainDc = GdiCreateSurfaceDC(&plain, {0, 0}, std::nullopt);
            HDC scaledDc = GdiCreateSurfaceDC(&scaled, {0, 0}, std::nullopt);
            HDC damagedDc = GdiCreateSurfaceDC(&scaled, {0, 0}, std::nullopt, damage);
            const auto damaged = [&damage](int x, int y) {
                return std::any_of(
                    damage->rects().begin(), damage->rects().end(), [&](const RECT& r) {
                        return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
                    });
            };
            // 21 across, 7 down; or back up from the end, leaving out the start's block then.
            const POINT a = back ? POINT{23, 10} : POINT{2, 3};
            const POINT b = back ? POINT{2, 3} : POINT{23, 10};
            for (HDC dc : {plainDc, damagedDc}) {
                MoveToEx(dc, a.x, a.y, nullptr);
                LineTo(dc, b.x, b.y);
            }
            EXPECT_TRUE(SamePixels(scaled, plain)) << "the surface's own pixels at " << k;
            const Surface& fine = *std::as_const(scaled).fine();
            for (int fx = 0; fx < fine.width(); ++fx) {
                int first = -1;
                int count = 0;
                for (int fy = 0; fy < fine.height(); ++fy) {
                    if (fine.at(fx, fy) == kWhitePixel) continue;
                    if (first < 0) first = fy;
                    ++count;
                    EXPECT_EQ(fy, first + count - 1) << "one run in column " << fx << " at " << k;
                    EXPECT_TRUE(damaged(fx / k, fy / k)) << fx << "," << fy << " at " << k;
                }
                const int firstColumn = (back ? 3 : 2) * k;
                const bool crossed = fx >= firstColumn && fx < firstColumn + 21 * k;
                ASSERT_EQ(count, crossed ? k : 0) << "column " << fx << " at " << k;
                if (!crossed) continue;
                // The run's top follows the line from the start's block corner to the end's (going
                // back, from the blocks' last pixels).
                const double top = back ? 3.0 * k + (fx - 3.0 * k + 1) * 7.0 / 21.0
                                        : 3.0 * k + (fx - 2.0 * k) * 7.0 / 21.0;
                EXPECT_NEAR(first, top, 0.5) << "column " << fx << " at " << k;
            }
            EXPECT_GT(PixelsOffTheirBlock(fine, k), 0)
                << "not blocks at " << k << (back ? " back" : "");
            for (HDC dc : {plainDc, scaledDc, damagedDc}) DeleteDC(dc);
        }
}

TEST(GdiDeviceScale, TransfersEnlargePlainBitmapsAndCopyRenditions) {
    TwoSurfaces two(40, 30, 2, {0, 0}, std::nullopt);
    // A plain bitmap with a pattern, and a monochrome mask.
    MemoryCanvas art(12, 10, RGB(10, 20, 30));
    for (int i = 0; i < 10; ++i) SetPixel(art.dc(), i, i, RGB(250, 200, 100));
    MemoryCanvas mask(12, 10, RGB(255, 255, 255), true);
    const RECT hole{3, 3, 8, 6};
    FillRect(mask.dc(), &hole, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    two.Draw([&](HDC dc) {
        BitBlt(dc, 2, 3, 12, 10, art.dc(), 0, 0, SRCCOPY);
        BitBlt(dc, 20, 3, 12, 10, mask.dc(), 0, 0, SRCAND);
        // Within one surface, overlapping.
        BitBlt(dc, 5, 6, 20, 15, dc, 2, 3, SRCCOPY);
    });
    EXPECT_TRUE(SamePixels(two.scaled, two.plain));
    EXPECT_TRUE(SamePixels(*std::as_const(two.scaled).fine(), Enlarged(two.plain, 2)));

    // A bitmap made for the scaled surface has a rendition of its own, whose text reaches the
    // surface's rendition pixel for pixel.
    HDC memory = CreateCompatibleDC(two.scaledDc);
    HBITMAP buffer = CreateCompatibleBitmap(two.scaledDc, 30, 12);
    ASSERT_EQ(buffer->surface.scale(), 2);
    HGDIOBJ old = SelectObject(memory, buffer);
    const RECT all{0, 0, 30, 12};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(memory, TRANSPARENT);
    TextOutW(memory, 1, 0, L"Ag", 2);
    BitBlt(two.scaledDc, 4, 14, 30, 12, memory, 0, 0, SRCCOPY);
    const Surface& from = *std::as_const(buffer->surface).fine();
    const Surface& to = *std::as_const(two.scaled).fine();
    int differing = 0;
    for (int y = 0; y < from.height(); ++y) {
        for (int x = 0; x < from.width(); ++x) differing += to.at(8 + x, 28 + y) != from.at(x, y);
    }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(PixelsOffTheirBlock(from, 2), 0) << "text in the buffer is finer than blocks";
    SelectObject(memory, old);
    DeleteObject(buffer);
    DeleteDC(memory);
}

TEST(GdiDeviceScale, StretchesAreComputedAtTheDevicesResolution) {
    MemoryCanvas art(8, 6, RGB(0, 0, 0));
    for (int x = 0; x < 8; ++x) SetPixel(art.dc(), x, x % 6, RGB(255, 255, 255));
    TwoSurfaces two(30, 30, 2, {0, 0}, std::nullopt);
    // What the rendition must hold: the stretch to twice the size on a plain surface.
    MemoryCanvas reference(60, 60, RGB(255, 255, 255));
    for (const int mode : {HALFTONE, COLORONCOLOR}) {
        two.Draw([&](HDC dc) {
            SetStretchBltMode(dc, mode);
            StretchBlt(dc, 3, 2, 20, 15, art.dc(), 1, 0, 7, 6, SRCCOPY);
        });
        SetStretchBltMode(reference.dc(), mode);
        StretchBlt(reference.dc(), 6, 4, 40, 30, art.dc(), 1, 0, 7, 6, SRCCOPY);
        EXPECT_TRUE(SamePixels(two.scaled, two.plain)) << mode;
        EXPECT_TRUE(SamePixels(*std::as_const(two.scaled).fine(), reference.surface())) << mode;
    }
}

LOGFONTW Arial(LONG height) {
    LOGFONTW lf;
    lf.lfHeight = height;
    lf.lfWeight = FW_BOLD;
    const wchar_t face[] = L"Arial";
    std::copy(std::begin(face), std::end(face), lf.lfFaceName);
    return lf;
}

TEST(GdiDeviceScale, TextTakesTheFinerFaceWhereItsCharactersAreAndNotesWhatItDrew) {
    auto damage = std::make_shared<Damage>();
    Surface plain(120, 30, kWhitePixel);
    Surface scaled(120, 30, kWhitePixel);
    scaled.SetScale(2);
    HDC plainDc = GdiCreateSurfaceDC(&plain, {0, 0}, std::nullopt);
    HDC scaledDc = GdiCreateSurfaceDC(&scaled, {0, 0}, std::nullopt, damage);
    const LOGFONTW lf = Arial(18);
    HFONT font = CreateFontIndirectW(&lf);
    RECT measured{};
    for (HDC dc : {plainDc, scaledDc}) {
        SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        RECT r{0, 0, 120, 30};
        DrawTextW(dc, L"Apply 30", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        RECT calc{0, 0, 0, 0};
        DrawTextW(dc, L"Apply 30", -1, &calc, DT_CALCRECT | DT_SINGLELINE);
        if (dc == plainDc) {
            measured = calc;
        } else {
            EXPECT_EQ(calc, measured) << "the layout is the same at every scale";
        }
    }
    EXPECT_TRUE(SamePixels(scaled, plain)) << "the surface's own pixels are those of scale 1";

    const Surface& fine = *std::as_const(scaled).fine();
    EXPECT_GT(PixelsOffTheirBlock(fine, 2), 100) << "glyphs at the device's resolution";
    const RECT ink = InkBounds(plain, kWhitePixel);
    const RECT fineInk = InkBounds(fine, kWhitePixel);
    // The finer glyphs lie where the coarse ones do, give or take a pixel of the surface.
    EXPECT_GE(fineInk.left, 2 * (ink.left - 1));
    EXPECT_GE(fineInk.top, 2 * (ink.top - 1));
    EXPECT_LE(fineInk.right, 2 * (ink.right + 1));
    EXPECT_LE(fineInk.bottom, 2 * (ink.bottom + 1));
    EXPECT_GT(fineInk.right - fineInk.left, 2 * (ink.right - ink.left) - 4);
    // Every device pixel drawn lies in the damage noted (which the present shows).
    const std::vector<RECT> drawn = damage->rects();
    int outside = 0;
    for (int y = 0; y < fine.height(); ++y) {
        for (int x = 0; x < fine.width(); ++x) {
            if (fine.at(x, y) == kWhitePixel) continue;
            outside += std::none_of(drawn.begin(), drawn.end(), [&](const RECT& r) {
                return x >= 2 * r.left && x < 2 * r.right && y >= 2 * r.top && y < 2 * r.bottom;
            });
        }
    }
    EXPECT_EQ(outside, 0);
    DeleteDC(plainDc);
    DeleteDC(scaledDc);
    DeleteObject(font);
}

TEST(GdiDeviceScale, TextStaysInsideTheClipAtTheDevicesResolution) {
    Surface window(100, 40, kWhitePixel);
    window.SetScale(2);
    HDC dc = GdiCreateSurfaceDC(&window, {20, 10}, Region::FromRect({20, 10, 40, 30}));
    const LOGFONTW lf = Arial(18);
    HFONT font = CreateFontIndirectW(&lf);
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 0, 0, L"WWWWWW", 6);
    const RECT ink = InkBounds(*std::as_const(window).fine(), kWhitePixel);
    EXPECT_GE(ink.left, 40);
    EXPECT_LE(ink.right, 80);
    EXPECT_GE(ink.top, 20);
    EXPECT_LE(ink.bottom, 60);
    EXPECT_GT(ink.right - ink.left, 20);
    DeleteDC(dc);
    DeleteObject(font);
}

}  // namespace
