// The pictures that stand in for the program's bitmap resources in the control tests. Every
// picture has colours of its own, so a pixel on screen tells which picture it came from.
#pragma once

#include <map>

#include "harness.hpp"

namespace ctltest {

// Slider tracks (132 x 12 and 243 x 16) and thumbs.
inline COLORREF RedTrack(int x, int y) {
    return RGB(200, x, 10 + y);
}
inline COLORREF BlueTrack(int x, int y) {
    return RGB(201, x, 10 + y);
}
inline COLORREF GreenTrack(int x, int y) {
    return RGB(202, x, 10 + y);
}
inline COLORREF EmptyQuantityTrack(int x, int y) {
    return RGB(60, x % 256, 40 + y);
}
inline COLORREF FullQuantityTrack(int x, int y) {
    return RGB(90, x % 256, 40 + y);
}
inline constexpr COLORREF kThumbKey = RGB(8, 8, 8);
// Thumb 233: 3 x 12, top and bottom rows in the key colour (8, 8, 8).
inline COLORREF RedThumb(int x, int y) {
    return (y == 0 || y == 11) ? kThumbKey : RGB(240, 30 + x, 30 + y);
}
// Thumb 247: 9 x 16, only the top-left pixel (252, 253, 255) is the key.
inline constexpr COLORREF kQuantityThumbKey = RGB(252, 253, 255);
inline COLORREF QuantityThumb(int x, int y) {
    return (x == 0 && y == 0) ? kQuantityThumbKey : RGB(20 + x, 20 + y, 60);
}

// Buttons and labels.
inline constexpr UINT kRoundNormal = 500;  // 40 x 40, a disc on white
inline constexpr UINT kRoundHot = 501;
inline constexpr COLORREF kRoundNormalColor = RGB(0, 120, 0);
inline constexpr COLORREF kRoundHotColor = RGB(200, 30, 30);
inline bool InDisc(int x, int y) {
    return (x - 20) * (x - 20) + (y - 20) * (y - 20) <= 18 * 18;
}
inline constexpr UINT kPlainNormal = 510;  // 80 x 30, flat
inline constexpr UINT kPlainHot = 511;
inline constexpr COLORREF kPlainNormalColor = RGB(20, 20, 90);
inline constexpr COLORREF kPlainHotColor = RGB(90, 20, 20);
inline constexpr UINT kGradient = 520;  // 60 x 60, no white
inline COLORREF Gradient(int x, int y) {
    return RGB(x * 4, y * 4, 100);
}
inline constexpr UINT kPicture = 530;  // 30 x 20
inline COLORREF PictureColor(int x, int y) {
    return RGB(x * 8, y * 12, 50);
}

inline std::map<UINT, Surface> ControlBitmaps() {
    const auto disc = [](COLORREF inside) {
        return Picture(40, 40, [inside](int x, int y) { return InDisc(x, y) ? inside : 0xFFFFFF; });
    };
    const auto flat = [](int w, int h, COLORREF c) {
        return Picture(w, h, [c](int, int) { return c; });
    };
    return {
        {228, Picture(132, 12, RedTrack)},
        {231, Picture(132, 12, BlueTrack)},
        {232, Picture(132, 12, GreenTrack)},
        {233, Picture(3, 12, RedThumb)},
        {245, Picture(243, 16, EmptyQuantityTrack)},
        {246, Picture(243, 16, FullQuantityTrack)},
        {247, Picture(9, 16, QuantityThumb)},
        {kRoundNormal, disc(kRoundNormalColor)},
        {kRoundHot, disc(kRoundHotColor)},
        {kPlainNormal, flat(80, 30, kPlainNormalColor)},
        {kPlainHot, flat(80, 30, kPlainHotColor)},
        {kGradient, Picture(60, 60, Gradient)},
        {kPicture, Picture(30, 20, PictureColor)},
    };
}

}  // namespace ctltest
