// The table of live drawing objects behind the handles, and the stock objects.
// Objects selected into a device context are kept alive until deselected, even when deleted
// meanwhile, so that a context never points at a freed object.
#pragma once

#include <memory>

#include "platform/gdi/gdi.hpp"

namespace gdi {

void AdoptObject(std::unique_ptr<GdiObject> owned);

// Takes ownership of a new object and returns its handle.
template <typename T>
T* Adopt(std::unique_ptr<T> object) {
    T* handle = object.get();
    AdoptObject(std::move(object));
    return handle;
}

bool IsLive(const GdiObject* object);  // created, not yet deleted (stock objects are not)
bool IsStock(const GdiObject* object);
// Deletes an object of the table now, or when its last selection ends; false for unknown handles.
bool Release(GdiObject* object);
void NoteSelected(GdiObject* object);
void NoteDeselected(GdiObject* object);

BitmapObject* StockBitmap();  // the 1 x 1 monochrome bitmap of a new memory context
FontObject* StockSystemFont();
PenObject* StockBlackPen();
BrushObject* StockWhiteBrush();

}  // namespace gdi
