// The real HID bus, through hidapi (the hidraw backend on Linux).
#pragma once

#include <filesystem>

#include "platform/hid/hid_bus.hpp"

namespace hid {

class HidapiBus final : public Bus {
  public:
    // `sysfsRoot` is where the hidraw nodes are described (normally /sys).
    explicit HidapiBus(std::filesystem::path sysfsRoot = "/sys");
    ~HidapiBus() override;
    HidapiBus(const HidapiBus&) = delete;
    HidapiBus& operator=(const HidapiBus&) = delete;

    std::unique_ptr<InterfaceSet> snapshot() override;
    OpenResult open(const std::string& node) override;

  private:
    std::filesystem::path sysfsRoot_;
    bool initialized_ = false;
};

}  // namespace hid
