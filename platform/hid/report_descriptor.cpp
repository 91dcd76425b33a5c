#include "platform/hid/report_descriptor.hpp"

#include <cstddef>

namespace hid {
namespace {

constexpr std::uint8_t kLongItemPrefix = 0xFE;
constexpr unsigned kTypeMain = 0;
constexpr unsigned kTypeGlobal = 1;
constexpr unsigned kTypeLocal = 2;
constexpr unsigned kTagCollection = 0xA;
constexpr unsigned kTagEndCollection = 0xC;
constexpr unsigned kTagUsagePage = 0x0;
constexpr unsigned kTagUsage = 0x0;
constexpr std::uint32_t kApplicationCollection = 0x01;

std::uint32_t LittleEndian(std::span<const std::uint8_t> bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = bytes.size(); i > 0; --i) value = (value << 8) | bytes[i - 1];
    return value;
}

}  // namespace

Capabilities SummarizeReportDescriptor(std::span<const std::uint8_t> descriptor) {
    Capabilities caps;
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    int depth = 0;
    std::size_t pos = 0;
    while (pos < descriptor.size()) {
        const std::uint8_t prefix = descriptor[pos];
        if (prefix == kLongItemPrefix) {
            if (pos + 1 >= descriptor.size()) break;
            pos += 3 + descriptor[pos + 1];
            continue;
        }
        const std::size_t size = (prefix & 0x3) == 3 ? 4 : (prefix & 0x3);
        if (pos + 1 + size > descriptor.size()) break;
        const unsigned type = (prefix >> 2) & 0x3;
        const unsigned tag = (prefix >> 4) & 0xF;
        const std::uint32_t data = LittleEndian(descriptor.subspan(pos + 1, size));
        pos += 1 + size;

        if (type == kTypeGlobal && tag == kTagUsagePage) {
            usagePage = static_cast<std::uint16_t>(data);
        } else if (type == kTypeLocal && tag == kTagUsage) {
            usage = static_cast<std::uint16_t>(data);
        } else if (type == kTypeMain && tag == kTagCollection) {
            if (depth == 0 && data == kApplicationCollection) {
                if (caps.topLevelCollections == 0) {
                    caps.usagePage = usagePage;
                    caps.usage = usage;
                }
                ++caps.topLevelCollections;
            }
            ++depth;
        } else if (type == kTypeMain && tag == kTagEndCollection) {
            if (depth > 0) --depth;
        }
    }
    return caps;
}

}  // namespace hid
