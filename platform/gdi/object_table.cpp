#include "platform/gdi/object_table.hpp"

#include <unordered_map>

#include "platform/gdi/text.hpp"

namespace gdi {
namespace {

struct Entry {
    std::unique_ptr<GdiObject> object;
    int selections = 0;
    bool deletePending = false;
};

std::unordered_map<const GdiObject*, Entry>& Table() {
    static std::unordered_map<const GdiObject*, Entry> table;
    return table;
}

template <typename T>
T* MakeStock(std::unique_ptr<T>& slot) {
    if (!slot) slot = std::make_unique<T>();
    return slot.get();
}

LOGFONTW StockLogFont(LONG height, LONG weight) {
    LOGFONTW lf;
    lf.lfHeight = height;
    lf.lfWeight = weight;
    const wchar_t face[] = L"Arial";
    std::copy(std::begin(face), std::end(face), lf.lfFaceName);
    return lf;
}

}  // namespace

void AdoptObject(std::unique_ptr<GdiObject> owned) {
    const GdiObject* key = owned.get();
    Table()[key] = Entry{std::move(owned), 0, false};
}

bool IsLive(const GdiObject* object) {
    const auto it = Table().find(object);
    return it != Table().end() && !it->second.deletePending;
}

bool IsStock(const GdiObject* object) {
    return object != nullptr &&
           (object == StockBitmap() || object == StockSystemFont() || object == StockBlackPen() ||
            object == StockWhiteBrush() || object == GetStockObject(BLACK_BRUSH) ||
            object == GetStockObject(DEFAULT_GUI_FONT));
}

bool Release(GdiObject* object) {
    auto& table = Table();
    const auto it = table.find(object);
    if (it == table.end() || it->second.deletePending) {
        return false;
    }
    if (it->second.selections > 0) {
        it->second.deletePending = true;
    } else {
        table.erase(it);
    }
    return true;
}

void NoteSelected(GdiObject* object) {
    const auto it = Table().find(object);
    if (it != Table().end()) ++it->second.selections;
}

void NoteDeselected(GdiObject* object) {
    auto& table = Table();
    const auto it = table.find(object);
    if (it == table.end()) return;
    if (--it->second.selections <= 0 && it->second.deletePending) {
        table.erase(it);
    }
}

BitmapObject* StockBitmap() {
    static const auto bitmap = [] {
        auto b = std::make_unique<BitmapObject>();
        b->surface = Surface(1, 1, 0);
        b->monochrome = true;
        return b;
    }();
    return bitmap.get();
}

FontObject* StockSystemFont() {
    // A small bold sans serif, the look of the platform's system font.
    static const auto font = [] {
        auto f = std::make_unique<FontObject>();
        f->logFont = StockLogFont(16, FW_BOLD);
        f->face = ResolveFont(f->logFont);
        return f;
    }();
    return font.get();
}

PenObject* StockBlackPen() {
    static std::unique_ptr<PenObject> pen;
    return MakeStock(pen);
}

BrushObject* StockWhiteBrush() {
    static const auto brush = [] {
        auto b = std::make_unique<BrushObject>();
        b->color = RGB(255, 255, 255);
        return b;
    }();
    return brush.get();
}

}  // namespace gdi

HGDIOBJ GetStockObject(int which) {
    switch (which) {
        case WHITE_BRUSH:
            return gdi::StockWhiteBrush();
        case BLACK_BRUSH: {
            static const auto brush = std::make_unique<BrushObject>();
            return brush.get();
        }
        case BLACK_PEN:
            return gdi::StockBlackPen();
        case SYSTEM_FONT:
            return gdi::StockSystemFont();
        case DEFAULT_GUI_FONT: {
            static const auto font = [] {
                auto f = std::make_unique<FontObject>();
                f->logFont = gdi::StockLogFont(-11, FW_NORMAL);
                f->face = ResolveFont(f->logFont);
                return f;
            }();
            return font.get();
        }
        default:
            return nullptr;
    }
}

std::size_t GdiLiveObjectCount() {
    std::size_t n = 0;
    for (const auto& [key, entry] : gdi::Table()) {
        if (!entry.deletePending) ++n;
    }
    return n;
}

BOOL DeleteObject(HGDIOBJ object) {
    // Unknown, already deleted and stock handles are refused before the object is looked at.
    if (object == nullptr || !gdi::IsLive(object)) {
        return FALSE;
    }
    if (dynamic_cast<DcObject*>(object) != nullptr) {
        return FALSE;  // contexts are deleted with DeleteDC
    }
    return gdi::Release(object) ? TRUE : FALSE;
}
