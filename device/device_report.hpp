// The 65-byte report that goes to the lighting controller, and the fixed bytes of its header.
#pragma once

#include <array>
#include <cstddef>

#include "platform/wintypes.hpp"

inline constexpr std::size_t kReportSize = 65;

// Byte 0 is the report ID (always 0, the controller does not number its reports); bytes 1 to 64
// are the payload. Every field is one byte.
using DeviceReport = std::array<BYTE, kReportSize>;

inline constexpr BYTE kReportMarker = 0x80;  // byte 1 of every report
// Byte 2: what the report is about.
inline constexpr BYTE kTargetVrgbEffect = 0x04;
inline constexpr BYTE kTargetArgbEffect = 0x0B;
inline constexpr BYTE kTargetLedCount = 0x0D;
// Byte 3: a query is answered with one input report; a set is not.
inline constexpr BYTE kDirectionQuery = 0x01;
inline constexpr BYTE kDirectionSet = 0x02;
