// The HID bus: the machine's HID interfaces as the controller link sees them. The steps follow the
// order in which the link examines an interface: enumerate it at a member index, get its device
// path, open it, read its attributes and capabilities, then write and read reports.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace hid {

struct Attributes {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t version = 0;
};

// What the interface's report descriptor declares: the usage of its first top-level collection and
// how many top-level application collections it has.
struct Capabilities {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    int topLevelCollections = 0;
};

// An open HID interface. Closing is destruction.
class Device {
  public:
    virtual ~Device() = default;

    // Vendor and product ID, zero when they cannot be read.
    virtual Attributes attributes() = 0;
    // Empty when the interface is not a usable HID device.
    virtual std::optional<Capabilities> capabilities() = 0;
    // Writes one output report; byte 0 is the report ID. False when the write failed.
    virtual bool write(std::span<const std::uint8_t> report) = 0;
    // Reads one input report (without a report-ID byte when the device does not number its
    // reports) into `into`, waiting at most `limit`. Returns the number of bytes stored, 0 when
    // nothing came in time, -1 on an error (for example the device is gone).
    virtual int read(std::span<std::uint8_t> into, std::chrono::milliseconds limit) = 0;
    // Drops every input report already queued for this handle.
    virtual void discardInput() = 0;
};

// The two names of an interface: the one its identity is tested on (the Windows form
// "\\?\hid#vid_…&pid_…#…") and the one it is opened by (the hidraw node on Linux).
struct InterfaceName {
    std::string devicePath;
    std::string node;
    // Vendor and product ID as the enumeration already tells them, before any open; empty when it
    // does not.
    std::optional<Attributes> enumerated;
};

// The interfaces present when the set was made; lives for one discovery.
class InterfaceSet {
  public:
    virtual ~InterfaceSet() = default;

    // False when there is no interface at this member index (the end of the list, or a gap).
    virtual bool exists(std::size_t index) const = 0;
    // The names of the interface at this index; empty when they cannot be found out.
    virtual std::optional<InterfaceName> devicePath(std::size_t index) const = 0;
};

struct OpenResult {
    std::unique_ptr<Device> device;  // null when the open failed
    std::string error;               // why it failed, for example "Permission denied"
};

class Bus {
  public:
    virtual ~Bus() = default;

    virtual std::unique_ptr<InterfaceSet> snapshot() = 0;
    // Opens an interface for reading and writing by its node name.
    virtual OpenResult open(const std::string& node) = 0;
};

}  // namespace hid
