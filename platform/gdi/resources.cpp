#include "platform/gdi/resources.hpp"

#include <algorithm>
#include <optional>
#include <utility>

#include "platform/gdi/bmp.hpp"
#include "platform/gdi/drawing_state.hpp"
#include "platform/gdi/object_table.hpp"
#include "platform/gdi/png.hpp"
#include "platform/res/resource_table.hpp"

struct HINSTANCE__ {};

namespace {

std::map<UINT, std::vector<std::uint8_t>>& TestFiles() {
    return gdi::Drawing().bitmapFiles;
}

std::map<UINT, std::shared_ptr<const Surface>>& Cache() {
    return gdi::Drawing().bitmaps;
}

std::optional<std::span<const std::uint8_t>> FindIn(std::span<const EmbeddedResource> table,
                                                    UINT id) {
    const auto it = std::find_if(table.begin(), table.end(),
                                 [id](const EmbeddedResource& r) { return r.id == id; });
    if (it == table.end()) return std::nullopt;
    return std::span<const std::uint8_t>(it->data, it->size);
}

std::span<const EmbeddedResource> RenditionTable(int scale) {
    switch (scale) {
        case 2:
            return EmbeddedBitmaps2x();
        case 3:
            return EmbeddedBitmaps3x();
        case 4:
            return EmbeddedBitmaps4x();
        default:
            return {};
    }
}

std::optional<std::span<const std::uint8_t>> FindBitmapFile(UINT id) {
    if (!TestFiles().empty()) {
        const auto it = TestFiles().find(id);
        if (it == TestFiles().end()) return std::nullopt;
        return std::span<const std::uint8_t>(it->second);
    }
    return FindIn(EmbeddedBitmaps(), id);
}

}  // namespace

std::shared_ptr<const Surface> BitmapResourcePixels(UINT id) {
    const auto cached = Cache().find(id);
    if (cached != Cache().end()) return cached->second;
    std::shared_ptr<const Surface> pixels;
    if (const auto file = FindBitmapFile(id)) {
        if (auto decoded = DecodeBmp(*file)) {
            pixels = std::make_shared<const Surface>(std::move(*decoded));
        }
    }
    Cache()[id] = pixels;
    return pixels;
}

std::shared_ptr<const Surface> BitmapRenditionPixels(UINT id, int scale) {
    auto& renditions = gdi::Drawing().renditions;
    const std::pair key{id, scale};
    const auto cached = renditions.find(key);
    if (cached != renditions.end()) return cached->second;
    std::shared_ptr<const Surface> pixels;
    const auto base = BitmapResourcePixels(id);
    // Test files stand in for the artwork at every scale: they have no renditions.
    const auto file = TestFiles().empty() ? FindIn(RenditionTable(scale), id) : std::nullopt;
    if (base && file) {
        if (auto decoded = DecodePng(*file)) {
            if (decoded->width() == base->width() * scale &&
                decoded->height() == base->height() * scale) {
                pixels = std::make_shared<const Surface>(std::move(*decoded));
            }
        }
    }
    renditions[key] = pixels;
    return pixels;
}

void SetBitmapScale(int scale) {
    gdi::Drawing().bitmapScale = scale;
}

void SetBitmapResourcesForTesting(std::map<UINT, std::vector<std::uint8_t>> files) {
    TestFiles() = std::move(files);
    Cache().clear();
    gdi::Drawing().renditions.clear();
}

HINSTANCE AfxGetResourceHandle() {
    static HINSTANCE__ module;
    return &module;
}

HBITMAP LoadBitmapW(HINSTANCE instance, UINT resourceId) {
    if (instance == nullptr || instance != AfxGetResourceHandle()) return nullptr;
    const auto pixels = BitmapResourcePixels(resourceId & 0xFFFF);
    if (!pixels) return nullptr;
    auto bitmap = std::make_unique<BitmapObject>();
    bitmap->surface = *pixels;
    // On a screen of a finer scale the bitmap shows the artwork drawn at that scale; without
    // one, its pixels are shown as blocks.
    const int scale = gdi::Drawing().bitmapScale;
    if (scale > 1) {
        if (const auto fine = BitmapRenditionPixels(resourceId & 0xFFFF, scale)) {
            bitmap->surface.SetRendition(scale, *fine);
        }
    }
    return gdi::Adopt(std::move(bitmap));
}
