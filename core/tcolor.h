#pragma once

#include <QtGlobal>

// A colour value: red in the lowest byte, then green, then blue; top byte 0 for
// a plain colour. Two marker values name no colour, and values with the top bit
// set name a system colour (resolved from the widget palette, see
// tcolorpalette.h).
using TColor = quint32;

constexpr TColor clNone = 0x1FFFFFFF;    // paints nothing
constexpr TColor clDefault = 0x20000000; // the default applies

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

constexpr TColor systemColorFlag = 0x80000000;
constexpr TColor clWindow = systemColorFlag | 5;
constexpr TColor clWindowFrame = systemColorFlag | 6;
constexpr TColor clWindowText = systemColorFlag | 8;
constexpr TColor clBtnFace = systemColorFlag | 15;
constexpr TColor clBtnShadow = systemColorFlag | 16;
constexpr TColor clBtnHighlight = systemColorFlag | 20;

constexpr bool isSystemColor(TColor c) {
    return (c & systemColorFlag) != 0;
}
constexpr int redOf(TColor c) {
    return int(c & 0xFF);
}
constexpr int greenOf(TColor c) {
    return int((c >> 8) & 0xFF);
}
constexpr int blueOf(TColor c) {
    return int((c >> 16) & 0xFF);
}
constexpr TColor rgbColor(int red, int green, int blue) {
    return TColor(red & 0xFF) | (TColor(green & 0xFF) << 8) | (TColor(blue & 0xFF) << 16);
}
