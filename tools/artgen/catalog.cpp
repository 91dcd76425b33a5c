#include "tools/artgen/catalog.hpp"

#include <algorithm>

#include "tools/artgen/palette.hpp"
#include "tools/artgen/pieces.hpp"

namespace art {

int EffectWidth(int effect) {
    const int column = (effect - 1) % 8;
    return column == 2 || column == 4 || column == 7 ? 59 : 60;
}

namespace {

struct Swatch {
    int unselectedId;
    Rgb color;
};

// The preset swatches as they look on screen (the preview colours of their presets).
constexpr Swatch kSwatches[] = {
    {skin::kSwatchImages[0], {255, 255, 60}},  {skin::kSwatchImages[6], {67, 119, 197}},
    {skin::kSwatchImages[5], {104, 183, 74}},  {skin::kSwatchImages[1], {239, 189, 44}},
    {skin::kSwatchImages[3], {231, 149, 201}}, {skin::kSwatchImages[2], {219, 23, 48}},
    {skin::kSwatchImages[4], {255, 255, 255}}, {skin::kSwatchImages[7], {97, 54, 160}},
};

}  // namespace

std::vector<Piece> Bitmaps() {
    std::vector<Piece> pieces;
    pieces.push_back({130, 800, 540, DrawSkin});
    for (int e = 1; e <= 24; ++e) {
        const int w = EffectWidth(e);
        pieces.push_back(
            {EffectSelectedId(e), w, 59, [e, w] { return DrawEffectIcon(e, Look::Selected, w); }});
        pieces.push_back({EffectUnselectedId(e), w, 59,
                          [e, w] { return DrawEffectIcon(e, Look::Unselected, w); }});
        if (EffectGreyedId(e) != 0)
            pieces.push_back(
                {EffectGreyedId(e), w, 59, [e, w] { return DrawEffectIcon(e, Look::Greyed, w); }});
    }
    pieces.push_back({196, 24, 28, [] { return DrawWindowButton(true, false); }});
    pieces.push_back({197, 24, 28, [] { return DrawWindowButton(true, true); }});
    pieces.push_back({198, 24, 28, [] { return DrawWindowButton(false, false); }});
    pieces.push_back({199, 24, 28, [] { return DrawWindowButton(false, true); }});
    pieces.push_back({200, 72, 32, [] { return DrawChannelButton(false, false); }});
    pieces.push_back({201, 72, 32, [] { return DrawChannelButton(false, true); }});
    pieces.push_back({202, 70, 32, [] { return DrawChannelButton(true, false); }});
    pieces.push_back({203, 70, 32, [] { return DrawChannelButton(true, true); }});
    pieces.push_back({204, 34, 19, [] { return DrawSyncSwitch(false); }});
    pieces.push_back({205, 34, 19, [] { return DrawSyncSwitch(true); }});
    pieces.push_back({206, 194, 49, [] { return DrawApplyPlate(false); }});
    pieces.push_back({207, 194, 49, [] { return DrawApplyPlate(true); }});
    for (const Swatch& s : kSwatches) {
        const Rgb c = s.color;
        pieces.push_back({s.unselectedId, 29, 28, [c] { return DrawPresetSwatch(c, false); }});
        pieces.push_back({s.unselectedId + 1, 29, 28, [c] { return DrawPresetSwatch(c, true); }});
    }
    pieces.push_back({227, 171, 171, DrawColorWheel});
    pieces.push_back({228, 132, 12, [] { return DrawColorTrack(0); }});
    pieces.push_back({231, 132, 12, [] { return DrawColorTrack(2); }});
    pieces.push_back({232, 132, 12, [] { return DrawColorTrack(1); }});
    pieces.push_back({233, 3, 12, [] { return DrawColorThumb(kRed); }});
    pieces.push_back({236, 3, 12, [] { return DrawColorThumb(kBlue); }});
    pieces.push_back({237, 3, 12, [] { return DrawColorThumb(kGreen); }});
    pieces.push_back({240, 340, 195, [] { return DrawPopupSkin(true); }});
    pieces.push_back({241, 114, 32, [] { return DrawPopupButton(false, false); }});
    pieces.push_back({242, 114, 32, [] { return DrawPopupButton(false, true); }});
    pieces.push_back({243, 114, 32, [] { return DrawPopupButton(true, false); }});
    pieces.push_back({244, 114, 32, [] { return DrawPopupButton(true, true); }});
    pieces.push_back({245, 243, 16, [] { return DrawQuantityTrack(false); }});
    pieces.push_back({246, 243, 16, [] { return DrawQuantityTrack(true); }});
    pieces.push_back({247, 9, 16, DrawQuantityThumb});
    pieces.push_back({248, 17, 16, [] { return DrawArrow(false); }});
    pieces.push_back({249, 17, 16, [] { return DrawArrow(true); }});
    pieces.push_back({250, 340, 195, [] { return DrawPopupSkin(false); }});
    std::sort(pieces.begin(), pieces.end(),
              [](const Piece& a, const Piece& b) { return a.id < b.id; });
    return pieces;
}

Piece AppIconPiece() {
    return {128, 32, 32, DrawAppIcon};
}

}  // namespace art
