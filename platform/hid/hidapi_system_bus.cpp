#include "platform/hid/hidapi_bus.hpp"
#include "platform/hid/system_bus.hpp"

namespace hid {

Bus& SystemBus() {
    static HidapiBus bus;
    return bus;
}

}  // namespace hid
