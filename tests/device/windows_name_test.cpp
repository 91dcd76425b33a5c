// The Windows form of a hidraw node's name, built from a made-up sysfs tree, and the collection
// count it relies on.
#include "platform/hid/windows_name.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "device/device_link.hpp"
#include "platform/hid/report_descriptor.hpp"

namespace {

namespace fs = std::filesystem;

using Descriptor = std::vector<std::uint8_t>;

const std::string kGuid = "#{4d1e55b2-f16f-11cf-88cb-001111000030}";

// Usage page 0xFF00, usage 1, one application collection with a 64-byte input and output report.
const Descriptor kVendorDescriptor{0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x15, 0x00,
                                   0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x40, 0x09, 0x01,
                                   0x81, 0x02, 0x09, 0x01, 0x91, 0x02, 0xC0};
// A keyboard collection followed by a consumer-control collection.
const Descriptor kTwoCollections{0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x05, 0x07, 0x81, 0x02, 0xC0,
                                 0x05, 0x0C, 0x09, 0x01, 0xA1, 0x01, 0x09, 0xE9, 0x81, 0x02, 0xC0};

// A sysfs tree under a fresh temporary directory, removed again at the end of the test.
class FakeSysfs {
  public:
    FakeSysfs() {
        std::random_device seed;
        root_ = fs::temp_directory_path() / ("vr-sysfs-" + std::to_string(seed()));
        fs::create_directories(root_ / "class" / "hidraw");
    }
    ~FakeSysfs() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    FakeSysfs(const FakeSysfs&) = delete;
    FakeSysfs& operator=(const FakeSysfs&) = delete;

    const fs::path& root() const { return root_; }

    // A hidraw node of a USB HID interface: the USB device with its interface count, the USB
    // interface with its number, the HID device with its report descriptor.
    void addUsbNode(const std::string& node, int interfaceCount, int interfaceNumber,
                    const Descriptor& descriptor) {
        const fs::path usbDevice = root_ / "devices" / ("usb-" + node);
        const fs::path usbInterface = usbDevice / ("1-1:1." + std::to_string(interfaceNumber));
        write(usbDevice / "bNumInterfaces", " " + std::to_string(interfaceCount) + "\n");
        char number[8];
        std::snprintf(number, sizeof number, "%02x\n", interfaceNumber);
        write(usbInterface / "bInterfaceNumber", number);
        addHidDevice(node, usbInterface / "0003:1A2C:1507.0001", descriptor);
    }

    // A hidraw node whose HID device does not sit on USB (Bluetooth, I2C).
    void addOtherNode(const std::string& node, const Descriptor& descriptor) {
        addHidDevice(node, root_ / "devices" / "virtual" / ("0005:1A2C:1507." + node), descriptor);
    }

  private:
    void addHidDevice(const std::string& node, const fs::path& hidDevice,
                      const Descriptor& descriptor) {
        fs::create_directories(hidDevice);
        std::ofstream out(hidDevice / "report_descriptor", std::ios::binary);
        out.write(reinterpret_cast<const char*>(descriptor.data()),
                  static_cast<std::streamsize>(descriptor.size()));
        const fs::path link = root_ / "class" / "hidraw" / node;
        fs::create_directories(link);
        fs::create_directory_symlink(hidDevice, link / "device");
    }

    static void write(const fs::path& file, const std::string& text) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << text;
    }

    fs::path root_;
};

TEST(HidReportDescriptor, CountsTopLevelApplicationCollections) {
    const hid::Capabilities vendor = hid::SummarizeReportDescriptor(kVendorDescriptor);
    EXPECT_EQ(vendor.topLevelCollections, 1);
    EXPECT_EQ(vendor.usagePage, 0xFF00);
    EXPECT_EQ(vendor.usage, 0x01);

    const hid::Capabilities two = hid::SummarizeReportDescriptor(kTwoCollections);
    EXPECT_EQ(two.topLevelCollections, 2);
    EXPECT_EQ(two.usagePage, 0x01);
    EXPECT_EQ(two.usage, 0x06);

    // Nested collections and a long item do not count.
    const Descriptor nested{0xFE, 0x02, 0x10, 0xAA, 0xBB, 0x05, 0x01, 0x09, 0x02,
                            0xA1, 0x01, 0xA1, 0x00, 0xA1, 0x01, 0xC0, 0xC0, 0xC0};
    EXPECT_EQ(hid::SummarizeReportDescriptor(nested).topLevelCollections, 1);
}

TEST(HidReportDescriptor, TruncatedOrEmptyDescriptorIsSafe) {
    EXPECT_EQ(hid::SummarizeReportDescriptor({}).topLevelCollections, 0);
    const Descriptor truncated{0xA1, 0x01, 0xC0, 0x06, 0x00};
    EXPECT_EQ(hid::SummarizeReportDescriptor(truncated).topLevelCollections, 1);
    const Descriptor longItemCut{0xFE, 0xFF, 0x10};
    EXPECT_EQ(hid::SummarizeReportDescriptor(longItemCut).topLevelCollections, 0);
    // An end without a start does not make the next collection look nested.
    const Descriptor unbalanced{0xC0, 0xC0, 0xA1, 0x01, 0xC0, 0xA1, 0x01, 0xC0};
    EXPECT_EQ(hid::SummarizeReportDescriptor(unbalanced).topLevelCollections, 2);
}

// The Windows-form name of a node with the controller's vendor and product ID; empty: none.
std::string ControllerName(const FakeSysfs& sysfs, const std::string& node) {
    return hid::WindowsInterfaceName(sysfs.root(), node, 0x1A2C, 0x1507).value_or("");
}

TEST(HidWindowsName, SingleInterfaceControllerPassesThePathTest) {
    FakeSysfs sysfs;
    sysfs.addUsbNode("hidraw0", 1, 0, kVendorDescriptor);
    const std::string name = ControllerName(sysfs, "/dev/hidraw0");
    EXPECT_EQ(name, "\\\\?\\hid#vid_1a2c&pid_1507#hidraw0" + kGuid);
    EXPECT_TRUE(PathNamesController(name));
}

TEST(HidWindowsName, InterfaceNumberOnlyWhenTheDeviceHasSeveral) {
    FakeSysfs sysfs;
    sysfs.addUsbNode("hidraw1", 2, 1, kVendorDescriptor);
    sysfs.addUsbNode("hidraw2", 1, 1, kVendorDescriptor);
    const std::string several = ControllerName(sysfs, "hidraw1");
    EXPECT_EQ(several, "\\\\?\\hid#vid_1a2c&pid_1507&mi_01#hidraw1" + kGuid);
    EXPECT_FALSE(PathNamesController(several));
    EXPECT_EQ(ControllerName(sysfs, "hidraw2"), "\\\\?\\hid#vid_1a2c&pid_1507#hidraw2" + kGuid);
}

TEST(HidWindowsName, CollectionNumberWhenTheInterfaceHasSeveralCollections) {
    FakeSysfs sysfs;
    sysfs.addUsbNode("hidraw3", 1, 0, kTwoCollections);
    sysfs.addUsbNode("hidraw4", 3, 10, kTwoCollections);
    const std::string collections = ControllerName(sysfs, "hidraw3");
    EXPECT_EQ(collections, "\\\\?\\hid#vid_1a2c&pid_1507&col01#hidraw3" + kGuid);
    EXPECT_FALSE(PathNamesController(collections));

    const auto both = hid::WindowsInterfaceName(sysfs.root(), "/dev/hidraw4", 0x046D, 0xC52B);
    ASSERT_TRUE(both);
    EXPECT_EQ(*both, "\\\\?\\hid#vid_046d&pid_c52b&mi_0a&col01#hidraw4" + kGuid);
}

TEST(HidWindowsName, NonUsbDeviceHasNoInterfaceNumber) {
    FakeSysfs sysfs;
    sysfs.addOtherNode("hidraw5", kVendorDescriptor);
    const std::string name = ControllerName(sysfs, "/dev/hidraw5");
    ASSERT_FALSE(name.empty());
    EXPECT_TRUE(PathNamesController(name));
}

TEST(HidWindowsName, UnknownNodeHasNoName) {
    FakeSysfs sysfs;
    EXPECT_FALSE(hid::WindowsInterfaceName(sysfs.root(), "/dev/hidraw9", 0x1A2C, 0x1507));
    EXPECT_FALSE(hid::WindowsInterfaceName(sysfs.root(), "", 0x1A2C, 0x1507));
    EXPECT_FALSE(hid::ReadReportDescriptor(sysfs.root(), "hidraw9"));
}

TEST(HidWindowsName, ReportDescriptorIsReadFromTheNodesDevice) {
    FakeSysfs sysfs;
    sysfs.addUsbNode("hidraw6", 1, 0, kTwoCollections);
    const auto descriptor = hid::ReadReportDescriptor(sysfs.root(), "/dev/hidraw6");
    ASSERT_TRUE(descriptor);
    EXPECT_EQ(*descriptor, kTwoCollections);
}

}  // namespace
