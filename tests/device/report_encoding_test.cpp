// The bytes of every report, checked against the controller's tables as written out here.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>

#include "device/device_link.hpp"
#include "device/effect_table.hpp"
#include "device/report_builders.hpp"

namespace {

// A full report from its leading bytes; everything after them is 0.
DeviceReport Bytes(std::initializer_list<int> leading) {
    DeviceReport report{};
    std::size_t i = 0;
    for (const int value : leading) report[i++] = static_cast<BYTE>(value);
    return report;
}

struct EffectRow {
    int effect;
    const wchar_t* label;
    int argbMode;
    int vrgbMode;  // 0: the VRGB channel has no such effect
    int parameter;
};

// The controller's effect table.
constexpr std::array<EffectRow, 24> kEffectTable{{
    {1, L"ColorBreathe", 7, 2, 1}, {2, L"Rainbow", 1, 1, 0},     {3, L"Breathe", 8, 3, 1},
    {4, L"Off", 10, 7, 0},         {5, L"TwoBlink", 24, 6, 5},   {6, L"Blink", 12, 5, 2},
    {7, L"Static", 9, 4, 0},       {8, L"Vespane", 2, 0, 3},     {9, L"Sakura", 21, 0, 0},
    {10, L"Emergency", 22, 0, 4},  {11, L"Laser", 23, 0, 4},     {12, L"Marquee", 4, 0, 1},
    {13, L"Twinking", 5, 0, 1},    {14, L"ColorCycle", 6, 0, 7}, {15, L"Meteor", 3, 0, 0},
    {16, L"BlackHole", 20, 0, 1},  {17, L"Aqua", 13, 0, 1},      {18, L"Flare", 14, 0, 1},
    {19, L"Forest", 15, 0, 1},     {20, L"Stary", 16, 0, 4},     {21, L"FireWork", 17, 0, 6},
    {22, L"Lava", 18, 0, 4},       {23, L"Tetris", 19, 0, 5},    {24, L"CenterMeteor", 11, 0, 1},
}};

struct PresetRow {
    int preset;
    int red, green, blue;
};

// The colours the presets send.
constexpr std::array<PresetRow, 8> kPresetTable{{
    {1, 255, 255, 255},
    {2, 255, 0, 0},
    {3, 255, 49, 0},
    {4, 255, 200, 0},
    {5, 0, 255, 0},
    {6, 0, 0, 255},
    {7, 254, 27, 46},
    {8, 128, 0, 128},
}};

TEST(DeviceReportExamples, WorkedExamples) {
    EXPECT_EQ(BuildArgbEffectReport(1, 2, 0, 0, 0),
              Bytes({0x00, 0x80, 0x0B, 0x02, 0x0F, 0x07, 0x00, 0x01, 0x03, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(BuildVrgbEffectReport(5, 0, 61, 69, 255),
              Bytes({0x00, 0x80, 0x04, 0x02, 0x06, 0x00, 0x05, 0x03, 0x3D, 0x45, 0xFF}));
    EXPECT_EQ(BuildVrgbEffectReport(8, 1, 0, 0, 0),
              Bytes({0x00, 0x80, 0x04, 0x02, 0x00, 0x00, 0x00, 0x03, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(BuildArgbStateQuery(), Bytes({0x00, 0x80, 0x0B, 0x01, 0x0F, 0x00, 0x00, 0x00, 0x03}));
    EXPECT_EQ(BuildLedCountQuery(0), Bytes({0x00, 0x80, 0x0D, 0x01, 0x00}));
    EXPECT_EQ(BuildLedCountSet(8), Bytes({0x00, 0x80, 0x0D, 0x02, 0x08}));
}

TEST(DeviceReportExamples, StartUpEffectOnArgbSendsVespaneWithSliderColour) {
    EXPECT_EQ(BuildArgbEffectReport(8, 0, 10, 20, 30),
              Bytes({0x00, 0x80, 0x0B, 0x02, 0x0F, 0x02, 0x00, 0x03, 0x03, 10, 20, 30}));
}

TEST(DeviceReportExamples, BreatheWithPresetFiveOnBothChannels) {
    EXPECT_EQ(BuildArgbEffectReport(3, 5, 1, 2, 3),
              Bytes({0x00, 0x80, 0x0B, 0x02, 0x0F, 0x08, 0x00, 0x01, 0x03, 0x00, 0xFF, 0x00}));
    EXPECT_EQ(BuildVrgbEffectReport(3, 5, 1, 2, 3),
              Bytes({0x00, 0x80, 0x04, 0x02, 0x03, 0x00, 0x01, 0x03, 0x00, 0xFF, 0x00}));
}

TEST(DeviceReportEffects, EveryEffectOnTheArgbChannel) {
    for (const EffectRow& row : kEffectTable) {
        SCOPED_TRACE(row.effect);
        EXPECT_EQ(BuildArgbEffectReport(row.effect, 0, 1, 2, 3),
                  Bytes({0x00, 0x80, 0x0B, 0x02, 0x0F, row.argbMode, 0x00, row.parameter, 0x03, 1,
                         2, 3}));
        EXPECT_EQ(EffectLabel(row.effect), row.label);
        // What the controller reports back as its mode names the effect again.
        EXPECT_EQ(EffectOfArgbMode(row.argbMode), row.effect);
    }
}

TEST(DeviceReportEffects, EveryEffectOnTheVrgbChannel) {
    for (const EffectRow& row : kEffectTable) {
        SCOPED_TRACE(row.effect);
        // Effects the VRGB channel lacks go as mode 0 with parameter 0.
        const int parameter = row.vrgbMode == 0 ? 0 : row.parameter;
        EXPECT_EQ(BuildVrgbEffectReport(row.effect, 0, 1, 2, 3),
                  Bytes({0x00, 0x80, 0x04, 0x02, row.vrgbMode, 0x00, parameter, 0x03, 1, 2, 3}));
    }
}

TEST(DeviceReportEffects, EffectsOutsideTheTableGoAsModeZero) {
    for (const int effect : {0, -1, 25, 1000}) {
        SCOPED_TRACE(effect);
        EXPECT_EQ(BuildArgbEffectReport(effect, 1, 0, 0, 0),
                  Bytes({0x00, 0x80, 0x0B, 0x02, 0x0F, 0x00, 0x00, 0x00, 0x03, 0xFF, 0xFF, 0xFF}));
        EXPECT_EQ(BuildVrgbEffectReport(effect, 1, 0, 0, 0),
                  Bytes({0x00, 0x80, 0x04, 0x02, 0x00, 0x00, 0x00, 0x03, 0xFF, 0xFF, 0xFF}));
        EXPECT_TRUE(EffectLabel(effect).empty());
    }
    for (const int mode : {0, 25, 255}) EXPECT_EQ(EffectOfArgbMode(static_cast<BYTE>(mode)), 0);
}

TEST(DeviceReportEffects, ParameterFollowsTheModeOnEachChannel) {
    // Per mode, as the controller defines it.
    const std::array<int, 25> argb{0, 0, 3, 0, 1, 1, 7, 1, 1, 0, 0, 1, 2,
                                   1, 1, 1, 4, 6, 4, 5, 1, 0, 4, 4, 5};
    const std::array<int, 8> vrgb{0, 0, 1, 1, 0, 2, 5, 0};
    for (int mode = 0; mode < 25; ++mode) {
        EXPECT_EQ(ArgbParameter(static_cast<BYTE>(mode)), argb[static_cast<std::size_t>(mode)])
            << mode;
    }
    for (int mode = 0; mode < 8; ++mode) {
        EXPECT_EQ(VrgbParameter(static_cast<BYTE>(mode)), vrgb[static_cast<std::size_t>(mode)])
            << mode;
    }
}

TEST(DeviceReportColours, EveryPresetOnBothChannels) {
    for (const PresetRow& row : kPresetTable) {
        SCOPED_TRACE(row.preset);
        // The slider positions must not leak into a preset colour.
        EXPECT_EQ(BuildArgbEffectReport(7, row.preset, 9, 9, 9),
                  Bytes({0x00, 0x80, 0x0B, 0x02, 0x0F, 9, 0x00, 0x00, 0x03, row.red, row.green,
                         row.blue}));
        EXPECT_EQ(
            BuildVrgbEffectReport(7, row.preset, 9, 9, 9),
            Bytes({0x00, 0x80, 0x04, 0x02, 4, 0x00, 0x00, 0x03, row.red, row.green, row.blue}));
    }
}

TEST(DeviceReportColours, CustomColourTakesTheLowByteOfEachSlider) {
    EXPECT_EQ(BuildArgbEffectReport(2, 0, 0, 128, 255),
              Bytes({0x00, 0x80, 0x0B, 0x02, 0x0F, 1, 0x00, 0x00, 0x03, 0, 128, 255}));
    EXPECT_EQ(BuildVrgbEffectReport(2, 0, 256 + 5, -1, 511),
              Bytes({0x00, 0x80, 0x04, 0x02, 1, 0x00, 0x00, 0x03, 5, 0xFF, 0xFF}));
}

TEST(DeviceReportColours, UnknownPresetSendsBlack) {
    for (const int preset : {9, -1, 100}) {
        EXPECT_EQ(BuildArgbEffectReport(1, preset, 50, 60, 70),
                  Bytes({0x00, 0x80, 0x0B, 0x02, 0x0F, 7, 0x00, 1, 0x03, 0, 0, 0}))
            << preset;
    }
}

TEST(DeviceReportLedCount, CountIsTheLowByteOfTheValueGiven) {
    EXPECT_EQ(BuildLedCountQuery(64), Bytes({0x00, 0x80, 0x0D, 0x01, 64}));
    EXPECT_EQ(BuildLedCountQuery(0x1FF), Bytes({0x00, 0x80, 0x0D, 0x01, 0xFF}));
    EXPECT_EQ(BuildLedCountSet(4), Bytes({0x00, 0x80, 0x0D, 0x02, 4}));
    EXPECT_EQ(BuildLedCountSet(300), Bytes({0x00, 0x80, 0x0D, 0x02, 44}));
}

TEST(DeviceReportLine, WriteAndReadLinesCarry130LowercaseHexDigits) {
    const std::string write = FormatReportLine(ReportDirection::Write, BuildLedCountSet(0xAB));
    EXPECT_EQ(write, "write 00800d02ab" + std::string(120, '0'));
    DeviceReport answer{};
    answer.fill(0xFE);
    const std::string read = FormatReportLine(ReportDirection::Read, answer);
    EXPECT_EQ(read.size(), 5u + 130u);
    EXPECT_EQ(read.substr(0, 9), "read fefe");
}

TEST(DeviceReportLine, PathTestIsCaseSensitiveAndNeedsTheNumberSign) {
    EXPECT_TRUE(PathNamesController("\\\\?\\hid#vid_1a2c&pid_1507#7&abc#{guid}"));
    EXPECT_FALSE(PathNamesController("\\\\?\\HID#VID_1A2C&PID_1507#7&abc#{guid}"));
    EXPECT_FALSE(PathNamesController("\\\\?\\hid#vid_1a2c&pid_1507&mi_00#7&abc#{guid}"));
    EXPECT_FALSE(PathNamesController("/dev/hidraw0"));
}

}  // namespace
