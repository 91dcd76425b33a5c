#include "tools/artgen/preview.hpp"

#include <algorithm>

#include "tools/artgen/catalog.hpp"
#include "tools/artgen/palette.hpp"
#include "tools/artgen/text.hpp"

namespace art {

namespace {

bool NearWhite(std::uint32_t p) {
    return ((p >> 16) & 0xFF) >= 253 && ((p >> 8) & 0xFF) >= 253 && (p & 0xFF) >= 253;
}

// Copies a button bitmap as its shaped window shows it: near-white pixels at both ends of each
// row are outside the window.
void BlitShaped(Canvas& target, const Canvas& src, int x, int y) {
    for (int sy = 0; sy < src.height(); ++sy) {
        int left = 0;
        int right = src.width() - 1;
        while (left <= right && NearWhite(src.at(left, sy))) ++left;
        while (right >= left && NearWhite(src.at(right, sy))) --right;
        for (int sx = left; sx <= right; ++sx) target.Set(x + sx, y + sy, src.at(sx, sy));
    }
}

// A colour slider at a position of 0..255: the track, then the thumb with its key left out.
void PlaceSlider(Canvas& target, const Library& lib, int track, int thumb, int x, int y,
                 int position) {
    target.Blit(lib.at(track), x, y);
    const Canvas& t = lib.at(thumb);
    const int centre = t.width() / 2 + (132 - t.width()) * position / 255;
    target.BlitKeyed(t, x + centre - t.width() / 2, y, t.at(0, 0));
}

void PlaceMainWindow(Canvas& out, const Library& lib, int ox, int oy) {
    BlitShaped(out, lib.at(130), ox, oy);
    struct Placed {
        int id, x, y;
    };
    const Placed buttons[] = {{227, 584, 45},  {208, 653, 273}, {214, 686, 273}, {218, 719, 273},
                              {216, 752, 273}, {220, 653, 302}, {212, 686, 302}, {210, 719, 302},
                              {222, 752, 302}, {206, 586, 474}, {204, 125, 294}, {201, 408, 29},
                              {202, 483, 29},  {198, 737, 3},   {196, 765, 3},   {248, 529, 108},
                              {248, 710, 7}};
    for (const Placed& b : buttons) BlitShaped(out, lib.at(b.id), ox + b.x, oy + b.y);
    for (int e = 1; e <= 24; ++e) {
        const int id = e == 8 ? EffectSelectedId(e) : EffectUnselectedId(e);
        constexpr int kRowY[] = {330, 392, 455};
        BlitShaped(out, lib.at(id), ox + 37 + 63 * ((e - 1) % 8), oy + kRowY[(e - 1) / 8]);
    }
    // What the program prints over the art at start-up, in fonts close to its own (the labels'
    // fonts, and the bold system font for the value texts).
    const auto print = [&](const wchar_t* text, int size, bool bold, double x, double y,
                           Align align, Rgb color) {
        TextLook look;
        look.paint = Solid(color);
        Print(out, text, {L"Arial", size, bold}, ox + x, oy + y, align, look);
    };
    out.FillRect(ox + 650, oy + 5, ox + 700, oy + 23, Rgb{5, 5, 5});
    print(L"ENGLISH", 12, false, 675, 14, Align::Center, {245, 245, 245});
    out.FillRect(ox + 408, oy + 104, ox + 484, oy + 134, Rgb{0, 20, 64});
    print(L"Lights Qty", 16, true, 446, 119, Align::Center, {245, 245, 245});
    out.FillRect(ox + 493, oy + 109, ox + 523, oy + 127, Rgb{0, 20, 64});
    print(L"30", 16, true, 508, 118, Align::Center, {245, 245, 245});
    print(L"Apply", 16, true, 683, 498, Align::Center, {255, 255, 255});
    print(L"61", 14, true, 760, 368, Align::Left, {255, 0, 0});
    print(L"69", 14, true, 760, 408, Align::Left, {0, 255, 0});
    print(L"255", 14, true, 753, 448, Align::Left, {0, 0, 255});
    PlaceSlider(out, lib, 228, 233, ox + 586, oy + 363, 61);
    PlaceSlider(out, lib, 232, 237, ox + 586, oy + 403, 69);
    PlaceSlider(out, lib, 231, 236, ox + 586, oy + 443, 255);
    out.FillRect(ox + 585, oy + 273, ox + 645, oy + 330, Rgb{61, 69, 255});
}

void PlacePopup(Canvas& out, const Library& lib, bool chinese, int ox, int oy) {
    BlitShaped(out, lib.at(chinese ? 240 : 250), ox, oy);
    BlitShaped(out, lib.at(241), ox + 49, oy + 146);
    BlitShaped(out, lib.at(244), ox + 178, oy + 146);
    out.Blit(lib.at(245), ox + 49, oy + 106);
    const Canvas& thumb = lib.at(247);
    constexpr int kPosition = 24;  // of 4..64
    const int left = (243 - thumb.width()) * (kPosition - 4) / 60;
    const Canvas& fill = lib.at(246);
    for (int y = 0; y < fill.height(); ++y)
        for (int x = 0; x < left; ++x) out.Set(ox + 49 + x, oy + 106 + y, fill.at(x, y));
    out.BlitKeyed(thumb, ox + 49 + left, oy + 106, thumb.at(0, 0));
    TextLook black;
    black.paint = Solid({0, 0, 0});
    Print(out, L"24", {L"Arial", 14, true}, ox + (chinese ? 212 : 247), oy + 75, Align::Left,
          black);
}

}  // namespace

Canvas ComposePreview(const Library& lib) {
    constexpr int kSheetTop = 540 + 10 + 195 + 10;
    constexpr int kBand = 3 * 62 + 8;
    Canvas out(800, kSheetTop + 2 * kBand + 60, Rgb{40, 40, 40});
    PlaceMainWindow(out, lib, 0, 0);
    PlacePopup(out, lib, true, 20, 550);
    PlacePopup(out, lib, false, 420, 550);
    // Each effect's looks, top to bottom: selected, unselected, greyed (effects 8 to 24).
    for (int e = 1; e <= 24; ++e) {
        const int x = ((e - 1) % 12) * 66 + 4;
        const int y = kSheetTop + ((e - 1) / 12) * kBand;
        BlitShaped(out, lib.at(EffectSelectedId(e)), x, y);
        BlitShaped(out, lib.at(EffectUnselectedId(e)), x, y + 62);
        if (EffectGreyedId(e) != 0) BlitShaped(out, lib.at(EffectGreyedId(e)), x, y + 124);
    }
    // The other buttons' second looks (hover, selected or on), left to right.
    const int strip = kSheetTop + 2 * kBand + 4;
    int x = 4;
    for (const int id :
         {197, 199, 200, 203, 205, 207, 209, 211, 213, 215, 217, 219, 221, 223, 249}) {
        const Canvas& piece = lib.at(id);
        BlitShaped(out, piece, x, strip);
        x += piece.width() + 6;
    }
    for (const int id : {242, 244}) {
        BlitShaped(out, lib.at(id), x, strip);
        x += 120;
    }
    return out;
}

}  // namespace art
