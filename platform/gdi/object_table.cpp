#include "platform/gdi/object_table.hpp"

#include "platform/gdi/drawing_state.hpp"
#include "platform/gdi/text.hpp"

namespace gdi {
namespace {

std::unordered_map<const GdiObject*, TableEntry>& Table() {
    return Drawing().objects;
}

// An Arial stock font of the given height and weight, made in `slot` on first use.
FontObject* StockFont(std::unique_ptr<FontObject>& slot, LONG height, LONG weight) {
    if (!slot) {
        slot = std::make_unique<FontObject>();
        slot->logFont.lfHeight = height;
        slot->logFont.lfWeight = weight;
        const wchar_t face[] = L"Arial";
        std::copy(std::begin(face), std::end(face), slot->logFont.lfFaceName);
        slot->face = ResolveFont(slot->logFont);
    }
    return slot.get();
}

BrushObject* StockBrush(std::unique_ptr<BrushObject>& slot, COLORREF color) {
    if (!slot) {
        slot = std::make_unique<BrushObject>();
        slot->color = color;
    }
    return slot.get();
}

}  // namespace

void AdoptObject(std::unique_ptr<GdiObject> owned) {
    const GdiObject* key = owned.get();
    Table()[key] = TableEntry{std::move(owned), 0, false};
}

bool IsLive(const GdiObject* object) {
    const auto it = Table().find(object);
    return it != Table().end() && !it->second.deletePending;
}

bool IsStock(const GdiObject* object) {
    const StockObjects& stock = Drawing().stock;
    return object != nullptr &&
           (object == stock.bitmap.get() || object == stock.systemFont.get() ||
            object == stock.guiFont.get() || object == stock.blackPen.get() ||
            object == stock.whiteBrush.get() || object == stock.blackBrush.get());
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
    auto& bitmap = Drawing().stock.bitmap;
    if (!bitmap) {
        bitmap = std::make_unique<BitmapObject>();
        bitmap->surface = Surface(1, 1, 0);
        bitmap->monochrome = true;
    }
    return bitmap.get();
}

FontObject* StockSystemFont() {
    // A small bold sans serif, the look of the platform's system font.
    return StockFont(Drawing().stock.systemFont, 16, FW_BOLD);
}

PenObject* StockBlackPen() {
    auto& pen = Drawing().stock.blackPen;
    if (!pen) pen = std::make_unique<PenObject>();
    return pen.get();
}

BrushObject* StockWhiteBrush() {
    return StockBrush(Drawing().stock.whiteBrush, RGB(255, 255, 255));
}

}  // namespace gdi

HGDIOBJ GetStockObject(int which) {
    switch (which) {
        case WHITE_BRUSH:
            return gdi::StockWhiteBrush();
        case BLACK_BRUSH:
            return gdi::StockBrush(gdi::Drawing().stock.blackBrush, RGB(0, 0, 0));
        case BLACK_PEN:
            return gdi::StockBlackPen();
        case SYSTEM_FONT:
            return gdi::StockSystemFont();
        case DEFAULT_GUI_FONT:
            return gdi::StockFont(gdi::Drawing().stock.guiFont, -11, FW_NORMAL);
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
