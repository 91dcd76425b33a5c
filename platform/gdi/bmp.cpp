#include "platform/gdi/bmp.hpp"

#include <bit>
#include <cstring>
#include <fstream>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int64_t kMaxDimension = 32768;

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
           (static_cast<std::uint32_t>(b[at + 2]) << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint16_t U16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}
std::int32_t I32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int32_t>(U32(b, at));
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A pixel from its blue, green and red bytes.
std::uint32_t PixelFromBytes(const std::uint8_t* in) {
    return static_cast<std::uint32_t>(in[0]) | (static_cast<std::uint32_t>(in[1]) << 8) |
           (static_cast<std::uint32_t>(in[2]) << 16);
}

std::uint32_t LoadLittle32(const std::uint8_t* in) {
    std::uint32_t v = 0;
    std::memcpy(&v, in, sizeof(v));
    return v;
}

// A row of 24-bit pixels. On a little-endian machine four pixels are three 32-bit words (the
// skin alone is half a million pixels, read at every start); the rest a byte at a time.
void DecodeRow24(const std::uint8_t* in, std::uint32_t* out, std::size_t width) {
    std::size_t x = 0;
    if constexpr (std::endian::native == std::endian::little) {
        for (; x + 4 <= width; x += 4, in += 12) {
            const std::uint32_t a = LoadLittle32(in);
            const std::uint32_t b = LoadLittle32(in + 4);
            const std::uint32_t c = LoadLittle32(in + 8);
            out[x] = a & 0xFFFFFFu;
            out[x + 1] = (a >> 24) | ((b & 0xFFFFu) << 8);
            out[x + 2] = (b >> 16) | ((c & 0xFFu) << 16);
            out[x + 3] = c >> 8;
        }
    }
    for (; x < width; ++x, in += 3) out[x] = PixelFromBytes(in);
}

// A row of 32-bit pixels (the fourth byte is unused).
void DecodeRow32(const std::uint8_t* in, std::uint32_t* out, std::size_t width) {
    for (std::size_t x = 0; x < width; ++x, in += 4) out[x] = PixelFromBytes(in);
}

}  // namespace

std::optional<Surface> DecodeBmp(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize) return std::nullopt;
    if (bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    const std::uint64_t pixelOffset = U32(bytes, 10);
    const std::uint32_t headerSize = U32(bytes, 14);
    // The plain information header and its two longer successors (V4, V5).
    if (headerSize != 40 && headerSize != 108 && headerSize != 124) return std::nullopt;
    if (kFileHeaderSize + headerSize > bytes.size()) return std::nullopt;

    const std::int64_t width = I32(bytes, 18);
    const std::int64_t rawHeight = I32(bytes, 22);
    const std::uint16_t planes = U16(bytes, 26);
    const std::uint16_t bitsPerPixel = U16(bytes, 28);
    const std::uint32_t compression = U32(bytes, 30);
    if (planes != 1 || (bitsPerPixel != 24 && bitsPerPixel != 32) || compression != 0) {
        return std::nullopt;
    }
    const bool topDown = rawHeight < 0;
    const std::int64_t height = topDown ? -rawHeight : rawHeight;
    if (width <= 0 || height <= 0 || width > kMaxDimension || height > kMaxDimension) {
        return std::nullopt;
    }
    const std::uint64_t bytesPerPixel = bitsPerPixel / 8u;
    const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bitsPerPixel + 31) / 32) * 4;
    if (pixelOffset < kFileHeaderSize + headerSize) return std::nullopt;
    if (pixelOffset + stride * static_cast<std::uint64_t>(height) > bytes.size())
        return std::nullopt;

    Surface surface(static_cast<int>(width), static_cast<int>(height));
    const auto columns = static_cast<std::size_t>(width);
    for (std::int64_t y = 0; y < height; ++y) {
        const std::int64_t fileRow = topDown ? y : height - 1 - y;
        // The row's bytes were checked to lie inside the file above.
        const std::uint8_t* in =
            bytes.data() + pixelOffset + static_cast<std::uint64_t>(fileRow) * stride;
        std::uint32_t* out = surface.row(static_cast<int>(y));
        if (bytesPerPixel == 3) {
            DecodeRow24(in, out, columns);
        } else {
            DecodeRow32(in, out, columns);
        }
    }
    return surface;
}

std::vector<std::uint8_t> EncodeBmp(const Surface& surface) {
    const auto width = static_cast<std::uint32_t>(surface.width());
    const auto height = static_cast<std::uint32_t>(surface.height());
    const std::uint32_t stride = ((width * 24 + 31) / 32) * 4;
    const std::uint32_t dataSize = stride * height;
    std::vector<std::uint8_t> out;
    out.reserve(kFileHeaderSize + kInfoHeaderSize + dataSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<std::uint32_t>(kFileHeaderSize) + kInfoHeaderSize + dataSize);
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(kFileHeaderSize) + kInfoHeaderSize);
    Put32(out, kInfoHeaderSize);
    Put32(out, width);
    Put32(out, height);
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, dataSize);
    Put32(out, 2835);  // 72 dots per inch
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = static_cast<int>(height) - 1; y >= 0; --y) {
        const std::uint32_t* row = surface.row(y);
        for (std::uint32_t x = 0; x < width; ++x) {
            out.push_back(static_cast<std::uint8_t>(row[x]));
            out.push_back(static_cast<std::uint8_t>(row[x] >> 8));
            out.push_back(static_cast<std::uint8_t>(row[x] >> 16));
        }
        for (std::uint32_t pad = width * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}

bool WriteBmpFile(const Surface& surface, const std::string& path) {
    return WriteWholeFile(path, EncodeBmp(surface));
}

bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return std::nullopt;
    const std::streamoff size = file.tellg();
    if (size < 0) return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    file.seekg(0);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    if (file.fail()) return std::nullopt;
    return bytes;
}
