// The bus the program talks to. Which one it is (hidapi or the emulated controller) is decided by
// the library the executable is linked with.
#pragma once

#include "platform/hid/hid_bus.hpp"

namespace hid {

Bus& SystemBus();

}  // namespace hid
