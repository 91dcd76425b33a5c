#include "device/report_builders.hpp"

#include <cstddef>

#include "device/color_presets.hpp"
#include "device/effect_table.hpp"

namespace {

constexpr BYTE kArgbZone = 0x0F;
constexpr BYTE kBlockEnd = 0x03;

DeviceReport Header(BYTE target, BYTE direction) {
    DeviceReport report{};
    report[1] = kReportMarker;
    report[2] = target;
    report[3] = direction;
    return report;
}

// The effect block both channels share: mode, 0x00, parameter, 0x03, red, green, blue.
void StoreEffectBlock(DeviceReport& report, std::size_t at, BYTE mode, BYTE parameter,
                      const ReportColor& color) {
    report[at] = mode;
    report[at + 2] = parameter;
    report[at + 3] = kBlockEnd;
    report[at + 4] = color.red;
    report[at + 5] = color.green;
    report[at + 6] = color.blue;
}

}  // namespace

DeviceReport BuildArgbEffectReport(int effect, int colorPreset, int red, int green, int blue) {
    DeviceReport report = Header(kTargetArgbEffect, kDirectionSet);
    report[4] = kArgbZone;
    const BYTE mode = ArgbMode(effect);
    StoreEffectBlock(report, 5, mode, ArgbParameter(mode),
                     PresetColor(colorPreset, red, green, blue));
    return report;
}

DeviceReport BuildVrgbEffectReport(int effect, int colorPreset, int red, int green, int blue) {
    DeviceReport report = Header(kTargetVrgbEffect, kDirectionSet);
    const BYTE mode = VrgbMode(effect);
    StoreEffectBlock(report, 4, mode, VrgbParameter(mode),
                     PresetColor(colorPreset, red, green, blue));
    return report;
}

DeviceReport BuildArgbStateQuery() {
    DeviceReport report = Header(kTargetArgbEffect, kDirectionQuery);
    report[4] = kArgbZone;
    report[8] = kBlockEnd;
    return report;
}

DeviceReport BuildLedCountQuery(int currentCount) {
    DeviceReport report = Header(kTargetLedCount, kDirectionQuery);
    report[4] = static_cast<BYTE>(currentCount & 0xFF);
    return report;
}

DeviceReport BuildLedCountSet(int count) {
    DeviceReport report = Header(kTargetLedCount, kDirectionSet);
    report[4] = static_cast<BYTE>(count & 0xFF);
    return report;
}
