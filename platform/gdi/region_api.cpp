// Region handles over the Region value type.
#include <memory>

#include "platform/gdi/object_table.hpp"

namespace {

HRGN NewRegion(Region region) {
    auto object = std::make_unique<RegionObject>();
    object->region = std::move(region);
    return gdi::Adopt(std::move(object));
}

int Complexity(const Region& r) {
    if (r.empty()) return NULLREGION;
    const RECT b = r.bounds();
    std::size_t rows = static_cast<std::size_t>(b.bottom - b.top);
    if (r.spans().size() != rows) return COMPLEXREGION;
    for (const Region::Span& s : r.spans()) {
        if (s.x0 != b.left || s.x1 != b.right) return COMPLEXREGION;
    }
    return SIMPLEREGION;
}

bool Usable(HRGN region) {
    return region != nullptr && gdi::IsLive(region);
}

}  // namespace

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return NewRegion(Region::FromRect({left, top, right, bottom}));
}

HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth,
                        int ellipseHeight) {
    return NewRegion(
        Region::FromRoundRect({left, top, right, bottom}, ellipseWidth, ellipseHeight));
}

HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode) {
    // Only the alternate rule is provided; the program builds no winding polygons.
    if (points == nullptr || count < 0 || fillMode != ALTERNATE) return nullptr;
    return NewRegion(Region::FromPolygon({points, static_cast<std::size_t>(count)}));
}

int CombineRgn(HRGN dst, HRGN src1, HRGN src2, int mode) {
    if (!Usable(dst) || !Usable(src1)) return ERROR_REGION;
    if (mode == RGN_COPY) {
        dst->region = src1->region;
        return Complexity(dst->region);
    }
    if (!Usable(src2)) return ERROR_REGION;
    switch (mode) {
        case RGN_AND:
            dst->region = src1->region.intersected(src2->region);
            break;
        case RGN_OR:
            dst->region = src1->region.united(src2->region);
            break;
        case RGN_DIFF:
            dst->region = src1->region.subtracted(src2->region);
            break;
        default:
            return ERROR_REGION;
    }
    return Complexity(dst->region);
}

BOOL PtInRegion(HRGN region, int x, int y) {
    return Usable(region) && region->region.contains(x, y) ? TRUE : FALSE;
}

int GetRgnBox(HRGN region, RECT* box) {
    if (!Usable(region) || box == nullptr) return ERROR_REGION;
    *box = region->region.bounds();
    return Complexity(region->region);
}

int OffsetRgn(HRGN region, int dx, int dy) {
    if (!Usable(region)) return ERROR_REGION;
    region->region.offset(dx, dy);
    return Complexity(region->region);
}
