// The link to the lighting controller: finds it among the machine's HID interfaces, keeps it
// open, and carries the 65-byte reports to and from it.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "device/device_report.hpp"
#include "platform/hid/hid_bus.hpp"

inline constexpr std::uint16_t kControllerVendorId = 0x1A2C;
inline constexpr std::uint16_t kControllerProductId = 0x1507;
inline constexpr std::string_view kControllerPathText = "hid#vid_1a2c&pid_1507#";
inline constexpr std::size_t kMaxExaminedInterfaces = 128;  // member indices 0 to 127
// How long a read waits for the controller's answer.
inline constexpr std::chrono::milliseconds kReadLimit{500};

// The case-sensitive path test: the text may stand anywhere in the device path.
bool PathNamesController(std::string_view devicePath);

enum class ReportDirection { Write, Read };

// "write " or "read " followed by the 65 bytes as 130 lowercase hex digits.
std::string FormatReportLine(ReportDirection direction, const DeviceReport& report);

// An interface that discovery could not open, and why.
struct OpenFailure {
    std::string devicePath;
    std::string node;
    std::string reason;
};

class DeviceLink {
  public:
    // Sees every report that crosses the link: each write the controller accepted, and the buffer
    // after each read that brought an input report.
    using Tap = std::function<void(ReportDirection, const DeviceReport&)>;

    explicit DeviceLink(hid::Bus& bus);

    // Examines member indices 0 to 127 in order; the first interface that opens, is a usable HID
    // device, has the controller's vendor and product ID and passes the path test is kept open.
    // An interface whose enumerated vendor and product ID are another device's is not opened.
    // An interface whose capabilities cannot be read is closed and the search goes on.
    void FindController();

    // The open controller, or null when there is none (the link's INVALID_HANDLE_VALUE).
    hid::Device* deviceHandle() const { return device_.get(); }

    // Whether the controller must be looked for again: none was found, or a write or read on it
    // failed with an error (it was unplugged, or came back under another node after a resume).
    // A read that only timed out does not count.
    bool lost() const { return !device_ || ioFailed_; }
    // Runs discovery again, silently, when the controller is lost; else does nothing.
    void RediscoverIfLost();

    // The node the open controller was opened by ("/dev/hidraw3"); empty when there is none.
    const std::string& controllerNode() const { return node_; }

    // Writes the 65 bytes; true when the controller took them. A failure marks the controller
    // lost; the window ignores it.
    bool WriteReport(const DeviceReport& report);
    // What the commands that change the controller use: finds a lost controller again first, and
    // when the write fails with an error, looks once more and sends the report to the controller
    // found then. While the controller works this is WriteReport. True when a controller took
    // the report.
    bool SendReport(const DeviceReport& report);
    // Reads the controller's next input report into bytes 1 to 64, waiting at most kReadLimit.
    // When nothing comes, the buffer keeps what it held and the result is false.
    bool ReadReport(DeviceReport& report);
    // Drops input reports that are queued but were never asked for.
    void DiscardInput();

    void SetTap(Tap tap) { tap_ = std::move(tap); }
    // The tap every link made from now on starts with; the simulator sets it before the main
    // window (and its link) exists.
    static void SetDefaultTap(Tap tap);

    // Interfaces the last discovery could not open, in enumeration order.
    const std::vector<OpenFailure>& openFailures() const { return openFailures_; }

  private:
    hid::Bus& bus_;
    std::unique_ptr<hid::Device> device_;
    std::string node_;
    std::vector<OpenFailure> openFailures_;
    bool ioFailed_ = false;
    Tap tap_;
};
