#include "platform/hid/hidapi_bus.hpp"

#include <hidapi.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/hid/report_descriptor.hpp"
#include "platform/hid/windows_name.hpp"

namespace hid {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHidrawPrefix = "/dev/hidraw";
// Enough to empty any input queue; a device that keeps sending faster than this is read does
// not keep the link busy for ever.
constexpr int kMaxDiscardedReports = 1024;

std::string Narrow(const wchar_t* text) {
    std::string out;
    if (text == nullptr) return out;
    for (; *text != L'\0'; ++text) {
        out += (*text >= 0x20 && *text < 0x7F) ? static_cast<char>(*text) : '?';
    }
    return out;
}

struct HidapiEntry {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
};

class HidapiInterfaceSet final : public InterfaceSet {
  public:
    HidapiInterfaceSet(std::vector<HidapiEntry> entries, fs::path sysfsRoot)
        : entries_(std::move(entries)), sysfsRoot_(std::move(sysfsRoot)) {}

    bool exists(std::size_t index) const override { return index < entries_.size(); }

    std::optional<InterfaceName> devicePath(std::size_t index) const override {
        if (!exists(index)) return std::nullopt;
        const HidapiEntry& entry = entries_[index];
        // Where hidapi already names interfaces the Windows way, that name is tested as it is.
        const Attributes ids{entry.vendorId, entry.productId, 0};
        if (!entry.path.starts_with(kHidrawPrefix)) {
            return InterfaceName{entry.path, entry.path, ids};
        }
        auto name = WindowsInterfaceName(sysfsRoot_, entry.path, entry.vendorId, entry.productId);
        if (!name) return std::nullopt;
        return InterfaceName{std::move(*name), entry.path, ids};
    }

  private:
    std::vector<HidapiEntry> entries_;
    fs::path sysfsRoot_;
};

struct HidCloser {
    void operator()(hid_device* device) const { hid_close(device); }
};
using HidHandle = std::unique_ptr<hid_device, HidCloser>;

class HidapiDevice final : public Device {
  public:
    HidapiDevice(HidHandle handle, std::string node, fs::path sysfsRoot)
        : handle_(std::move(handle)), node_(std::move(node)), sysfsRoot_(std::move(sysfsRoot)) {}

    Attributes attributes() override {
        const hid_device_info* info = hid_get_device_info(handle_.get());
        if (info == nullptr) return {};
        return {info->vendor_id, info->product_id, info->release_number};
    }

    std::optional<Capabilities> capabilities() override {
        const auto descriptor = ReadReportDescriptor(sysfsRoot_, node_);
        if (!descriptor) return std::nullopt;
        return SummarizeReportDescriptor(*descriptor);
    }

    bool write(std::span<const std::uint8_t> report) override {
        return hid_write(handle_.get(), report.data(), report.size()) ==
               static_cast<int>(report.size());
    }

    int read(std::span<std::uint8_t> into, std::chrono::milliseconds limit) override {
        return hid_read_timeout(handle_.get(), into.data(), into.size(),
                                static_cast<int>(limit.count()));
    }

    void discardInput() override {
        std::array<std::uint8_t, 256> scratch{};
        for (int i = 0; i < kMaxDiscardedReports; ++i) {
            if (hid_read_timeout(handle_.get(), scratch.data(), scratch.size(), 0) <= 0) return;
        }
    }

  private:
    HidHandle handle_;
    std::string node_;
    fs::path sysfsRoot_;
};

}  // namespace

HidapiBus::HidapiBus(fs::path sysfsRoot)
    : sysfsRoot_(std::move(sysfsRoot)), initialized_(hid_init() == 0) {}

HidapiBus::~HidapiBus() {
    if (initialized_) hid_exit();
}

std::unique_ptr<InterfaceSet> HidapiBus::snapshot() {
    std::vector<HidapiEntry> entries;
    if (initialized_) {
        hid_device_info* list = hid_enumerate(0, 0);
        for (const hid_device_info* info = list; info != nullptr; info = info->next) {
            entries.push_back(
                {info->path != nullptr ? info->path : "", info->vendor_id, info->product_id});
        }
        hid_free_enumeration(list);
    }
    return std::make_unique<HidapiInterfaceSet>(std::move(entries), sysfsRoot_);
}

OpenResult HidapiBus::open(const std::string& node) {
    if (!initialized_) return {nullptr, "the HID library could not be initialised"};
    errno = 0;
    HidHandle handle(hid_open_path(node.c_str()));
    const int openErrno = errno;
    if (!handle) {
        std::string reason = openErrno != 0 ? std::strerror(openErrno) : Narrow(hid_error(nullptr));
        if (reason.empty()) reason = "cannot be opened";
        return {nullptr, std::move(reason)};
    }
    return {std::make_unique<HidapiDevice>(std::move(handle), node, sysfsRoot_), {}};
}

}  // namespace hid
