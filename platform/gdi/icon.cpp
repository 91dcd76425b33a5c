// Icons from the resources, and drawing them.
#include "platform/gdi/icon.hpp"

#include <algorithm>
#include <map>
#include <memory>

#include "platform/gdi/bmp.hpp"
#include "platform/gdi/draw_target.hpp"
#include "platform/gdi/drawing_state.hpp"
#include "platform/res/resource_table.hpp"
#include "platform/wnd/wnd.hpp"

// Icons are shared, as the platform's loaded icons are: each ID is decoded once and lives as
// long as the platform context.
HICON LoadIconW(HINSTANCE instance, UINT id) {
    if (instance == nullptr || instance != AfxGetResourceHandle()) return nullptr;
    auto& icons = gdi::Drawing().icons;
    const auto known = icons.find(id);
    if (known != icons.end()) return known->second.get();

    const auto table = EmbeddedIcons();
    const auto it = std::find_if(table.begin(), table.end(),
                                 [id](const EmbeddedResource& r) { return r.id == id; });
    if (it == table.end()) return nullptr;
    auto image = DecodeBmp({it->data, it->size});
    if (!image) return nullptr;
    auto icon = std::make_unique<IconObject>();
    icon->opaque.reserve(image->pixels().size());
    for (const std::uint32_t p : image->pixels())
        icon->opaque.push_back(p != kIconTransparentPixel);
    icon->image = std::move(*image);
    return icons.emplace(id, std::move(icon)).first->second.get();
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) {
    const gdi::DrawTarget t = gdi::TargetOf(dc);
    if (!t.valid() || icon == nullptr) return FALSE;
    const Surface& image = icon->image;
    const int left = x + t.dx;
    const int top = y + t.dy;
    t.forEachSpan({left, top, left + image.width(), top + image.height()}, [&](int row, int x0,
                                                                               int x1) {
        const std::size_t base = static_cast<std::size_t>(row - top) * image.width();
        for (int sx = x0; sx < x1; ++sx) {
            const std::size_t i = base + static_cast<std::size_t>(sx - left);
            if (icon->opaque[i])
                t.surface->set(sx, row, gdi::StoredPixel(t, ColorrefFromPixel(image.pixels()[i])));
        }
    });
    // The rendition: each pixel a block (icons have no finer artwork).
    if (Surface* fine = t.fineForWriting()) {
        const int s = t.scale();
        t.forEachFineSpan(
            {left * s, top * s, (left + image.width()) * s, (top + image.height()) * s},
            [&](int row, int x0, int x1) {
                const std::size_t base = static_cast<std::size_t>(row / s - top) * image.width();
                for (int fx = x0; fx < x1; ++fx) {
                    const std::size_t i = base + static_cast<std::size_t>(fx / s - left);
                    if (icon->opaque[i]) {
                        fine->set(fx, row,
                                  gdi::StoredPixel(t, ColorrefFromPixel(image.pixels()[i])));
                    }
                }
            });
    }
    return TRUE;
}
