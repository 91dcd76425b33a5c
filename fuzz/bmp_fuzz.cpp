// Fuzzes the strict BMP decoder: any input either gives nothing or a consistent picture that
// survives a round trip through the BMP writer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/gdi/bmp.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto picture = DecodeBmp(std::span<const std::uint8_t>(data, size));
    if (!picture) return 0;
    if (picture->width() < 0 || picture->height() < 0 ||
        picture->pixels().size() != static_cast<std::size_t>(picture->width()) *
                                        static_cast<std::size_t>(picture->height())) {
        std::abort();
    }
    // Keep the round trip cheap: the writer is not what is fuzzed here.
    if (picture->pixels().size() > (1u << 20)) return 0;
    const auto again = DecodeBmp(EncodeBmp(*picture));
    if (!again || again->width() != picture->width() || again->height() != picture->height() ||
        again->pixels() != picture->pixels()) {
        std::abort();
    }
    return 0;
}
