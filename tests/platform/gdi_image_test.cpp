// BMP and PNG pictures, the strict BMP decoder under malformed input, and bitmaps and icons from
// the resources.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <utility>

#include "platform/gdi/bmp.hpp"
#include "platform/gdi/icon.hpp"
#include "platform/gdi/png.hpp"
#include "platform/gdi/resources.hpp"
#include "platform/res/resource_table.hpp"
#include "platform/wnd/wnd.hpp"

namespace {

Surface Sample(int width, int height) {
    Surface s(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            s.set(x, y,
                  static_cast<std::uint32_t>(((x * 40) & 0xFF) << 16 | ((y * 30) & 0xFF) << 8 |
                                             ((x + y) * 17 & 0xFF)));
        }
    }
    return s;
}

void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A 32-bit BMP, top-down when asked, with a V5 header when asked.
std::vector<std::uint8_t> Bmp32(const Surface& s, bool topDown, bool v5) {
    const std::uint32_t header = v5 ? 124 : 40;
    const std::uint32_t offset = 14 + header;
    std::vector<std::uint8_t> b(offset + static_cast<std::size_t>(s.width()) * s.height() * 4, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, offset);
    Put32(b, 14, header);
    Put32(b, 18, static_cast<std::uint32_t>(s.width()));
    Put32(b, 22, static_cast<std::uint32_t>(topDown ? -s.height() : s.height()));
    b[26] = 1;
    b[28] = 32;
    std::size_t at = offset;
    for (int row = 0; row < s.height(); ++row) {
        const int y = topDown ? row : s.height() - 1 - row;
        for (int x = 0; x < s.width(); ++x, at += 4) Put32(b, at, s.at(x, y) | 0xFF000000u);
    }
    return b;
}

TEST(GdiBmp, TwentyFourBitRoundTripWithRowPadding) {
    const Surface s = Sample(3, 5);  // 9 bytes of pixels per row, padded to 12
    const std::vector<std::uint8_t> file = EncodeBmp(s);
    EXPECT_EQ(file.size(), 54u + 12u * 5u);
    const auto back = DecodeBmp(file);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->width(), 3);
    EXPECT_EQ(back->height(), 5);
    EXPECT_EQ(back->pixels(), s.pixels());
}

TEST(GdiBmp, TwentyFourBitRowsOfEveryWidthModuloFour) {
    // Rows are read four pixels at a time and the rest one by one: widths 1 to 9 take each path
    // and each remainder, with and without row padding; the last pixel ends the file.
    for (int width = 1; width <= 9; ++width) {
        const Surface s = Sample(width, 3);
        const auto back = DecodeBmp(EncodeBmp(s));
        ASSERT_TRUE(back.has_value()) << width;
        EXPECT_EQ(back->pixels(), s.pixels()) << width;
    }
}

TEST(GdiBmp, ThirtyTwoBitTopDownAndBottomUpWithEitherHeader) {
    const Surface s = Sample(4, 3);
    for (bool topDown : {false, true}) {
        for (bool v5 : {false, true}) {
            const auto back = DecodeBmp(Bmp32(s, topDown, v5));
            ASSERT_TRUE(back.has_value()) << topDown << v5;
            EXPECT_EQ(back->pixels(), s.pixels()) << topDown << v5;
        }
    }
}

TEST(GdiBmp, MalformedFilesAreRefused) {
    const std::vector<std::uint8_t> good = EncodeBmp(Sample(5, 4));
    ASSERT_TRUE(DecodeBmp(good).has_value());
    auto with = [&](std::size_t at, std::uint32_t v, int bytes) {
        std::vector<std::uint8_t> b = good;
        for (int i = 0; i < bytes; ++i)
            b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
        return b;
    };
    EXPECT_FALSE(DecodeBmp(with(0, 'P', 1)));           // not "BM"
    EXPECT_FALSE(DecodeBmp(with(10, 0xFFFFFFF0u, 4)));  // pixels beyond the end
    EXPECT_FALSE(DecodeBmp(with(10, 20, 4)));           // pixels inside the header
    EXPECT_FALSE(DecodeBmp(with(14, 12, 4)));           // an old core header
    EXPECT_FALSE(DecodeBmp(with(14, 0xFFFFFFFFu, 4)));  // header larger than the file
    EXPECT_FALSE(DecodeBmp(with(18, 0, 4)));            // no width
    EXPECT_FALSE(DecodeBmp(with(18, 0x80000000u, 4)));  // negative width
    EXPECT_FALSE(DecodeBmp(with(22, 0, 4)));            // no height
    EXPECT_FALSE(DecodeBmp(with(22, 0x80000000u, 4)));  // height that cannot be negated
    EXPECT_FALSE(DecodeBmp(with(18, 100000, 4)));       // absurd width
    EXPECT_FALSE(DecodeBmp(with(26, 2, 2)));            // two planes
    EXPECT_FALSE(DecodeBmp(with(28, 8, 2)));            // palette picture
    EXPECT_FALSE(DecodeBmp(with(28, 16, 2)));
    EXPECT_FALSE(DecodeBmp(with(30, 1, 4)));  // run-length compressed
    EXPECT_FALSE(DecodeBmp({}));
}

TEST(GdiBmp, EveryTruncationIsRefused) {
    for (const auto& file : {EncodeBmp(Sample(7, 3)), Bmp32(Sample(2, 2), true, true)}) {
        for (std::size_t n = 0; n < file.size(); ++n) {
            EXPECT_FALSE(DecodeBmp({file.data(), n}).has_value()) << n;
        }
        EXPECT_TRUE(DecodeBmp(file).has_value());
    }
}

// Random mutations of valid files (fixed seed): the decoder either refuses the file or gives a
// picture of the size its header states, and never reads outside the bytes (the sanitizer
// build checks that).
TEST(GdiBmp, RandomMutationsNeverCrashTheDecoder) {
    std::mt19937 random(20261208);
    const std::vector<std::vector<std::uint8_t>> seeds = {
        EncodeBmp(Sample(5, 4)), EncodeBmp(Sample(1, 1)), Bmp32(Sample(3, 2), false, false),
        Bmp32(Sample(2, 3), true, true)};
    int accepted = 0;
    for (int round = 0; round < 20000; ++round) {
        std::vector<std::uint8_t> b = seeds[static_cast<std::size_t>(round) % seeds.size()];
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits; ++e) {
            switch (random() % 4) {
                case 0:  // flip a header byte, where most of the checks are
                    b[random() % std::min<std::size_t>(b.size(), 54)] =
                        static_cast<std::uint8_t>(random());
                    break;
                case 1:
                    b[random() % b.size()] = static_cast<std::uint8_t>(random());
                    break;
                case 2:
                    b.resize(random() % (b.size() + 1));
                    break;
                default:
                    b.resize(b.size() + random() % 64, static_cast<std::uint8_t>(random()));
                    break;
            }
            if (b.empty()) break;
        }
        const auto decoded = DecodeBmp(b);
        if (!decoded) continue;
        ++accepted;
        ASSERT_GE(b.size(), 54u);
        const auto width =
            static_cast<std::int32_t>(b[18] | b[19] << 8 | b[20] << 16 | b[21] << 24);
        ASSERT_EQ(decoded->width(), width);
        ASSERT_EQ(decoded->pixels().size(),
                  static_cast<std::size_t>(decoded->width()) * decoded->height());
    }
    EXPECT_GT(accepted, 0);  // pixel-only mutations still decode
}

TEST(GdiPng, RoundTripThroughMemoryAndFiles) {
    const Surface s = Sample(13, 7);
    const auto png = EncodePng(s);
    ASSERT_TRUE(png.has_value());
    ASSERT_GT(png->size(), 8u);
    EXPECT_EQ((*png)[1], 'P');
    const auto back = DecodePng(*png);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->pixels(), s.pixels());
    EXPECT_FALSE(DecodePng({png->data(), png->size() / 2}).has_value());
    EXPECT_FALSE(EncodePng(Surface()).has_value());

    const auto dir =
        std::filesystem::temp_directory_path() /
        ("gdi_image_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(dir);
    const std::string pngPath = (dir / "picture.png").string();
    const std::string bmpPath = (dir / "picture.bmp").string();
    ASSERT_TRUE(WritePngFile(s, pngPath));
    ASSERT_TRUE(WriteBmpFile(s, bmpPath));
    const auto pngFile = ReadWholeFile(pngPath);
    const auto bmpFile = ReadWholeFile(bmpPath);
    ASSERT_TRUE(pngFile && bmpFile);
    EXPECT_EQ(DecodePng(*pngFile)->pixels(), s.pixels());
    EXPECT_EQ(DecodeBmp(*bmpFile)->pixels(), s.pixels());
    EXPECT_FALSE(WritePngFile(s, (dir / "missing" / "x.png").string()));
    EXPECT_FALSE(ReadWholeFile((dir / "missing.bmp").string()).has_value());
    std::filesystem::remove_all(dir);
}

class GdiResources : public ::testing::Test {
  protected:
    void TearDown() override { SetBitmapResourcesForTesting({}); }
};

TEST_F(GdiResources, LoadBitmapGivesAFreshBitmapPerCall) {
    const Surface s = Sample(6, 4);
    std::vector<std::uint8_t> broken = EncodeBmp(s);
    broken.resize(40);
    SetBitmapResourcesForTesting({{228, EncodeBmp(s)}, {229, broken}});
    const std::size_t start = GdiLiveObjectCount();

    HBITMAP a = LoadBitmapW(AfxGetResourceHandle(), 228);
    HBITMAP b = LoadBitmapW(AfxGetResourceHandle(), 0x10000 | 228);  // the ID's low 16 bits
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_NE(a, b);
    EXPECT_EQ(a->surface.pixels(), s.pixels());
    EXPECT_FALSE(a->monochrome);
    EXPECT_EQ(GdiLiveObjectCount(), start + 2);
    // Drawing on one leaves the other and later loads as they were.
    a->surface.set(0, 0, 0x123456);
    HBITMAP c = LoadBitmapW(AfxGetResourceHandle(), 228);
    EXPECT_EQ(c->surface.pixels(), s.pixels());
    EXPECT_EQ(b->surface.pixels(), s.pixels());

    EXPECT_EQ(LoadBitmapW(AfxGetResourceHandle(), 229), nullptr);   // malformed file
    EXPECT_EQ(LoadBitmapW(AfxGetResourceHandle(), 4242), nullptr);  // no such resource
    EXPECT_EQ(LoadBitmapW(nullptr, 228), nullptr);
    for (HBITMAP h : {a, b, c}) EXPECT_TRUE(DeleteObject(h));
    EXPECT_EQ(GdiLiveObjectCount(), start);
}

// Test files stand in for the artwork at every scale: on a screen of scale 2 a test bitmap has
// no rendition (it is shown as blocks), and nothing of the embedded artwork is decoded for it.
TEST_F(GdiResources, TestBitmapsHaveNoRenditions) {
    SetBitmapResourcesForTesting({{130, EncodeBmp(Sample(8, 6))}});
    SetBitmapScale(2);
    HBITMAP bitmap = LoadBitmapW(AfxGetResourceHandle(), 130);
    SetBitmapScale(1);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->surface.width(), 8);
    EXPECT_EQ(std::as_const(bitmap->surface).fine(), nullptr);
    EXPECT_EQ(BitmapRenditionPixels(130, 2), nullptr);
    EXPECT_TRUE(DeleteObject(bitmap));
}

// Loads share the decoded picture: reading one (as a blit's source) copies nothing, drawing on
// one gives it its own pixels and leaves every other load, earlier or later, as decoded.
TEST_F(GdiResources, LoadedBitmapsShareTheirPixelsUntilDrawnOn) {
    const Surface s = Sample(5, 3);
    SetBitmapResourcesForTesting({{230, EncodeBmp(s)}});
    HBITMAP a = LoadBitmapW(AfxGetResourceHandle(), 230);
    HBITMAP b = LoadBitmapW(AfxGetResourceHandle(), 230);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    const Surface& pixelsA = a->surface;
    const Surface& pixelsB = b->surface;
    EXPECT_TRUE(pixelsA.sharesPixelsWith(pixelsB));

    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(source, a);
    HDC target = CreateCompatibleDC(nullptr);
    HBITMAP copy = CreateCompatibleBitmap(nullptr, 5, 3);
    HGDIOBJ oldTarget = SelectObject(target, copy);
    ASSERT_TRUE(BitBlt(target, 0, 0, 5, 3, source, 0, 0, SRCCOPY));
    EXPECT_EQ(std::as_const(copy->surface).pixels(), s.pixels());
    EXPECT_TRUE(pixelsA.sharesPixelsWith(pixelsB));

    const RECT corner{0, 0, 2, 1};
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    FillRect(source, &corner, brush);
    DeleteObject(brush);
    EXPECT_FALSE(pixelsA.sharesPixelsWith(pixelsB));
    EXPECT_EQ(pixelsA.at(1, 0), PixelFromColorref(RGB(1, 2, 3)));
    EXPECT_EQ(pixelsA.at(2, 0), s.at(2, 0));
    EXPECT_EQ(pixelsB.pixels(), s.pixels());
    HBITMAP c = LoadBitmapW(AfxGetResourceHandle(), 230);
    EXPECT_TRUE(std::as_const(c->surface).sharesPixelsWith(pixelsB));
    EXPECT_EQ(std::as_const(c->surface).pixels(), s.pixels());

    SelectObject(target, oldTarget);
    SelectObject(source, old);
    DeleteDC(target);
    DeleteDC(source);
    for (HBITMAP h : {a, b, c, copy}) EXPECT_TRUE(DeleteObject(h));
}

// A copy of a surface reads the same pixels until either side is written to; a write to one
// never shows in the other, whichever side writes and however it writes. Small surfaces and
// large ones (stored apart from the heap) alike.
TEST(SurfaceCopies, WritesNeverReachTheOtherCopy) {
    for (const SIZE size : {SIZE{4, 2}, SIZE{800, 540}}) {
        Surface original = Sample(size.cx, size.cy);
        const Surface expected = Sample(size.cx, size.cy);
        Surface copy = original;
        EXPECT_TRUE(std::as_const(copy).sharesPixelsWith(original));
        copy.set(3, 1, 0xABCDEF);
        EXPECT_EQ(std::as_const(original).pixels(), expected.pixels());
        EXPECT_EQ(copy.at(3, 1), 0xABCDEFu);
        EXPECT_EQ(copy.at(2, 1), expected.at(2, 1));
        EXPECT_EQ(copy.at(0, size.cy - 1), expected.at(0, size.cy - 1));

        Surface second = original;
        original.row(0)[0] = 0x111111;
        EXPECT_EQ(std::as_const(second).pixels(), expected.pixels());
        EXPECT_EQ(original.at(0, 0), 0x111111u);
        second.pixels()[1] = 0x222222;
        EXPECT_EQ(original.at(1, 0), expected.at(1, 0));
        EXPECT_EQ(Surface(size.cx, size.cy, 0x0A0B0C).at(size.cx - 1, size.cy - 1), 0x0A0B0Cu);
        const Surface zeros(size.cx, size.cy);
        EXPECT_EQ(std::count(zeros.pixels().begin(), zeros.pixels().end(), 0u),
                  static_cast<std::ptrdiff_t>(size.cx) * size.cy);
    }

    Surface empty;
    Surface emptyCopy = empty;
    EXPECT_FALSE(emptyCopy.sharesPixelsWith(empty));
    EXPECT_TRUE(std::as_const(emptyCopy).pixels().empty());
    emptyCopy.pixels().push_back(7);
    EXPECT_TRUE(std::as_const(empty).pixels().empty());
}

// Every picture built into the program decodes, and the icon is the 32 x 32 one.
TEST_F(GdiResources, EveryEmbeddedPictureDecodes) {
    for (const EmbeddedResource& r : EmbeddedBitmaps()) {
        HBITMAP b = LoadBitmapW(AfxGetResourceHandle(), r.id);
        EXPECT_NE(b, nullptr) << "bitmap " << r.id;
        DeleteObject(b);
    }
    for (const EmbeddedResource& r : EmbeddedIcons()) {
        const auto image = DecodeBmp({r.data, r.size});
        ASSERT_TRUE(image.has_value()) << "icon " << r.id;
        if (r.id == 128) {
            EXPECT_EQ(image->width(), 32);
            EXPECT_EQ(image->height(), 32);
        }
    }
}

TEST_F(GdiResources, EmbeddedIconIsDrawnWithoutItsMagentaPixels) {
    HICON icon = LoadIconW(AfxGetResourceHandle(), 128);
    if (icon == nullptr) GTEST_SKIP() << "res/icons/128.bmp is not in this build";
    EXPECT_EQ(LoadIconW(AfxGetResourceHandle(), 128), icon);  // shared
    EXPECT_EQ(LoadIconW(AfxGetResourceHandle(), 4242), nullptr);

    Surface target(40, 40, 0x00FF00);
    HDC dc = GdiCreateSurfaceDC(&target, {0, 0}, std::nullopt);
    ASSERT_TRUE(DrawIcon(dc, 4, 4, icon));
    DeleteDC(dc);
    int transparent = 0;
    for (int y = 0; y < icon->image.height(); ++y) {
        for (int x = 0; x < icon->image.width(); ++x) {
            const std::uint32_t p = icon->image.at(x, y);
            if (p == 0xFF00FF) {
                ++transparent;
                EXPECT_EQ(target.at(x + 4, y + 4), 0x00FF00u);
            } else {
                EXPECT_EQ(target.at(x + 4, y + 4), p);
            }
        }
    }
    EXPECT_EQ(target.at(0, 0), 0x00FF00u);
    RecordProperty("transparentPixels", transparent);
}

}  // namespace
