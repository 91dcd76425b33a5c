// Every picture of the program: its resource ID, its size and how it is drawn.
#pragma once

#include <functional>
#include <vector>

#include "res/skin_layout.hpp"
#include "tools/artgen/canvas.hpp"

namespace art {

struct Piece {
    int id = 0;
    int width = 0;  // the picture's own size, at every scale
    int height = 0;
    std::function<Canvas(int scale)> draw;
};

// The scales the bitmaps are drawn at besides 1 (the program's device scales).
constexpr int kFinerScales[] = {2, 3, 4};

// The bitmaps, in resource ID order (the icon is separate: AppIconPiece).
std::vector<Piece> Bitmaps();
Piece AppIconPiece();

// Resource IDs of effect e (1..24): selected, unselected and (effects 8 to 24) greyed images.
using skin::EffectGreyedId;  // 0 for effects 1 to 7
using skin::EffectSelectedId;
using skin::EffectUnselectedId;
int EffectWidth(int effect);  // 59 in grid columns 2, 4 and 7, else 60

}  // namespace art
