#include "platform/gdi/resources.hpp"

#include <algorithm>
#include <optional>

#include "platform/gdi/bmp.hpp"
#include "platform/gdi/drawing_state.hpp"
#include "platform/gdi/object_table.hpp"
#include "platform/res/resource_table.hpp"

struct HINSTANCE__ {};

namespace {

std::map<UINT, std::vector<std::uint8_t>>& TestFiles() {
    return gdi::Drawing().bitmapFiles;
}

std::map<UINT, std::shared_ptr<const Surface>>& Cache() {
    return gdi::Drawing().bitmaps;
}

std::optional<std::span<const std::uint8_t>> FindBitmapFile(UINT id) {
    if (!TestFiles().empty()) {
        const auto it = TestFiles().find(id);
        if (it == TestFiles().end()) return std::nullopt;
        return std::span<const std::uint8_t>(it->second);
    }
    const auto table = EmbeddedBitmaps();
    const auto it = std::find_if(table.begin(), table.end(),
                                 [id](const EmbeddedResource& r) { return r.id == id; });
    if (it == table.end()) return std::nullopt;
    return std::span<const std::uint8_t>(it->data, it->size);
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

void SetBitmapResourcesForTesting(std::map<UINT, std::vector<std::uint8_t>> files) {
    TestFiles() = std::move(files);
    Cache().clear();
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
    return gdi::Adopt(std::move(bitmap));
}
