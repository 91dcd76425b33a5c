// The desktop icon: each installed size drawn with a soft-edged alpha channel, the same picture
// as the window's own 32-pixel icon, and the committed PNG files the very pictures drawn.
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "tools/artgen/app_icon.hpp"
#include "tools/artgen/canvas.hpp"
#include "tools/artgen/pieces.hpp"

namespace art {
namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

bool StrongRedSomewhere(const Canvas& c) {
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            const Rgb p = Unpack(c.at(x, y));
            if (p.r > 200 && p.g < 60 && p.b < 60) return true;
        }
    }
    return false;
}

TEST(DesktopIcon, EverySizeHasClearCornersAnOpaqueMiddleAndSoftEdges) {
    for (const int size : kDesktopIconSizes) {
        SCOPED_TRACE("size " + std::to_string(size));
        const IconPicture icon = DrawDesktopIcon(size);
        ASSERT_EQ(icon.colour.width(), size);
        ASSERT_EQ(icon.colour.height(), size);
        ASSERT_EQ(icon.alpha.size(), static_cast<std::size_t>(size) * size);
        const auto alphaAt = [&](int x, int y) { return icon.alpha[y * size + x]; };
        EXPECT_EQ(alphaAt(0, 0), 0);
        EXPECT_EQ(alphaAt(size - 1, size - 1), 0);
        EXPECT_EQ(alphaAt(size / 2, size / 2), 255);
        EXPECT_EQ(alphaAt(size / 2, 1), 255);  // the straight edge is not cut
        const auto soft = std::count_if(icon.alpha.begin(), icon.alpha.end(),
                                        [](std::uint8_t a) { return a > 0 && a < 255; });
        EXPECT_GE(soft, 8) << "the rounded corners are anti-aliased, not 1-bit";
        EXPECT_TRUE(StrongRedSomewhere(icon.colour)) << "the ring holds every hue";
    }
}

TEST(DesktopIcon, ThirtyTwoPixelsIsTheWindowIconWithAlphaForItsKey) {
    const IconPicture icon = DrawDesktopIcon(32);
    const Canvas window = DrawAppIcon();
    int keyed = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool clear = icon.alpha[y * 32 + x] < 51;  // the window icon keys below 20 %
            EXPECT_EQ(window.at(x, y) == kMagenta, clear) << x << "," << y;
            keyed += clear ? 1 : 0;
            if (!clear) {
                const Rgb a = Unpack(icon.colour.at(x, y));
                const Rgb b = Unpack(window.at(x, y));
                EXPECT_LE(std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b), 1)
                    << x << "," << y;
            }
        }
    }
    EXPECT_GT(keyed, 0);
}

// The committed files decode to exactly what the generator draws now.
TEST(DesktopIcon, CommittedFilesAreTheDrawnPictures) {
    for (const int size : kDesktopIconSizes) {
        const std::string path =
            std::string(VR_RES_DIR) + "/icons/desktop/" + std::to_string(size) + ".png";
        SCOPED_TRACE(path);
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        ASSERT_NE(png_image_begin_read_from_file(&image, path.c_str()), 0);
        image.format = PNG_FORMAT_RGBA;
        std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(image));
        const bool read = image.width == static_cast<png_uint_32>(size) &&
                          image.height == static_cast<png_uint_32>(size) &&
                          png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr) != 0;
        png_image_free(&image);
        ASSERT_TRUE(read);
        const IconPicture drawn = DrawDesktopIcon(size);
        std::vector<std::uint8_t> expected;
        for (std::size_t i = 0; i < drawn.alpha.size(); ++i) {
            const std::uint32_t p = drawn.colour.surface().pixels()[i];
            expected.insert(expected.end(),
                            {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                             static_cast<std::uint8_t>(p), drawn.alpha[i]});
        }
        EXPECT_TRUE(rgba == expected) << "regenerate with vr-artgen (res/README.md)";
    }
}

}  // namespace
}  // namespace art
