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
              const std::function<Canvas(bool, int)>& draw) {
    pieces.push_back({id, width, height, [draw](int scale) { return draw(false, scale); }});
    pieces.push_back({id + 1, width, height, [draw](int scale) { return draw(true, scale); }});
}

}  // namespace

std::vector<Piece> Bitmaps() {
    using namespace skin;
    std::vector<Piece> pieces;
    pieces.push_back({kMainSkinImage, 800, 540, DrawSkin});
    for (int e = 1; e <= 24; ++e) {
        const int w = EffectWidth(e);
        pieces.push_back({EffectSelectedId(e), w, 59, [e, w](int scale) {
                              return DrawEffectIcon(e, Look::Selected, w, scale);
                          }});
        pieces.push_back({EffectUnselectedId(e), w, 59, [e, w](int scale) {
                              return DrawEffectIcon(e, Look::Unselected, w, scale);
                          }});
        if (EffectGreyedId(e) != 0)
            pieces.push_back({EffectGreyedId(e), w, 59, [e, w](int scale) {
                                  return DrawEffectIcon(e, Look::Greyed, w, scale);
                              }});
    }
    AddLooks(pieces, kCloseImage, 24, 28,
             [](bool hot, int scale) { return DrawWindowButton(true, hot, scale); });
    AddLooks(pieces, kMinimizeImage, 24, 28,
             [](bool hot, int scale) { return DrawWindowButton(false, hot, scale); });
    AddLooks(pieces, kArgbOffImage, 72, 32,
             [](bool on, int scale) { return DrawChannelButton(false, on, scale); });
    AddLooks(pieces, kVrgbOffImage, 70, 32,
             [](bool on, int scale) { return DrawChannelButton(true, on, scale); });
    AddLooks(pieces, kSyncOffImage, 34, 19, DrawSyncSwitch);
    AddLooks(pieces, kApplyImage, 194, 49, DrawApplyPlate);
    for (const Swatch& s : kSwatches) {
        const Rgb c = s.color;
        AddLooks(pieces, s.unselectedId, 29, 28,
                 [c](bool on, int scale) { return DrawPresetSwatch(c, on, scale); });
    }
    pieces.push_back({kColorWheelImage, 171, 171, DrawColorWheel});
    pieces.push_back({kRedTrackImage, 132, 12, [](int scale) { return DrawColorTrack(0, scale); }});
    pieces.push_back(
        {kBlueTrackImage, 132, 12, [](int scale) { return DrawColorTrack(2, scale); }});
    pieces.push_back(
        {kGreenTrackImage, 132, 12, [](int scale) { return DrawColorTrack(1, scale); }});
    pieces.push_back(
        {kRedThumbImage, 3, 12, [](int scale) { return DrawColorThumb(kRed, scale); }});
    pieces.push_back(
        {kBlueThumbImage, 3, 12, [](int scale) { return DrawColorThumb(kBlue, scale); }});
    pieces.push_back(
        {kGreenThumbImage, 3, 12, [](int scale) { return DrawColorThumb(kGreen, scale); }});
    pieces.push_back(
        {kPopupSkinChinese, 340, 195, [](int scale) { return DrawPopupSkin(true, scale); }});
    AddLooks(pieces, kPopupResetImage, 114, 32,
             [](bool hot, int scale) { return DrawPopupButton(false, hot, scale); });
    AddLooks(pieces, kPopupOkImage, 114, 32,
             [](bool hot, int scale) { return DrawPopupButton(true, hot, scale); });
    AddLooks(pieces, kQuantityTrackImage, 243, 16, DrawQuantityTrack);
    pieces.push_back({kQuantityThumbImage, 9, 16, DrawQuantityThumb});
    AddLooks(pieces, kArrowImage, 17, 16, DrawArrow);
    pieces.push_back(
        {kPopupSkinEnglish, 340, 195, [](int scale) { return DrawPopupSkin(false, scale); }});
    std::sort(pieces.begin(), pieces.end(),
              [](const Piece& a, const Piece& b) { return a.id < b.id; });
    return pieces;
}

Piece AppIconPiece() {
    // The icon has no finer renditions: it is drawn at 1x whatever the scale asked for.
    return {skin::kAppIconImage, 32, 32, [](int) { return DrawAppIcon(); }};
}

}  // namespace art
