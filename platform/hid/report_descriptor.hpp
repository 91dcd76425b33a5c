// Reading a HID report descriptor just far enough to know the interface's top-level collections.
#pragma once

#include <cstdint>
#include <span>

#include "platform/hid/hid_bus.hpp"

namespace hid {

// Walks the items of a report descriptor. A truncated last item ends the walk; what was seen
// before it counts.
Capabilities SummarizeReportDescriptor(std::span<const std::uint8_t> descriptor);

}  // namespace hid
