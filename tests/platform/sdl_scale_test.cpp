// The desktop backend's scale, headless: how the factor is chosen (environment, then the
// desktop's XSETTINGS), reading XSETTINGS properties, and the logical <-> device conversions of
// points, exposures and pixels.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/backend/sdl/device_scale.hpp"
#include "platform/backend/sdl/scale_choice.hpp"
#include "platform/backend/sdl/xsettings.hpp"

namespace {

using platform::sdl::ChooseScale;
using platform::sdl::CopyScaled;
using platform::sdl::DeviceScale;
using platform::sdl::ParseScale;
using platform::sdl::ScaleChoice;
using platform::sdl::ShapeRect;
using platform::sdl::XSettingsInteger;

// A desktop that answers `value` and counts how often it was asked.
struct FakeDesktop {
    std::optional<long long> value;
    int asked = 0;
    std::function<std::optional<long long>()> ask() {
        return [this] {
            ++asked;
            return value;
        };
    }
};

TEST(ScaleChoice, ParseAcceptsOnlyWholeNumbersOneToFour) {
    for (const auto& [text, expected] : std::vector<std::pair<std::string, int>>{
             {"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"02", 2}}) {
        EXPECT_EQ(ParseScale(text), expected) << text;
    }
    for (const std::string text :
         {"", "0", "5", "-1", "+2", " 2", "2 ", "2.0", "1.5", "two", "2x", "99999999999999999"}) {
        EXPECT_EQ(ParseScale(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(ScaleChoice, FirstSourceThatIsSetWins) {
    FakeDesktop desktop{3};
    // The program's own variable over GDK_SCALE, and the desktop is not even asked.
    ScaleChoice choice = ChooseScale("1", "2", desktop.ask());
    EXPECT_EQ(choice.factor, 1);
    EXPECT_EQ(desktop.asked, 0);
    choice = ChooseScale(nullptr, "2", desktop.ask());
    EXPECT_EQ(choice.factor, 2);
    EXPECT_EQ(desktop.asked, 0);
    // An empty variable counts as unset, silently.
    choice = ChooseScale("", "", desktop.ask());
    EXPECT_EQ(choice.factor, 3);
    EXPECT_EQ(desktop.asked, 1);
    EXPECT_TRUE(choice.ignored.empty());
    // Nothing anywhere: 1.
    FakeDesktop none{std::nullopt};
    choice = ChooseScale(nullptr, nullptr, none.ask());
    EXPECT_EQ(choice.factor, 1);
    EXPECT_TRUE(choice.ignored.empty());
}

TEST(ScaleChoice, BadValuesAreIgnoredWithOneLineEach) {
    FakeDesktop desktop{4};
    ScaleChoice choice = ChooseScale("big", "5", desktop.ask());
    EXPECT_EQ(choice.factor, 4);
    ASSERT_EQ(choice.ignored.size(), 2u);
    EXPECT_NE(choice.ignored[0].find("VESPANE_RGB_SCALE \"big\""), std::string::npos)
        << choice.ignored[0];
    EXPECT_NE(choice.ignored[1].find("GDK_SCALE \"5\""), std::string::npos) << choice.ignored[1];
    // A bad own value does not hide a good GDK_SCALE.
    choice = ChooseScale("0", "2", desktop.ask());
    EXPECT_EQ(choice.factor, 2);
    EXPECT_EQ(choice.ignored.size(), 1u);
    // The desktop's own value out of range.
    for (const long long bad : {0LL, -2LL, 5LL, 1LL << 40}) {
        FakeDesktop odd{bad};
        choice = ChooseScale(nullptr, nullptr, odd.ask());
        EXPECT_EQ(choice.factor, 1) << bad;
        ASSERT_EQ(choice.ignored.size(), 1u) << bad;
        EXPECT_NE(choice.ignored[0].find("Gdk/WindowScalingFactor \"" + std::to_string(bad)),
                  std::string::npos)
            << choice.ignored[0];
    }
}

// Writes an _XSETTINGS_SETTINGS property as a settings manager does.
class XSettingsWriter {
  public:
    explicit XSettingsWriter(bool msbFirst) : msbFirst_(msbFirst) {
        bytes_ = {static_cast<std::uint8_t>(msbFirst ? 1 : 0), 0, 0, 0};
        card(4, 7);  // serial
        card(4, 0);  // the count, set by each setting added
    }
    XSettingsWriter& integer(const std::string& name, std::int32_t value) {
        header(0, name);
        card(4, static_cast<std::uint32_t>(value));
        return *this;
    }
    XSettingsWriter& string(const std::string& name, const std::string& value) {
        header(1, name);
        card(4, static_cast<std::uint32_t>(value.size()));
        padded(value);
        return *this;
    }
    XSettingsWriter& color(const std::string& name) {
        header(2, name);
        for (int i = 0; i < 4; ++i) card(2, 0xABCD);
        return *this;
    }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::vector<std::uint8_t>& bytes() { return bytes_; }

  private:
    void card(int size, std::uint32_t value) {
        for (int i = 0; i < size; ++i) {
            const int shift = 8 * (msbFirst_ ? size - 1 - i : i);
            bytes_.push_back(static_cast<std::uint8_t>(value >> shift));
        }
    }
    void padded(const std::string& text) {
        bytes_.insert(bytes_.end(), text.begin(), text.end());
        while (bytes_.size() % 4 != 0) bytes_.push_back(0);
    }
    void header(std::uint8_t type, const std::string& name) {
        ++count_;
        for (int i = 0; i < 4; ++i) {
            bytes_[8 + i] = static_cast<std::uint8_t>(count_ >> (8 * (msbFirst_ ? 3 - i : i)));
        }
        bytes_.push_back(type);
        bytes_.push_back(0);
        card(2, static_cast<std::uint32_t>(name.size()));
        padded(name);
        card(4, 3);  // last change serial
    }

    bool msbFirst_;
    std::uint32_t count_ = 0;
    std::vector<std::uint8_t> bytes_;
};

constexpr const char* kScaleName = "Gdk/WindowScalingFactor";

TEST(XSettings, FindsTheIntegerAmongOtherSettingsInBothByteOrders) {
    for (const bool msbFirst : {false, true}) {
        XSettingsWriter writer(msbFirst);
        writer
            .string("Net/ThemeName", "Adwaita")  // 7 characters: padded
            .color("Gtk/Colour")
            .integer("Xft/DPI", 196608)
            .integer(kScaleName, 2)
            .integer("Gdk/UnscaledDPI", 98304);
        EXPECT_EQ(XSettingsInteger(writer.bytes(), kScaleName), 2) << msbFirst;
        EXPECT_EQ(XSettingsInteger(writer.bytes(), "Xft/DPI"), 196608) << msbFirst;
        EXPECT_EQ(XSettingsInteger(writer.bytes(), "Gdk/UnscaledDPI"), 98304) << msbFirst;
        EXPECT_EQ(XSettingsInteger(writer.bytes(), "Gdk/WindowScaling"), std::nullopt);
        EXPECT_EQ(XSettingsInteger(writer.bytes(), "Net/ThemeName"), std::nullopt)
            << "a string is not an integer";
    }
    XSettingsWriter negative(false);
    negative.integer(kScaleName, -3);
    EXPECT_EQ(XSettingsInteger(negative.bytes(), kScaleName), -3);
}

TEST(XSettings, MalformedPropertiesGiveNothing) {
    XSettingsWriter writer(false);
    writer.string("Net/ThemeName", "Adwaita").integer(kScaleName, 2);
    const std::vector<std::uint8_t> whole = writer.bytes();
    // Every truncation: never read past the end, and the value only once its four bytes are in.
    for (std::size_t size = 0; size < whole.size(); ++size) {
        const std::vector<std::uint8_t> cut(whole.begin(),
                                            whole.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_EQ(XSettingsInteger(cut, kScaleName), std::nullopt) << size;
    }
    // An unknown byte order.
    std::vector<std::uint8_t> bad = whole;
    bad[0] = 'l';
    EXPECT_EQ(XSettingsInteger(bad, kScaleName), std::nullopt);
    // A setting of unknown type before the one asked for: what follows cannot be trusted.
    bad = whole;
    bad[12] = 9;
    EXPECT_EQ(XSettingsInteger(bad, kScaleName), std::nullopt);
    // A string claiming to run past the end.
    bad = whole;
    bad[12 + 4 + 16 + 4 + 3] = 0x7f;  // the top byte of the string's length
    EXPECT_EQ(XSettingsInteger(bad, kScaleName), std::nullopt);
    // A count larger than the settings present: the ones present are still read.
    bad = whole;
    bad[8] = 200;
    EXPECT_EQ(XSettingsInteger(bad, kScaleName), 2);
}

TEST(DeviceScale, LogicalPixelOfADevicePixelRoundsDown) {
    const DeviceScale two(2);
    EXPECT_EQ(two.ToLogical(0), 0);
    EXPECT_EQ(two.ToLogical(1), 0);
    EXPECT_EQ(two.ToLogical(3), 1);
    // Left of or above the screen's origin (a window dragged partly off screen).
    EXPECT_EQ(two.ToLogical(-1), -1);
    EXPECT_EQ(two.ToLogical(-2), -1);
    EXPECT_EQ(two.ToLogical(-3), -2);
    const DeviceScale three(3);
    for (int device = -20; device <= 20; ++device) {
        const int logical = three.ToLogical(device);
        EXPECT_LE(three.ToDevice(logical), device);
        EXPECT_GT(three.ToDevice(logical + 1), device);
    }
    EXPECT_EQ(DeviceScale(1).ToLogical(POINT{-7, 9}).x, -7);
    EXPECT_EQ(DeviceScale(0).factor(), 1) << "no factor below 1";
}

TEST(DeviceScale, ExposureCoversEveryLogicalPixelItTouches) {
    const DeviceScale two(2);
    // Device pixels 3..4 and 1..2 touch logical pixels 1..2 and 0..1.
    const RECT cover = two.LogicalCover(ShapeRect{3, 1, 2, 2});
    EXPECT_EQ(cover.left, 1);
    EXPECT_EQ(cover.top, 0);
    EXPECT_EQ(cover.right, 3);
    EXPECT_EQ(cover.bottom, 2);
    // Aligned ones map exactly.
    const RECT aligned = DeviceScale(4).LogicalCover(ShapeRect{8, 4, 16, 40});
    EXPECT_EQ(aligned.left, 2);
    EXPECT_EQ(aligned.top, 1);
    EXPECT_EQ(aligned.right, 6);
    EXPECT_EQ(aligned.bottom, 11);
    const RECT device = two.ToDevice(RECT{-3, 2, 5, 9});
    EXPECT_EQ(device.left, -6);
    EXPECT_EQ(device.bottom, 18);
}

// A surface whose every pixel is distinct.
Surface Numbered(int width, int height) {
    Surface surface(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            surface.set(x, y, static_cast<std::uint32_t>(0x10000 * y + x + 1));
        }
    }
    return surface;
}

TEST(DeviceScale, CopyScaledMakesBlocksOfTheAreaOnly) {
    const Surface source = Numbered(7, 5);
    constexpr std::uint32_t kUntouched = 0xDEADBEEF;
    for (const int factor : {1, 2, 3, 4}) {
        // A device surface with a wider pitch than its rows need, the area at its device place.
        const int deviceWidth = 7 * factor;
        const int pitch = deviceWidth + 5;
        std::vector<std::uint32_t> device(static_cast<std::size_t>(pitch) * 5 * factor, kUntouched);
        const RECT area{2, 1, 6, 4};
        std::uint32_t* const corner = device.data() +
                                      static_cast<std::ptrdiff_t>(area.top * factor) * pitch +
                                      area.left * factor;
        CopyScaled(source, area, factor, corner,
                   static_cast<std::ptrdiff_t>(pitch * sizeof(std::uint32_t)));
        for (int y = 0; y < 5 * factor; ++y) {
            for (int x = 0; x < pitch; ++x) {
                const std::uint32_t got =
                    device[static_cast<std::size_t>(y) * static_cast<std::size_t>(pitch) +
                           static_cast<std::size_t>(x)];
                const int lx = x / factor;
                const int ly = y / factor;
                const bool inside = x < deviceWidth && lx >= area.left && lx < area.right &&
                                    ly >= area.top && ly < area.bottom;
                ASSERT_EQ(got, inside ? source.at(lx, ly) : kUntouched)
                    << "factor " << factor << " at " << x << "," << y;
            }
        }
    }
}

}  // namespace
