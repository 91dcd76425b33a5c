// The simulator's view of the link: every report that crosses it, printed at once as one line.
#pragma once

#include <cstdio>

#include "device/device_link.hpp"

namespace sim {

// A tap that writes "write <hex>" or "read <hex>" and a line feed to `out`, flushed at once, so a
// reader on a pipe sees each report as it happens.
DeviceLink::Tap MakeReportPrinter(std::FILE* out);

}  // namespace sim
