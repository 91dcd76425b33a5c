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

ArgbState QueryArgbState(DeviceLink& link) {
    DeviceReport report = BuildArgbStateQuery();
    link.DiscardInput();
    link.WriteReport(report);
    link.ReadReport(report);
    return {report[5], report[9], report[10], report[11]};
}

BYTE QueryLedCount(DeviceLink& link, int currentCount) {
    DeviceReport report = BuildLedCountQuery(currentCount);
    link.DiscardInput();
    link.WriteReport(report);
    link.ReadReport(report);
    return report[4];
}

void SetLedCount(DeviceLink& link, int count) {
    link.SendReport(BuildLedCountSet(count));
}
