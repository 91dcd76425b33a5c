// What `list` prints about one HID interface: its node, IDs and device path, and why it is or is
// not the controller.
#pragma once

#include <cstddef>
#include <string>

#include "device/interface_check.hpp"

namespace ctl {

// Two lines: "<node> <vid>:<pid> <device path>" and, indented, the verdict. `chosen` tells
// whether discovery takes this interface (the first that passes every test).
std::string DescribeInterface(std::size_t index, const InterfaceExamination& examined, bool chosen);

}  // namespace ctl
