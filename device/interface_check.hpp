// One step of discovery: what a HID interface is, judged by the controller's identification rules
// (the IDs the enumeration tells, the open, the capabilities, the IDs read from the open handle,
// the path test). Discovery keeps the first interface that passes; the command-line companion's
// `list` shows the verdict of every one.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "platform/hid/hid_bus.hpp"

enum class InterfaceVerdict {
    NoName,        // its device path cannot be found out
    OtherDevice,   // the enumeration tells another vendor or product ID; it is not opened
    CannotOpen,    // opening it failed (openError says why)
    NotUsableHid,  // its capabilities cannot be read
    OtherIds,      // once open, it tells another vendor or product ID
    PathMismatch,  // the controller's IDs, but the path lacks the controller's path text
    Controller,    // passes every test
};

struct InterfaceExamination {
    InterfaceVerdict verdict = InterfaceVerdict::NoName;
    hid::InterfaceName name;              // empty for NoName
    hid::Attributes attributes;           // as read from the handle once open, else as enumerated
    std::string openError;                // for CannotOpen
    std::unique_ptr<hid::Device> device;  // the open handle, kept only for Controller
};

// Examines the interface at a member index; nothing when there is none there. Every handle but the
// controller's is closed again before it returns.
std::optional<InterfaceExamination> ExamineInterface(hid::Bus& bus,
                                                     const hid::InterfaceSet& interfaces,
                                                     std::size_t index);
