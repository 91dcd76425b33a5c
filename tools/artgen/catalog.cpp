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

// A button's two looks: draw(false) under `id`, draw(true), its hover look, under the next ID.
void AddLooks(std::vector<Piece>& pieces, int id, int width, int height,
              const std::function<Canvas(bool)>& draw) {
    pieces.push_back({id, width, height, [draw] { return draw(false); }});
    pieces.push_back({id + 1, width, height, [draw] { return draw(true); }});
}

}  // namespace

std::vector<Piece> Bitmaps() {
    using namespace skin;
    std::vector<Piece> pieces;
    pieces.push_back({kMainSkinImage, 800, 540, DrawSkin});
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
    AddLooks(pieces, kCloseImage, 24, 28, [](bool hot) { return DrawWindowButton(true, hot); });
    AddLooks(pieces, kMinimizeImage, 24, 28, [](bool hot) { return DrawWindowButton(false, hot); });
    AddLooks(pieces, kArgbOffImage, 72, 32, [](bool on) { return DrawChannelButton(false, on); });
    AddLooks(pieces, kVrgbOffImage, 70, 32, [](bool on) { return DrawChannelButton(true, on); });
    AddLooks(pieces, kSyncOffImage, 34, 19, DrawSyncSwitch);
    AddLooks(pieces, kApplyImage, 194, 49, DrawApplyPlate);
    for (const Swatch& s : kSwatches) {
        const Rgb c = s.color;
        AddLooks(pieces, s.unselectedId, 29, 28, [c](bool on) { return DrawPresetSwatch(c, on); });
    }
    pieces.push_back({kColorWheelImage, 171, 171, DrawColorWheel});
    pieces.push_back({kRedTrackImage, 132, 12, [] { return DrawColorTrack(0); }});
    pieces.push_back({kBlueTrackImage, 132, 12, [] { return DrawColorTrack(2); }});
    pieces.push_back({kGreenTrackImage, 132, 12, [] { return DrawColorTrack(1); }});
    pieces.push_back({kRedThumbImage, 3, 12, [] { return DrawColorThumb(kRed); }});
    pieces.push_back({kBlueThumbImage, 3, 12, [] { return DrawColorThumb(kBlue); }});
    pieces.push_back({kGreenThumbImage, 3, 12, [] { return DrawColorThumb(kGreen); }});
    pieces.push_back({kPopupSkinChinese, 340, 195, [] { return DrawPopupSkin(true); }});
    AddLooks(pieces, kPopupResetImage, 114, 32,
             [](bool hot) { return DrawPopupButton(false, hot); });
    AddLooks(pieces, kPopupOkImage, 114, 32, [](bool hot) { return DrawPopupButton(true, hot); });
    AddLooks(pieces, kQuantityTrackImage, 243, 16, DrawQuantityTrack);
    pieces.push_back({kQuantityThumbImage, 9, 16, DrawQuantityThumb});
    AddLooks(pieces, kArrowImage, 17, 16, DrawArrow);
    pieces.push_back({kPopupSkinEnglish, 340, 195, [] { return DrawPopupSkin(false); }});
    std::sort(pieces.begin(), pieces.end(),
              [](const Piece& a, const Piece& b) { return a.id < b.id; });
    return pieces;
}

Piece AppIconPiece() {
    return {skin::kAppIconImage, 32, 32, DrawAppIcon};
}

}  // namespace art
