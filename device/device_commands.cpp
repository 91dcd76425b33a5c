#include "device/device_commands.hpp"

#include "device/effect_table.hpp"
#include "device/report_builders.hpp"

void ApplyArgbEffect(DeviceLink& link, int effect, int colorPreset, int red, int green, int blue) {
    link.SendReport(BuildArgbEffectReport(effect, colorPreset, red, green, blue));
}

void ApplyVrgbEffect(DeviceLink& link, MessageSink& messages, int effect, int colorPreset, int red,
                     int green, int blue, UiLanguage language) {
    if (VrgbMode(effect) == 0) {
        // Mode 0 is no effect of this channel: the user was just asked to choose one.
        if (const auto text = SelectEffectText(language)) messages.ShowMessage(*text);
        return;
    }
    link.SendReport(BuildVrgbEffectReport(effect, colorPreset, red, green, blue));
}

namespace {

// Writes the query and reads its answer into the same buffer; false when no answer came.
bool Ask(DeviceLink& link, DeviceReport& report) {
    link.DiscardInput();
    link.WriteReport(report);
    return link.ReadReport(report);
}

}  // namespace

std::optional<ArgbState> TryQueryArgbState(DeviceLink& link) {
    DeviceReport report = BuildArgbStateQuery();
    if (!Ask(link, report)) return std::nullopt;
    return ArgbState{report[5], report[9], report[10], report[11]};
}

// Without an answer the buffer keeps the query: mode 0 and colour 0, 0, 0.
ArgbState QueryArgbState(DeviceLink& link) {
    return TryQueryArgbState(link).value_or(ArgbState{});
}

std::optional<BYTE> TryQueryLedCount(DeviceLink& link, int currentCount) {
    DeviceReport report = BuildLedCountQuery(currentCount);
    if (!Ask(link, report)) return std::nullopt;
    return report[4];
}

// Without an answer the buffer keeps the query, which carries the low 8 bits of the count.
BYTE QueryLedCount(DeviceLink& link, int currentCount) {
    return TryQueryLedCount(link, currentCount).value_or(BuildLedCountQuery(currentCount)[4]);
}

void SetLedCount(DeviceLink& link, int count) {
    link.SendReport(BuildLedCountSet(count));
}
