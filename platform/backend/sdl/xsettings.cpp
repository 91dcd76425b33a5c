#include "platform/backend/sdl/xsettings.hpp"

#include <cstddef>

namespace platform::sdl {
namespace {

enum SettingType : std::uint8_t { kInteger = 0, kString = 1, kColor = 2 };

// Reads the property front to back in the byte order it declares; any read past the end fails
// and leaves the reader failed.
class Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool failed() const { return failed_; }
    void setMostSignificantFirst(bool msbFirst) { msbFirst_ = msbFirst; }

    std::uint32_t card(std::size_t size) {
        if (!has(size)) {
            return 0;
        }
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < size; ++i) {
            const std::uint32_t byte = bytes_[at_ + (msbFirst_ ? i : size - 1 - i)];
            value = (value << 8) | byte;
        }
        at_ += size;
        return value;
    }
    std::string_view text(std::size_t size) {
        if (!has(size)) {
            return {};
        }
        const std::string_view result(reinterpret_cast<const char*>(bytes_.data() + at_), size);
        at_ += size;
        skipPadding(size);
        return result;
    }
    void skip(std::size_t size) {
        if (has(size)) {
            at_ += size;
        }
    }
    // Strings are padded to a multiple of four bytes.
    void skipPadding(std::size_t size) { skip((4 - size % 4) % 4); }

  private:
    bool has(std::size_t size) {
        failed_ = failed_ || size > bytes_.size() - at_;
        return !failed_;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
    bool msbFirst_ = false;
    bool failed_ = false;
};

}  // namespace

std::optional<std::int32_t> XSettingsInteger(std::span<const std::uint8_t> property,
                                             std::string_view name) {
    Reader reader(property);
    const std::uint32_t byteOrder = reader.card(1);  // LSBFirst 0, MSBFirst 1 as in X
    if (byteOrder > 1) {
        return std::nullopt;
    }
    reader.setMostSignificantFirst(byteOrder == 1);
    reader.skip(3);
    reader.card(4);  // the serial
    const std::uint32_t count = reader.card(4);
    for (std::uint32_t i = 0; i < count && !reader.failed(); ++i) {
        const std::uint32_t type = reader.card(1);
        reader.skip(1);
        const std::string_view settingName = reader.text(reader.card(2));
        reader.card(4);  // the serial of its last change
        switch (type) {
            case kInteger: {
                const auto value = static_cast<std::int32_t>(reader.card(4));
                if (!reader.failed() && settingName == name) {
                    return value;
                }
                break;
            }
            case kString:
                reader.text(reader.card(4));
                break;
            case kColor:
                reader.skip(8);  // red, green, blue, alpha
                break;
            default:
                return std::nullopt;  // the rest cannot be told apart from garbage
        }
    }
    return std::nullopt;
}

}  // namespace platform::sdl
