// The five reports the program sends, built in a fresh zeroed buffer each time.
#pragma once

#include "device/device_report.hpp"

// ARGB effect set: 80 0B 02 0F, then mode, 00, parameter, 03, red, green, blue.
DeviceReport BuildArgbEffectReport(int effect, int colorPreset, int red, int green, int blue);
// VRGB effect set: 80 04 02, then mode, 00, parameter, 03, red, green, blue.
DeviceReport BuildVrgbEffectReport(int effect, int colorPreset, int red, int green, int blue);
// ARGB state query: 80 0B 01 0F, mode byte 0, then 03 in byte 8.
DeviceReport BuildArgbStateQuery();
// LED count query and set: 80 0D 01/02, then the low 8 bits of the count.
DeviceReport BuildLedCountQuery(int currentCount);
DeviceReport BuildLedCountSet(int count);
