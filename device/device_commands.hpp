// The five things the program asks of the controller. Each builds one report in a fresh buffer
// and sends it through the link; a query then reads the answer into the same buffer. The three
// commands that change the controller find a lost controller again before they write
// (DeviceLink::SendReport); the queries, which follow a discovery, use the link as it is.
#pragma once

#include <optional>

#include "device/device_link.hpp"
#include "device/message_sink.hpp"
#include "device/ui_language.hpp"

struct ArgbState {
    BYTE mode = 0;
    BYTE red = 0;
    BYTE green = 0;
    BYTE blue = 0;
    friend bool operator==(const ArgbState&, const ArgbState&) = default;
};

// Sends the effect and colour to the ARGB channel; an effect outside 1 to 24 goes as mode 0.
void ApplyArgbEffect(DeviceLink& link, int effect, int colorPreset, int red, int green, int blue);

// Sends the effect and colour to the VRGB channel. For an effect the VRGB channel does not have,
// it asks the user to choose one (in `language`) and sends nothing.
void ApplyVrgbEffect(DeviceLink& link, MessageSink& messages, int effect, int colorPreset, int red,
                     int green, int blue, UiLanguage language);

// The ARGB mode and colour the controller holds (bytes 5, 9, 10, 11 of its answer). Without an
// answer, what was written: mode 0 and colour 0, 0, 0.
ArgbState QueryArgbState(DeviceLink& link);
// The same query; nothing when no answer came within the read limit.
std::optional<ArgbState> TryQueryArgbState(DeviceLink& link);

// The LED count the controller holds (byte 4 of its answer). Without an answer, the count sent.
BYTE QueryLedCount(DeviceLink& link, int currentCount);
// The same query; nothing when no answer came within the read limit.
std::optional<BYTE> TryQueryLedCount(DeviceLink& link, int currentCount);

void SetLedCount(DeviceLink& link, int count);
