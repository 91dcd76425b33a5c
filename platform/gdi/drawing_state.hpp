// What the drawing layer keeps between calls: the objects behind the handles, the stock objects,
// the resolved font faces, the font names registered, and the decoded bitmap and icon resources.
// It is the drawing layer's part of the platform context, made with the context before any other
// part and so destroyed after all of them: every other part may hold drawing objects.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/gdi/gdi.hpp"
#include "platform/gdi/icon.hpp"
#include "platform/gdi/surface.hpp"

class FontCatalog;

namespace gdi {

struct TableEntry {
    std::unique_ptr<GdiObject> object;
    int selections = 0;          // device contexts it is selected into
    bool deletePending = false;  // deleted while selected: goes with its last deselection
};

// Made on first use; never in the table, never deleted.
struct StockObjects {
    std::unique_ptr<BitmapObject> bitmap;
    std::unique_ptr<FontObject> systemFont;
    std::unique_ptr<FontObject> guiFont;
    std::unique_ptr<PenObject> blackPen;
    std::unique_ptr<BrushObject> whiteBrush;
    std::unique_ptr<BrushObject> blackBrush;
};

// A face name registered as standing for an installed family (AddFontResourceW).
struct FontAlias {
    std::string name;    // as registered, e.g. "Arial"
    std::string family;  // the installed family it stands for
};

// A resolved face: family, height, bold, italic, anti-aliased.
using FaceKey = std::tuple<std::string, LONG, bool, bool, bool>;

struct DrawingState {
    std::unordered_map<const GdiObject*, TableEntry> objects;
    StockObjects stock;
    std::map<FaceKey, std::shared_ptr<const FontFace>> faces;  // null: no face was found
    std::map<std::string, FontAlias> fontAliases;              // by lower-case name
    FontCatalog* fontCatalog = nullptr;  // a test's catalog in place of the system's
    // A test's bitmap files in place of the embedded ones, when not empty.
    std::map<UINT, std::vector<std::uint8_t>> bitmapFiles;
    std::map<UINT, std::shared_ptr<const Surface>> bitmaps;  // decoded; null: the ID gave nothing
    // The device scale of the screen the bitmaps loaded are shown on (resources.hpp), and their
    // renditions decoded at it, by ID and scale (null: none).
    int bitmapScale = 1;
    std::map<std::pair<UINT, int>, std::shared_ptr<const Surface>> renditions;
    std::map<UINT, std::unique_ptr<IconObject>> icons;
};

DrawingState& Drawing();  // the current context's

}  // namespace gdi
